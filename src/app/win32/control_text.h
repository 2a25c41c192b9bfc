#pragma once

// What a control's text says, the font it shows in and what it measures there. Texts are UTF-16
// through the wide entry points, in the user's language (Texts()); fonts are made at a DPI and
// owned by the caller; a measurement that the system cannot make is 0 by 0.

#include <windows.h>

#include <string>
#include <utility>

#include "app/layout_rules.h"
#include "app/win32/layout.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {

// The text of a caption in the user's language, as it shows; with the marks where its lines may
// break (see texts/line_breaks.h), for a label that breaks it itself.
std::u16string TextOf(const Caption& caption);
std::u16string MarkedTextOf(const Caption& caption);

// The whole text of a window or control, in the ANSI code page.
std::string WindowText(HWND window);
// The whole text of a window or control, in UTF-16.
std::u16string WideWindowText(HWND window);

// The font a control of `layout` shows its text in, at `dpi` dots per inch: the design font for
// a text that no language changes and in a language of Western letters; else the design face in
// the language's character set, or, for a script the design fonts lack, the system's interface
// font for that script. Null when the system refuses the font.
UniqueHFont FontOf(const ControlLayout& layout, int dpi);

// A text as GDI measures it in `font` on the device context of `window` (the measure step of
// the layout rules). The window and the font must outlive it.
class MeasuredText final : public TextMeasure {
 public:
  MeasuredText(HWND window, HFONT font, std::u16string text) noexcept
      : window_(window), font_(font), text_(std::move(text)) {}
  Extent Line() const override;
  int WrappedHeight(int width) const override;
  // The text as it shows wrapped at `wrap_width` (0: on one line): without its break marks, and
  // broken at them where it has any.
  std::u16string Shown(int wrap_width) const;

 private:
  // Wrapped at `wrap_width` pixels, or on one line (0).
  Extent Measure(int wrap_width) const;

  HWND window_;
  HFONT font_;
  std::u16string text_;
};

}  // namespace kelvoro::win32
