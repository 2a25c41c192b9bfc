#pragma once

// Lines of a language that writes no spaces between its words (Thai). Its catalogue marks each
// place where a line may break with U+200B ZERO WIDTH SPACE; the marks are never shown. A label
// that must wrap is broken at its marks (and at its blanks) by the program itself, the same on
// every system, into lines that its room holds; any other text shows without its marks, and the
// system wraps it where it must.

#include <string>
#include <string_view>

namespace kelvoro {

inline constexpr char16_t kBreakMark = u'\u200B';

bool HasBreakMarks(std::u16string_view text);
std::u16string WithoutBreakMarks(std::u16string_view text);

// The width of a line of text, in pixels, as the font it shows in measures it.
class LineWidth {
 public:
  virtual int Of(std::u16string_view line) const = 0;

 protected:
  ~LineWidth() = default;
};

// `text` without its marks, in lines of at most `width` pixels as `width_of` measures a line:
// as many words on a line as it holds (a word wider than the line has a line of its own), a line
// break ("\r\n") in place of the mark or blank where a line ends, and the text's own line breaks
// kept.
std::u16string BrokenAtMarks(std::u16string_view text, int width, const LineWidth& width_of);

}  // namespace kelvoro
