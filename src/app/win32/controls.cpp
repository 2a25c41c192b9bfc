// The controls of a window's layout table: each made as the system's control of its kind, found
// by name or by window, and placed at the window's DPI by the layout rules (app/layout_rules.h):
// the window measures a label's text in its font (MeasuredText) and applies the box the rules
// return. A control that cannot be made fails the window's creation; Require of a name the
// window does not have raises a Failure.

#include <algorithm>
#include <string>

#include "texts/line_breaks.h"
#include "app/win32/control_text.h"
#include "app/win32/window.h"
#include "platform/failure.h"
#include "platform/win32/wide_text.h"

namespace kelvoro::win32 {
namespace {

// The system's class of a control of `layout`, and the style it is made with.
struct ControlClass {
  const wchar_t* name;
  DWORD style;
};

// The static style that shows a label's text where the mirroring rules put the design's
// left-aligned text. A mirrored control (the window's layout passes to its controls) measures
// left and right from its own right edge: there the left-aligned style shows it on the right.
DWORD LabelAlignment(const ControlLayout& layout, const Mirroring& mirroring) {
  const Alignment shown = ShownAlignment(Alignment::kLeft, mirroring);
  const Alignment in_control = mirroring.mirrored ? ShownAlignment(shown, mirroring) : shown;
  switch (in_control) {
    case Alignment::kLeft:
      // Sized-to-text labels do not wrap: their box is one line of their text.
      return (layout.flags & kSizedToText) != 0 ? SS_LEFTNOWORDWRAP : SS_LEFT;
    case Alignment::kCentre:
      return SS_CENTER;
    case Alignment::kRight:
      break;
  }
  return SS_RIGHT;
}

ControlClass ClassOf(const ControlLayout& layout, const Mirroring& mirroring) {
  DWORD style = WS_CHILD | WS_VISIBLE;
  switch (layout.kind) {
    case ControlKind::kLabel:
      style |= LabelAlignment(layout, mirroring) | SS_NOPREFIX;
      // Only a clickable label reacts to the mouse; the others let clicks through to the window.
      if ((layout.flags & kClickable) != 0) style |= SS_NOTIFY;
      if ((layout.flags & kOpensPage) != 0) style |= WS_TABSTOP;
      break;
    case ControlKind::kImage:
      style |= SS_OWNERDRAW;
      break;
    case ControlKind::kCheckBox:
      return {L"BUTTON", style | WS_TABSTOP | BS_AUTOCHECKBOX};
    case ControlKind::kFlatButton:
      return {L"BUTTON", style | WS_TABSTOP | BS_OWNERDRAW};
    case ControlKind::kPushButton:
      return {L"BUTTON", style | WS_TABSTOP | BS_PUSHBUTTON};
  }
  return {L"STATIC", style};
}

constexpr UINT kKeepOrder = SWP_NOZORDER | SWP_NOACTIVATE;

void MoveTo(HWND window, const PixelRect& box) {
  ::SetWindowPos(window, nullptr /* keep the z-order */, box.left, box.top, box.Width(),
                 box.Height(), kKeepOrder);
}

// `text` without its blanks and line breaks: the same for a text and for that text broken at its
// marks and blanks.
std::u16string Unbroken(std::u16string text) {
  text.erase(std::remove_if(text.begin(), text.end(),
                            [](char16_t c) { return c == u' ' || c == u'\r' || c == u'\n'; }),
             text.end());
  return text;
}

}  // namespace

bool Window::CreateControl(Control& control) {
  const ControlLayout& layout = *control.layout;
  const ControlClass window_class = ClassOf(layout, MirroringOf());
  const RECT box = ToPixels(layout.rect);
  const std::u16string text = TextOf(layout.text);
  control.window = ::CreateWindowExW(0 /* no extended style */, window_class.name,
                                     WidePointer(text), window_class.style, box.left, box.top,
                                     box.right - box.left, box.bottom - box.top, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                                     instance_, nullptr /* no creation data */);
  if (control.window == nullptr) return false;
  // A fixed text (a name, an address) in a mirrored window reads left to right: its control
  // lies where the mirror puts it but draws in a layout of its own, left to right.
  if (layout.kind == ControlKind::kLabel && MirroringOf().mirrored &&
      !ReadsRightToLeft(layout.text.translated, MirroringOf())) {
    ::SetWindowLongPtrW(control.window, GWL_EXSTYLE,
                        ::GetWindowLongPtrW(control.window, GWL_EXSTYLE) & ~WS_EX_LAYOUTRTL);
  }
  if ((layout.flags & kOpensPage) != 0 || AccessibleOf(layout) != nullptr) {
    // The control's own user data (the system's controls leave it to the program) leads back
    // to this window.
    ::SetWindowLongPtrW(control.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    control.system_procedure = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        control.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProcedure)));
  }

  control.picture = DesignPictureOf(layout.picture);
  if (HasText(layout.kind)) {
    control.font = FontOf(layout);
    if (control.font) {
      ::SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(control.font.get()),
                     FALSE /* no redraw: not shown yet */);
    }
  }
  if (layout.kind == ControlKind::kLabel) PlaceLabel(control);
  FitToPicture(control);
  return true;
}

void Window::LayOut(Control& control) {
  const ControlLayout& layout = *control.layout;
  MoveTo(control.window, FromRect(ToPixels(layout.rect)));
  if (HasText(layout.kind)) {
    // The control lets go of its old font before that is deleted.
    UniqueHFont font = FontOf(layout);
    ::SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()),
                   FALSE /* the window is redrawn as a whole */);
    control.font = std::move(font);
  }
  if (layout.kind == ControlKind::kLabel) PlaceLabel(control);
  FitToPicture(control);
}

void Window::PlaceLabel(const Control& control) const {
  const ControlLayout& layout = *control.layout;
  // A label that shows its catalogue text in a language whose lines break at marks is measured
  // and broken from the marked text; any other from what it shows.
  const std::u16string showing = WideWindowText(control.window);
  const std::u16string marked = layout.text.translated ? MarkedTextOf(layout.text) : u"";
  const bool breaks_itself =
      HasBreakMarks(marked) && Unbroken(showing) == Unbroken(TextOf(layout.text));
  const MeasuredText text(control.window, control.font.get(), breaks_itself ? marked : showing);
  const bool may_move = layout.text.translated && Texts().Translates(layout.text.id);
  RECT now{};
  ::GetWindowRect(control.window, &now);
  ::MapWindowPoints(nullptr /* the screen */, window_, reinterpret_cast<POINT*>(&now), 2);
  const PixelRect box = FromRect(now);
  const LabelPlace place = kelvoro::PlaceLabel(box, (layout.flags & kSizedToText) != 0, may_move,
                                               RoomOf(layout), dpi_x_, text);
  if (place.wraps) {
    // Wider than its room: the static control wraps it at the room's width.
    const LONG_PTR style = ::GetWindowLongPtrW(control.window, GWL_STYLE);
    ::SetWindowLongPtrW(control.window, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_LEFT);
  }
  if (breaks_itself) {
    const std::u16string shown = text.Shown(place.wraps ? place.box.Width() : 0);
    if (shown != showing) ::SetWindowTextW(control.window, WidePointer(shown));
  }
  if (!(place.box == box)) MoveTo(control.window, place.box);
}

void Window::FitToPicture(const Control& control) const {
  if (control.layout->fit != PictureFit::kOwnSize || control.picture == nullptr ||
      control.picture->Empty()) {
    return;
  }
  const SIZE size = control.picture->Size();
  ::SetWindowPos(control.window, nullptr /* keep the z-order */, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | kKeepOrder);
}

ControlRoom Window::RoomOf(const ControlLayout& layout) const {
  RECT client{};
  ::GetClientRect(window_, &client);
  return RoomInWindow(layout.rect.left, client.right, dpi_x_);
}

const Window::Control* Window::Find(std::string_view name) const noexcept {
  for (const Control& control : controls_) {
    if (control.layout->name == name) return &control;
  }
  return nullptr;
}

const Window::Control* Window::FindByWindow(HWND window) const noexcept {
  if (window == nullptr) return nullptr;
  for (const Control& control : controls_) {
    if (control.window == window) return &control;
  }
  return nullptr;
}

const Window::Control& Window::Require(std::string_view name) const {
  const Control* control = Find(name);
  if (control == nullptr || control->window == nullptr) {
    throw Failure("Control not found: " + std::string(name));
  }
  return *control;
}

Window::Control& Window::Require(std::string_view name) {
  return const_cast<Control&>(static_cast<const Window&>(*this).Require(name));
}

}  // namespace kelvoro::win32
