#include "app/win32/text_controls.h"

#include "platform/win32/gdi_scope.h"

namespace kelvoro::win32 {

UniqueHFont CreateFontFor(const LayoutFont& font, int dpi) {
  // A negative height asks for the character height without internal leading, which is what a
  // point size means.
  const int height = -::MulDiv(font.hundredths_of_point, dpi, 72 * 100);
  const std::string face(font.face);
  return UniqueHFont(::CreateFontA(height, 0 /* width */, 0 /* escapement */, 0 /* orientation */,
                                   font.bold ? FW_BOLD : FW_NORMAL, FALSE /* italic */,
                                   font.underline ? TRUE : FALSE, FALSE /* strike out */,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

std::string WindowText(HWND window) {
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void FitToText(HWND label, HFONT font) {
  const WindowDc dc(label);
  if (dc.get() == nullptr) return;
  const SelectedObject selected(dc.get(), font);
  const std::string text = WindowText(label);
  RECT extent{0, 0, 0, 0};
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
  ::SetWindowPos(label, nullptr /* keep the z-order */, 0, 0, extent.right - extent.left,
                 extent.bottom - extent.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kelvoro::win32
