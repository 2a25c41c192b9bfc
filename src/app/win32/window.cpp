#include "app/win32/window.h"

#include "app/twips.h"
#include "platform/failure.h"
#include "platform/win32/gdi_scope.h"
#include "platform/win32/system_library.h"
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

bool HighContrastOn() {
  HIGHCONTRASTA high_contrast{};
  high_contrast.cbSize = sizeof high_contrast;
  return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) &&
         (high_contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

int SystemColourIndex(SystemColour colour) {
  switch (colour) {
    case SystemColour::kWindow:
      return COLOR_WINDOW;
    case SystemColour::kWindowText:
      return COLOR_WINDOWTEXT;
    case SystemColour::kButtonFace:
      return COLOR_BTNFACE;
    case SystemColour::kButtonText:
      return COLOR_BTNTEXT;
    case SystemColour::kHotLight:
      return COLOR_HOTLIGHT;
  }
  return COLOR_WINDOWTEXT;
}

HBRUSH SystemBrush(ColourRole role) {
  return ::GetSysColorBrush(SystemColourIndex(HighContrastColour(role)));
}

COLORREF TextColourOf(TextColour colour) {
  switch (colour) {
    case TextColour::kBlack:
      return RGB(0, 0, 0);
    case TextColour::kWhite:
      return RGB(255, 255, 255);
    case TextColour::kBlue:
      return RGB(0, 0, 255);
    case TextColour::kButtonText:
      break;
  }
  return ::GetSysColor(COLOR_BTNTEXT);
}

bool IsButton(ControlKind kind) {
  return kind == ControlKind::kFlatButton || kind == ControlKind::kPushButton;
}

// The font `font` describes, at `dpi` dots per inch; null when the system refuses it.
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

HICON LoadProgramIcon(HINSTANCE instance, int width_metric, int height_metric) {
  return static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDI_KELVORO), IMAGE_ICON,
                                         ::GetSystemMetrics(width_metric),
                                         ::GetSystemMetrics(height_metric), LR_DEFAULTCOLOR));
}

}  // namespace

COLORREF ToColorref(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

std::string WindowText(HWND window) {
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void Window::Destroy() noexcept {
  if (window_ != nullptr) ::DestroyWindow(window_);
}

bool Window::Create(const char* class_name, WNDPROC procedure, void* self, const WindowFrame& frame,
                    HWND owner, bool centred) {
  {
    // The system's DPI; a window that the system then places on a monitor of another DPI is
    // laid out again for that one.
    const WindowDc screen(nullptr);
    if (screen.get() != nullptr) {
      dpi_x_ = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
      dpi_y_ = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
  }
  high_contrast_ = HighContrastOn();
  LoadPictures(dpi_y_);
  if (!big_icon_) {
    big_icon_.reset(LoadProgramIcon(instance_, SM_CXICON, SM_CYICON));
    small_icon_.reset(LoadProgramIcon(instance_, SM_CXSMICON, SM_CYSMICON));
    // The cursor at the size it is drawn in (32 x 32, hot spot 12,1), not the system's size.
    hand_cursor_.reset(static_cast<HCURSOR>(::LoadImageA(
        instance_, MAKEINTRESOURCEA(IDC_HAND_POINTER), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
  }

  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance_;
  window_class.hIcon = big_icon_.get();
  window_class.hIconSm = small_icon_.get();
  window_class.hCursor = ::LoadCursorA(nullptr /* system cursor */, IDC_ARROW);
  window_class.hbrBackground = nullptr;  // WM_ERASEBKGND paints the window's colour
  window_class.lpszClassName = class_name;
  if (!::RegisterClassExA(&window_class) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }

  const SIZE outer = OuterSize(frame, dpi_x_, dpi_y_);
  const POINT origin =
      centred ? CentredOnScreen(outer.cx, outer.cy) : POINT{CW_USEDEFAULT, CW_USEDEFAULT};
  const HWND created =
      ::CreateWindowExA(frame.ex_style, class_name, frame.title, frame.style, origin.x, origin.y,
                        outer.cx, outer.cy, owner, nullptr /* no menu */, instance_, self);
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
    const SIZE size = OuterSize(frame, dpi, dpi);
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
      return ::DefWindowProcA(window, message, wparam, lparam);
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
  return ::DefWindowProcA(window_, message, wparam, lparam);
}

bool Window::OnCreate() {
  if (big_icon_)
    ::SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
  if (small_icon_) {
    ::SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  }
  for (Control& control : controls_) {
    if (!CreateControl(control)) return false;
  }
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
  ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
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
  ::FillRect(dc, &client, WindowBrush());
  return true;
}

LRESULT Window::OnControlColour(UINT message, HDC dc, HWND window) {
  const Control* control = FindByWindow(window);
  if (control == nullptr) {
    return Default(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window));
  }
  const ControlLayout& layout = *control->layout;
  const bool is_static = message == WM_CTLCOLORSTATIC;
  const ColourRole text_role = (layout.flags & kHandCursor) != 0 ? ColourRole::kLink
                               : IsButton(layout.kind)           ? ColourRole::kButtonText
                                                                 : ColourRole::kText;
  const COLORREF text = ColourOf(text_role, TextColourOf(layout.colour));
  if (is_static && layout.kind == ControlKind::kLabel) {
    // Transparent labels: the text alone, over a brush of whatever lies beneath.
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text);
    return reinterpret_cast<LRESULT>(SurfaceBrush(layout.surface));
  }
  const HBRUSH brush = ControlBrush(*control);
  LOGBRUSH colour{};
  ::GetObjectA(brush, sizeof colour, &colour);
  ::SetBkColor(dc, colour.lbColor);
  if (is_static) ::SetTextColor(dc, text);
  return reinterpret_cast<LRESULT>(brush);
}

void Window::OnDrawItem(const DRAWITEMSTRUCT& item) const {
  const Control* control = FindByWindow(item.hwndItem);
  if (control == nullptr) return;
  switch (control->layout->kind) {
    case ControlKind::kFlatButton:
      DrawFlatButton(item, *control);
      break;
    case ControlKind::kImage:
      DrawImage(item, *control);
      break;
    default:
      break;
  }
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
}

void Window::OnColoursChanged() {
  high_contrast_ = HighContrastOn();
  // The system's own controls repaint in the new colours too.
  for (const Control& control : controls_) {
    if (control.window != nullptr) ::SendMessageA(control.window, WM_SYSCOLORCHANGE, 0, 0);
  }
  ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------------------------------------
// Controls

bool Window::CreateControl(Control& control) {
  const ControlLayout& layout = *control.layout;
  const char* window_class = "STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  switch (layout.kind) {
    case ControlKind::kLabel:
      // Sized-to-text labels never wrap: their box is exactly one line of their text.
      style |= ((layout.flags & kSizedToText) != 0 ? SS_LEFTNOWORDWRAP : SS_LEFT) | SS_NOPREFIX;
      // Only a clickable label reacts to the mouse; the others let clicks through to the window.
      if ((layout.flags & kClickable) != 0) style |= SS_NOTIFY;
      break;
    case ControlKind::kImage:
      style |= SS_OWNERDRAW;
      break;
    case ControlKind::kCheckBox:
      window_class = "BUTTON";
      style |= WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case ControlKind::kFlatButton:
      window_class = "BUTTON";
      style |= WS_TABSTOP | BS_OWNERDRAW;
      break;
    case ControlKind::kPushButton:
      window_class = "BUTTON";
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      break;
  }

  const RECT box = ToPixels(layout.rect);
  const std::string text(layout.text);
  control.window =
      ::CreateWindowExA(0 /* no extended style */, window_class, text.c_str(), style, box.left,
                        box.top, box.right - box.left, box.bottom - box.top, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance_,
                        nullptr /* no creation data */);
  if (control.window == nullptr) return false;

  control.picture = DesignPictureOf(layout.picture);
  if (HasText(layout.kind)) {
    control.font = CreateFontFor(layout.font, dpi_y_);
    if (control.font) {
      ::SendMessageA(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(control.font.get()),
                     FALSE /* no redraw: not shown yet */);
    }
  }
  if ((layout.flags & kSizedToText) != 0) FitToText(control);
  FitToPicture(control);
  return true;
}

void Window::LayOut(Control& control) {
  const ControlLayout& layout = *control.layout;
  const RECT box = ToPixels(layout.rect);
  ::SetWindowPos(control.window, nullptr /* keep the z-order */, box.left, box.top,
                 box.right - box.left, box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (HasText(layout.kind)) {
    // The control lets go of its old font before that is deleted.
    UniqueHFont font = CreateFontFor(layout.font, dpi_y_);
    ::SendMessageA(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()),
                   FALSE /* the window is redrawn as a whole */);
    control.font = std::move(font);
  }
  if ((layout.flags & kSizedToText) != 0) FitToText(control);
  FitToPicture(control);
}

// Resizes a one-line label to the extent of its text in its font, keeping its top left corner.
void Window::FitToText(const Control& control) const {
  const WindowDc dc(control.window);
  if (dc.get() == nullptr) return;
  const SelectedObject selected(dc.get(), control.font.get());
  const std::string text = WindowText(control.window);
  RECT extent{0, 0, 0, 0};
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
  ::SetWindowPos(control.window, nullptr /* keep the z-order */, 0, 0, extent.right - extent.left,
                 extent.bottom - extent.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::FitToPicture(const Control& control) const {
  if (control.layout->fit != PictureFit::kOwnSize || control.picture == nullptr ||
      control.picture->Empty()) {
    return;
  }
  const SIZE size = control.picture->Size();
  ::SetWindowPos(control.window, nullptr /* keep the z-order */, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::DrawFlatButton(const DRAWITEMSTRUCT& item, const Control& control) const {
  const HDC dc = item.hDC;
  const SavedDcState saved(dc);
  RECT face = item.rcItem;
  ::FillRect(dc, &face, ControlBrush(control));
  ::FrameRect(dc, &face,
              high_contrast_ ? SystemBrush(ColourRole::kButtonFrame)
                             : ::GetSysColorBrush(COLOR_WINDOWFRAME));

  RECT caption = face;
  // Pressed: the caption moves down and right by a pixel.
  if ((item.itemState & ODS_SELECTED) != 0) ::OffsetRect(&caption, 1, 1);
  const SelectedObject font(dc, control.font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColourOf(ColourRole::kButtonText, ::GetSysColor(COLOR_BTNTEXT)));
  const std::string text = WindowText(item.hwndItem);
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &caption,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = face;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(dc, &focus);
  }
}

void Window::DrawImage(const DRAWITEMSTRUCT& item, const Control& control) const {
  ::FillRect(item.hDC, &item.rcItem, SurfaceBrush(control.layout->surface));
  if (control.picture != nullptr) {
    control.picture->Draw(item.hDC, item.rcItem, control.layout->fit == PictureFit::kStretch);
  }
}

// ---------------------------------------------------------------------------------------------
// Look-ups, brushes and geometry

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

HBRUSH Window::WindowBrush() const noexcept {
  if (high_contrast_) return SystemBrush(ColourRole::kWindow);
  return back_brush_ ? back_brush_.get() : ::GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH Window::SurfaceBrush(Surface surface) const noexcept {
  if (surface != Surface::kHeader) return WindowBrush();
  return high_contrast_ ? SystemBrush(ColourRole::kHeader) : ::GetSysColorBrush(COLOR_WINDOW);
}

HBRUSH Window::ControlBrush(const Control& control) const noexcept {
  if (high_contrast_) {
    return IsButton(control.layout->kind) ? SystemBrush(ColourRole::kButtonFace) : WindowBrush();
  }
  if (control.back_brush) return control.back_brush.get();
  // Buttons are white until they are given a colour.
  if (IsButton(control.layout->kind)) return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  return ::GetSysColorBrush(COLOR_BTNFACE);
}

COLORREF Window::ColourOf(ColourRole role, COLORREF design) const noexcept {
  return high_contrast_ ? ::GetSysColor(SystemColourIndex(HighContrastColour(role))) : design;
}

RECT Window::ToPixels(const TwipsRect& rect) const noexcept {
  const POINT origin = ToPixels(rect.left, rect.top);
  return RECT{origin.x, origin.y, origin.x + TwipsToPixels(rect.width, dpi_x_),
              origin.y + TwipsToPixels(rect.height, dpi_y_)};
}

POINT Window::ToPixels(int x_twips, int y_twips) const noexcept {
  return POINT{TwipsToPixels(x_twips, dpi_x_), TwipsToPixels(y_twips, dpi_y_)};
}

POINT Window::CentredOnScreen(int width, int height) noexcept {
  return POINT{(::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (::GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

}  // namespace kelvoro::win32
