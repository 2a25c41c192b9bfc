#pragma once

// Helpers shared by the windows' text controls: fonts from a layout's FontSpec, a control's text,
// and labels sized to their text.

#include <windows.h>

#include <string>

#include "app/win32/layout.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {

// The font `font` describes, at `dpi` dots per inch; null when the system refuses it.
UniqueHFont CreateFontFor(const LayoutFont& font, int dpi);

// The whole text of a window or control, in the ANSI code page.
std::string WindowText(HWND window);

// Resizes a one-line label to the extent of its text in `font`, keeping its top left corner.
void FitToText(HWND label, HFONT font);

}  // namespace kelvoro::win32
