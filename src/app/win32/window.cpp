#include "app/win32/window.h"

#include "app/twips.h"
#include "app/win32/painting.h"
#include "platform/win32/gdi_scope.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "resource.h"

namespace kelvoro::win32 {
namespace {

// The program runs as long as one of its top-level windows exists; the destruction of the last
// one ends the message loop (WM_QUIT, exit code 0). One user-interface thread: no lock.
int open_windows = 0;

// Sent when the window moves to a monitor of another DPI, or that monitor's scale changes
// (Windows 8.1 and later).
constexpr UINT kDpiChangedMessage = 0x02E0;

// The per-monitor DPI functions of Windows 10 (1607 and later), looked up once; null before.
struct DpiFunctions {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  GetDpiForWindowFunction get_dpi_for_window = nullptr;
  AdjustForDpiFunction adjust_window_rect_ex_for_dpi = nullptr;
};

const DpiFunctions& DpiApi() {
  static const SystemLibrary user32("user32.dll");
  static const DpiFunctions functions{
      user32.Get<DpiFunctions::GetDpiForWindowFunction>("GetDpiForWindow"),
      user32.Get<DpiFunctions::AdjustForDpiFunction>("AdjustWindowRectExForDpi")};
  return functions;
}

// The outer size of a window of `frame` whose client area is laid out at the given DPI.
SIZE OuterSize(const WindowFrame& frame, int dpi_x, int dpi_y) {
  RECT outer{0, 0, TwipsToPixels(frame.client_width, dpi_x),
             TwipsToPixels(frame.client_height, dpi_y)};
  const auto adjust = DpiApi().adjust_window_rect_ex_for_dpi;
  if (adjust == nullptr ||
      !adjust(&outer, frame.style, FALSE /* no menu */, frame.ex_style, static_cast<UINT>(dpi_y))) {
    ::AdjustWindowRectEx(&outer, frame.style, FALSE /* no menu */, frame.ex_style);
  }
  return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

HICON LoadProgramIcon(HINSTANCE instance, int width_metric, int height_metric) {
  return static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDI_KELVORO), IMAGE_ICON,
                                         ::GetSystemMetrics(width_metric),
                                         ::GetSystemMetrics(height_metric), LR_DEFAULTCOLOR));
}

}  // namespace

void Window::Destroy() noexcept {
  if (window_ != nullptr) ::DestroyWindow(window_);
}

bool Window::Create(const wchar_t* class_name, WNDPROC procedure, void* self,
                    const WindowFrame& frame, HWND owner, bool centred) {
  {
    // The system's DPI; a window that the system then places on a monitor of another DPI is
    // laid out again for that one.
    const WindowDc screen(nullptr);
    if (screen.get() != nullptr) {
      dpi_x_ = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
      dpi_y_ = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
  }
  mirroring_ = MirroringFor(InfoOf(CurrentLanguage()).direction);
  colours_.Refresh();
  LoadPictures(dpi_y_);
  if (!big_icon_) {
    big_icon_.reset(LoadProgramIcon(instance_, SM_CXICON, SM_CYICON));
    small_icon_.reset(LoadProgramIcon(instance_, SM_CXSMICON, SM_CYSMICON));
    // The cursor at the size it is drawn in (32 x 32, hot spot 12,1), not the system's size.
    hand_cursor_.reset(static_cast<HCURSOR>(::LoadImageA(
        instance_, MAKEINTRESOURCEA(IDC_HAND_POINTER), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
  }

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance_;
  window_class.hIcon = big_icon_.get();
  window_class.hIconSm = small_icon_.get();
  window_class.hCursor = ::LoadCursorA(nullptr /* system cursor */, IDC_ARROW);
  window_class.hbrBackground = nullptr;  // WM_ERASEBKGND paints the window's colour
  window_class.lpszClassName = class_name;
  if (!::RegisterClassExW(&window_class) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }

  // Mirrored, the window and (inheriting the layout) every control of it.
  WindowFrame laid_out = frame;
  if (mirroring_.mirrored) laid_out.ex_style |= WS_EX_LAYOUTRTL;
  const SIZE outer = OuterSize(laid_out, dpi_x_, dpi_y_);
  const POINT origin =
      centred ? CentredOnScreen(outer.cx, outer.cy) : POINT{CW_USEDEFAULT, CW_USEDEFAULT};
  const std::u16string title = TextOf(frame.title);
  const HWND created = ::CreateWindowExW(laid_out.ex_style, class_name, WidePointer(title),
                                         frame.style, origin.x, origin.y, outer.cx, outer.cy, owner,
                                         nullptr /* no menu */, instance_, self);
  // A window that failed half-way is gone already, whatever it had been told.
  if (created == nullptr) {
    window_ = nullptr;
    return false;
  }
  // Placed on a monitor of another DPI than the system's: laid out for that one.
  const auto window_dpi = DpiApi().get_dpi_for_window;
  const int dpi = window_dpi != nullptr ? static_cast<int>(window_dpi(created)) : 0;
  if (dpi > 0 && (dpi != dpi_x_ || dpi != dpi_y_)) {
    RECT frame_rect{};
    ::GetWindowRect(created, &frame_rect);
    const SIZE size = OuterSize(laid_out, dpi, dpi);
    OnDpiChanged(dpi, RECT{frame_rect.left, frame_rect.top, frame_rect.left + size.cx,
                           frame_rect.top + size.cy});
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Messages

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY: {
      const HWND window = window_;
      OnNcDestroy();
      return ::DefWindowProcW(window, message, wparam, lparam);
    }
    case WM_ACTIVATE:
      if (OnActivate(LOWORD(wparam) != WA_INACTIVE)) return 0;
      break;
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(wparam)) ? 1 : 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColour(message, reinterpret_cast<HDC>(wparam),
                             reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_COMMAND:
      // Menus and accelerators (a null lparam), and the IDOK / IDCANCEL that dialog keyboard
      // handling sends for Enter and Esc, match no control.
      if (lparam != 0) OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wparam), LOWORD(lparam))) return TRUE;
      break;
    case kDpiChangedMessage:
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // A new theme, high contrast switched on or off, or other colours.
      OnColoursChanged();
      break;
    default:
      break;
  }
  return Default(message, wparam, lparam);
}

LRESULT Window::Default(UINT message, WPARAM wparam, LPARAM lparam) const {
  return ::DefWindowProcW(window_, message, wparam, lparam);
}

bool Window::OnCreate() {
  if (big_icon_)
    ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
  if (small_icon_) {
    ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  }
  for (Control& control : controls_) {
    if (!CreateControl(control)) return false;
  }
  AfterLayOut();
  ++open_windows;
  counted_ = true;
  return true;
}

void Window::OnDestroy() {
  if (!counted_) return;
  counted_ = false;
  if (open_windows > 0 && --open_windows == 0) ::PostQuitMessage(0);
}

// The last message of the window, also of one whose creation failed: the controls are gone and
// their fonts can go.
void Window::OnNcDestroy() {
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
  for (Control& control : controls_) {
    control.window = nullptr;
    control.font.reset();
  }
}

bool Window::OnActivate(bool /*active*/) { return false; }

bool Window::OnEraseBackground(HDC dc) const {
  RECT client{};
  ::GetClientRect(window_, &client);
  ::FillRect(dc, &client, colours_.WindowBrush());
  return true;
}

LRESULT Window::OnControlColour(UINT message, HDC dc, HWND window) {
  const Control* control = FindByWindow(window);
  if (control == nullptr) {
    return Default(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window));
  }
  // A label in the user's language reads right to left where the language does: Windows reads a
  // mirrored DC so by itself, Wine's static control only through the DC's text alignment.
  if (message == WM_CTLCOLORSTATIC && control->layout->kind == ControlKind::kLabel &&
      ReadsRightToLeft(control->layout->text.translated, mirroring_)) {
    ::SetTextAlign(dc, ::GetTextAlign(dc) | TA_RTLREADING);
  }
  return reinterpret_cast<LRESULT>(colours_.PrepareControl(
      dc, message == WM_CTLCOLORSTATIC, *control->layout, control->back_brush.get()));
}

void Window::OnDrawItem(const DRAWITEMSTRUCT& item) const {
  const Control* control = FindByWindow(item.hwndItem);
  if (control == nullptr) return;
  switch (control->layout->kind) {
    case ControlKind::kFlatButton:
      DrawFlatButton(item, control->font.get(),
                     colours_.ControlBrush(control->layout->kind, control->back_brush.get()),
                     colours_.ButtonFrameBrush(),
                     colours_.ColourOf(ColourRole::kButtonText, ::GetSysColor(COLOR_BTNTEXT)),
                     mirroring_.right_to_left_reading);
      break;
    case ControlKind::kImage:
      DrawImage(item, *control);
      break;
    default:
      break;
  }
}

void Window::DrawImage(const DRAWITEMSTRUCT& item, const Control& control) const {
  const Art art = control.layout->picture == DesignPicture::kArrow ? Art::kArrow : Art::kThing;
  DrawPicture(item, SurfaceBrush(control.layout->surface), control.picture,
              control.layout->fit == PictureFit::kStretch, DrawnMirrored(art, mirroring_));
}

bool Window::OnSetCursor(HWND over, int hit_test) const {
  const Control* control = FindByWindow(over);
  if (control == nullptr || (control->layout->flags & kHandCursor) == 0 || hit_test != HTCLIENT ||
      !hand_cursor_) {
    return false;
  }
  ::SetCursor(hand_cursor_.get());
  return true;
}

const Picture* Window::DesignPictureOf(DesignPicture /*picture*/) const { return nullptr; }

void Window::LoadPictures(int /*dpi*/) {}

const AccessibleControl* Window::AccessibleOf(const ControlLayout& /*layout*/) const {
  return nullptr;
}

// ---------------------------------------------------------------------------------------------
// DPI and colour changes

void Window::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0) return;
  ApplyDpi(dpi);
  ::SetWindowPos(window_, nullptr /* keep the z-order */, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Window::ApplyDpi(int dpi) {
  dpi_x_ = dpi;
  dpi_y_ = dpi;
  LoadPictures(dpi);
  for (Control& control : controls_) {
    if (control.window != nullptr) LayOut(control);
  }
  AfterLayOut();
}

void Window::OnColoursChanged() {
  colours_.Refresh();
  // The system's own controls repaint in the new colours too.
  for (const Control& control : controls_) {
    if (control.window != nullptr) ::SendMessageW(control.window, WM_SYSCOLORCHANGE, 0, 0);
  }
  ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

POINT Window::CentredOnScreen(int width, int height) noexcept {
  return POINT{Centred(0, ::GetSystemMetrics(SM_CXSCREEN), width),
               Centred(0, ::GetSystemMetrics(SM_CYSCREEN), height)};
}

}  // namespace kelvoro::win32
