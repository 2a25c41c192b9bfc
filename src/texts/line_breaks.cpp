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

std::u16string BrokenAtMarks(std::u16string_view text, int width, const LineWidth& width_of) {
  std::u16string broken;
  std::size_t line = 0;    // where the line being filled begins in `broken`
  char16_t separator = 0;  // what stood before the next word: a blank, a mark or nothing
  for (std::size_t start = 0;;) {
    const std::size_t end = std::min(text.find_first_of(u"\u200B \n", start), text.size());
    const std::u16string_view word = text.substr(start, end - start);
    // The word joins the line it fits on, or begins the next one in place of its separator.
    const std::size_t before = broken.size();
    if (separator == u' ') broken += u' ';
    broken += word;
    if (before > line && width_of.Of(std::u16string_view(broken).substr(line)) > width) {
      broken.resize(before);
      broken += u"\r\n";
      line = broken.size();
      broken += word;
    }
    if (end == text.size()) return broken;
    separator = text[end];
    if (separator == u'\n') {
      broken += u'\n';
      line = broken.size();
    }
    start = end + 1;
  }
}

}  // namespace kelvoro
