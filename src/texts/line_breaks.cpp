#include "texts/line_breaks.h"

#include <algorithm>

namespace kelvoro {

bool HasBreakMarks(std::u16string_view text) {
  return text.find(kBreakMark) != std::u16string_view::npos;
}

std::u16string WithoutBreakMarks(std::u16string_view text) {
  std::u16string shown(text);
  shown.erase(std::remove(shown.begin(), shown.end(), kBreakMark), shown.end());
  return shown;
}

std::u16string BrokenAtMarks(std::u16string_view text, int width,
                             const std::function<int(std::u16string_view)>& width_of) {
  std::u16string broken;
  std::u16string line;  // the line being filled, its last word's separator kept at its end
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find_first_of(u"\u200B \n", start), text.size());
    const std::u16string_view word = text.substr(start, end - start);
    // The word joins the line it fits on, or begins the next one in place of the separator.
    std::u16string joined = line + std::u16string(word);
    if (!line.empty() && width_of(WithoutBreakMarks(joined)) > width) {
      line.pop_back();
      broken += WithoutBreakMarks(line) + u"\r\n";
      joined = std::u16string(word);
    }
    line = std::move(joined);
    if (end == text.size()) break;
    if (text[end] == u'\n') {
      broken += WithoutBreakMarks(line) + u"\n";
      line.clear();
    } else {
      line += text[end];
    }
    start = end + 1;
  }
  return broken + WithoutBreakMarks(line);
}

}  // namespace kelvoro
