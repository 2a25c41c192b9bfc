#include "app/win32/painting.h"

#include <string>

#include "app/win32/control_text.h"
#include "platform/win32/gdi_scope.h"
#include "platform/win32/wide_text.h"

namespace kelvoro::win32 {
namespace {

// WM_QUERYUISTATE's flag for focus rectangles hidden until the keyboard is used.
constexpr LRESULT kHideFocus = 0x1;  // UISF_HIDEFOCUS

}  // namespace

void DrawFlatButton(const DRAWITEMSTRUCT& item, HFONT font, HBRUSH face_brush, HBRUSH frame,
                    COLORREF text_colour, bool right_to_left) {
  const HDC dc = item.hDC;
  const SavedDcState saved(dc);
  RECT face = item.rcItem;
  ::FillRect(dc, &face, face_brush);
  ::FrameRect(dc, &face, frame);

  RECT caption = face;
  // Pressed: the caption moves down and right by a pixel.
  if ((item.itemState & ODS_SELECTED) != 0) ::OffsetRect(&caption, 1, 1);
  const SelectedObject selected(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, text_colour);
  const std::u16string text = WideWindowText(item.hwndItem);
  ::DrawTextW(dc, WidePointer(text), static_cast<int>(text.size()), &caption,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | (right_to_left ? DT_RTLREADING : 0U));

  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = face;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(dc, &focus);
  }
}

void DrawPicture(const DRAWITEMSTRUCT& item, HBRUSH surface, const Picture* picture, bool stretch,
                 bool mirrored) {
  ::FillRect(item.hDC, &item.rcItem, surface);
  if (picture != nullptr) picture->Draw(item.hDC, item.rcItem, stretch, mirrored);
}

void DrawLinkFocus(HWND link) {
  if (::GetFocus() != link || (::SendMessageW(link, WM_QUERYUISTATE, 0, 0) & kHideFocus) != 0) {
    return;
  }
  const WindowDc dc(link);
  if (dc.get() == nullptr) return;
  RECT focus{};
  ::GetClientRect(link, &focus);
  ::DrawFocusRect(dc.get(), &focus);
}

}  // namespace kelvoro::win32
