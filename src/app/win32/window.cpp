#include "app/win32/window.h"

#include <algorithm>
#include <cstddef>

#include "app/twips.h"
#include "platform/failure.h"
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

// Posted to a link by a screen reader's default action: opens it as a click does.
constexpr UINT kOpenLinkMessage = WM_APP + 1;
// WM_QUERYUISTATE's flag for focus rectangles hidden until the keyboard is used.
constexpr LRESULT kHideFocus = 0x1;  // UISF_HIDEFOCUS

// The character set and, for scripts the design fonts lack, the face of the system's interface
// font that shows them, with the code page of systems whose own interface font it is.
struct ScriptFont {
  BYTE charset;
  const wchar_t* face;  // null: the design face
  UINT code_page;
};

ScriptFont ScriptFontOf(Script script) {
  switch (script) {
    case Script::kWestern:
      break;
    case Script::kCyrillic:
      return {RUSSIAN_CHARSET, nullptr, 1251};
    case Script::kCentralEuropean:
      return {EASTEUROPE_CHARSET, nullptr, 1250};
    case Script::kTurkish:
      return {TURKISH_CHARSET, nullptr, 1254};
    case Script::kSimplifiedChinese:
      return {GB2312_CHARSET, L"SimSun", 936};
    case Script::kJapanese:
      return {SHIFTJIS_CHARSET, L"MS UI Gothic", 932};
    case Script::kKorean:
      return {HANGUL_CHARSET, L"Gulim", 949};
  }
  return {ANSI_CHARSET, nullptr, 1252};
}

// The face of the system's own interface font for `font`'s script: the message font where the
// system's code page is the script's (a Japanese Windows: Meiryo UI, Yu Gothic UI, ...), else the
// script's interface font that every Windows with East Asian support has.
std::u16string InterfaceFace(const ScriptFont& font) {
  if (::GetACP() == font.code_page) {
    NONCLIENTMETRICSW metrics{};
    // The size of the structure before Vista's added field, which every version accepts.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0) &&
        metrics.lfMessageFont.lfCharSet == font.charset && metrics.lfMessageFont.lfFaceName[0]) {
      return reinterpret_cast<const char16_t*>(metrics.lfMessageFont.lfFaceName);
    }
  }
  return reinterpret_cast<const char16_t*>(font.face);
}

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

// The font `font` describes, at `dpi` dots per inch, with the face `face` (empty: the design's)
// and the character set `charset`; null when the system refuses it.
UniqueHFont CreateFontFor(const LayoutFont& font, int dpi, const std::u16string& face,
                          BYTE charset) {
  LOGFONTW description{};
  // A negative height asks for the character height without internal leading, which is what a
  // point size means.
  description.lfHeight = -::MulDiv(font.hundredths_of_point, dpi, 72 * 100);
  description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  description.lfUnderline = font.underline ? TRUE : FALSE;
  description.lfCharSet = charset;
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::u16string design = ToUtf16(font.face);
  const std::u16string& chosen = face.empty() ? design : face;
  const std::size_t length = std::min<std::size_t>(chosen.size(), LF_FACESIZE - 1);
  chosen.copy(reinterpret_cast<char16_t*>(description.lfFaceName), length);
  return UniqueHFont(::CreateFontIndirectW(&description));
}

HICON LoadProgramIcon(HINSTANCE instance, int width_metric, int height_metric) {
  return static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDI_KELVORO), IMAGE_ICON,
                                         ::GetSystemMetrics(width_metric),
                                         ::GetSystemMetrics(height_metric), LR_DEFAULTCOLOR));
}

}  // namespace

COLORREF ToColorref(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

std::u16string WideWindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return std::u16string();
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  const int copied = ::GetWindowTextW(window, WidePointer(text), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

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
  high_contrast_ = HighContrastOn();
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

  const SIZE outer = OuterSize(frame, dpi_x_, dpi_y_);
  const POINT origin =
      centred ? CentredOnScreen(outer.cx, outer.cy) : POINT{CW_USEDEFAULT, CW_USEDEFAULT};
  const std::u16string title = TextOf(frame.title);
  const HWND created = ::CreateWindowExW(frame.ex_style, class_name, WidePointer(title),
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

const AccessibleControl* Window::AccessibleOf(const ControlLayout& /*layout*/) const {
  return nullptr;
}

ControlRoom Window::RoomOf(const ControlLayout& layout) const {
  RECT client{};
  ::GetClientRect(window_, &client);
  const int margin = 120;
  return ControlRoom{std::min(layout.rect.left, margin),
                     ::MulDiv(client.right, 1440, dpi_x_) - margin};
}

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
  high_contrast_ = HighContrastOn();
  // The system's own controls repaint in the new colours too.
  for (const Control& control : controls_) {
    if (control.window != nullptr) ::SendMessageW(control.window, WM_SYSCOLORCHANGE, 0, 0);
  }
  ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------------------------------------
// Controls

bool Window::CreateControl(Control& control) {
  const ControlLayout& layout = *control.layout;
  const wchar_t* window_class = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  switch (layout.kind) {
    case ControlKind::kLabel:
      // Sized-to-text labels do not wrap: their box is one line of their text.
      style |= ((layout.flags & kSizedToText) != 0 ? SS_LEFTNOWORDWRAP : SS_LEFT) | SS_NOPREFIX;
      // Only a clickable label reacts to the mouse; the others let clicks through to the window.
      if ((layout.flags & kClickable) != 0) style |= SS_NOTIFY;
      if ((layout.flags & kOpensPage) != 0) style |= WS_TABSTOP;
      break;
    case ControlKind::kImage:
      style |= SS_OWNERDRAW;
      break;
    case ControlKind::kCheckBox:
      window_class = L"BUTTON";
      style |= WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case ControlKind::kFlatButton:
      window_class = L"BUTTON";
      style |= WS_TABSTOP | BS_OWNERDRAW;
      break;
    case ControlKind::kPushButton:
      window_class = L"BUTTON";
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      break;
  }

  const RECT box = ToPixels(layout.rect);
  const std::u16string text = TextOf(layout.text);
  control.window =
      ::CreateWindowExW(0 /* no extended style */, window_class, WidePointer(text), style, box.left,
                        box.top, box.right - box.left, box.bottom - box.top, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance_,
                        nullptr /* no creation data */);
  if (control.window == nullptr) return false;
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
  const RECT box = ToPixels(layout.rect);
  ::SetWindowPos(control.window, nullptr /* keep the z-order */, box.left, box.top,
                 box.right - box.left, box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
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

SIZE Window::TextExtent(HWND window, HFONT font, const std::u16string& text, int wrap_width) {
  const WindowDc dc(window);
  if (dc.get() == nullptr) return SIZE{0, 0};
  const SelectedObject selected(dc.get(), font);
  RECT extent{0, 0, wrap_width, 0};
  ::DrawTextW(
      dc.get(), WidePointer(text), static_cast<int>(text.size()), &extent,
      DT_CALCRECT | DT_NOPREFIX | DT_LEFT | (wrap_width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  return SIZE{extent.right - extent.left, extent.bottom - extent.top};
}

// A label keeps its top left corner and takes the extent of its text in its font. In another
// language than English a text may not fit where the design puts it: it is then centred in its
// room, and wraps there when it is wider still; a label that is not sized to its text keeps its
// width and grows to the height of its wrapped text.
void Window::PlaceLabel(const Control& control) const {
  const ControlLayout& layout = *control.layout;
  const std::u16string text = WideWindowText(control.window);
  const bool may_move = layout.text.translated && Texts().Translates(layout.text.id);
  RECT box{};
  ::GetWindowRect(control.window, &box);
  ::MapWindowPoints(nullptr /* the screen */, window_, reinterpret_cast<POINT*>(&box), 2);
  const UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
  if ((layout.flags & kSizedToText) == 0) {
    if (!may_move) return;
    const SIZE wrapped = TextExtent(control.window, control.font.get(), text, box.right - box.left);
    if (wrapped.cy > box.bottom - box.top) {
      ::SetWindowPos(control.window, nullptr, 0, 0, box.right - box.left, wrapped.cy,
                     keep | SWP_NOMOVE);
    }
    return;
  }
  const SIZE line = TextExtent(control.window, control.font.get(), text, 0);
  const ControlRoom room = RoomOf(layout);
  const int room_left = ToPixelsX(room.left);
  const int room_right = ToPixelsX(room.right);
  if (!may_move || box.left + line.cx <= room_right) {
    ::SetWindowPos(control.window, nullptr, 0, 0, line.cx, line.cy, keep | SWP_NOMOVE);
    return;
  }
  const LONG_PTR style = ::GetWindowLongPtrW(control.window, GWL_STYLE);
  if (line.cx <= room_right - room_left) {
    ::SetWindowPos(control.window, nullptr, room_left + (room_right - room_left - line.cx) / 2,
                   box.top, line.cx, line.cy, keep);
    return;
  }
  // Wider than its room: the static control wraps it at the room's width.
  ::SetWindowLongPtrW(control.window, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_LEFT);
  const SIZE wrapped = TextExtent(control.window, control.font.get(), text, room_right - room_left);
  ::SetWindowPos(control.window, nullptr, room_left, box.top, room_right - room_left, wrapped.cy,
                 keep);
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
  const std::u16string text = WideWindowText(item.hwndItem);
  ::DrawTextW(dc, WidePointer(text), static_cast<int>(text.size()), &caption,
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

int Window::ToPixelsX(int twips) const noexcept { return TwipsToPixels(twips, dpi_x_); }

POINT Window::ToPixels(int x_twips, int y_twips) const noexcept {
  return POINT{TwipsToPixels(x_twips, dpi_x_), TwipsToPixels(y_twips, dpi_y_)};
}

POINT Window::CentredOnScreen(int width, int height) noexcept {
  return POINT{(::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (::GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

}  // namespace kelvoro::win32

namespace kelvoro::win32 {

// ---------------------------------------------------------------------------------------------
// Texts and fonts

std::u16string Window::TextOf(const Caption& caption) { return ToUtf16(caption.In(Texts())); }

UniqueHFont Window::FontOf(const ControlLayout& layout) const {
  if (!layout.text.translated) return CreateFontFor(layout.font, dpi_y_, u"", ANSI_CHARSET);
  const ScriptFont script = ScriptFontOf(InfoOf(CurrentLanguage()).script);
  const std::u16string face = script.face != nullptr ? InterfaceFace(script) : u"";
  return CreateFontFor(layout.font, dpi_y_, face, script.charset);
}

// ---------------------------------------------------------------------------------------------
// Links and screen readers

LRESULT CALLBACK Window::ControlProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // The last place that catches for the control: no exception unwinds into user32.
  try {
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    const Control* control = self != nullptr ? self->FindByWindow(window) : nullptr;
    if (control != nullptr && control->system_procedure != nullptr) {
      return self->OnControlMessage(*control, message, wparam, lparam);
    }
  } catch (...) {
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

AccessibleDescription Window::DescriptionOf(const Control& control) const {
  using Role = AccessibleDescription::Role;
  const AccessibleControl* accessible = AccessibleOf(*control.layout);
  if (accessible == nullptr || accessible->role == AccessibleRole::kButton) {
    // Named by its own text, without the blanks that set it off.
    std::u16string text = WideWindowText(control.window);
    const std::size_t first = text.find_first_not_of(u' ');
    text.erase(0, first == std::u16string::npos ? text.size() : first);
    text.erase(text.find_last_not_of(u' ') + 1);
    return {accessible == nullptr ? Role::kLink : Role::kButton, text};
  }
  switch (accessible->role) {
    case AccessibleRole::kCheckBox:
      return {Role::kCheckBox, ToUtf16(Text(accessible->text))};
    case AccessibleRole::kGraphic:
      return {Role::kGraphic, ToUtf16(Text(accessible->text))};
    case AccessibleRole::kButton:
    case AccessibleRole::kDecoration:
      break;
  }
  return {Role::kDecoration, std::u16string()};
}

LRESULT Window::CallSystem(const Control& control, UINT message, WPARAM wparam,
                           LPARAM lparam) const {
  return ::CallWindowProcW(control.system_procedure, control.window, message, wparam, lparam);
}

LRESULT Window::OnControlMessage(const Control& control, UINT message, WPARAM wparam,
                                 LPARAM lparam) {
  const ControlLayout& layout = *control.layout;
  const bool link = (layout.flags & kOpensPage) != 0;
  switch (message) {
    case WM_GETOBJECT:
      if (static_cast<LONG>(lparam) == OBJID_CLIENT) {
        const AccessibleDescription description = DescriptionOf(control);
        if (const LRESULT answer =
                AnswerGetObject(shell_, control.window, wparam, description, kOpenLinkMessage)) {
          return answer;
        }
      }
      break;
    case WM_GETDLGCODE:
      // Enter and Space come to the link itself, rather than to the window's dialog keys.
      if (link && lparam != 0) {
        const auto* key = reinterpret_cast<const MSG*>(lparam);
        if (key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_SPACE)) {
          return DLGC_WANTMESSAGE;
        }
      }
      break;
    case WM_KEYDOWN:
      // Once a press: a key held down repeats without opening the page again.
      if (link && (wparam == VK_RETURN || wparam == VK_SPACE) && (lparam & (1 << 30)) == 0) {
        OnCommand(layout.id, STN_CLICKED);
        return 0;
      }
      break;
    case kOpenLinkMessage:
      if (link) OnCommand(layout.id, STN_CLICKED);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (link) ::InvalidateRect(control.window, nullptr, TRUE /* erase */);
      break;
    case WM_PAINT:
      if (link) {
        OnLinkPaint(control, message, wparam, lparam);
        return 0;
      }
      break;
    default:
      break;
  }
  return CallSystem(control, message, wparam, lparam);
}

// The label as the system paints it, and the focus rectangle around its text while it has the
// focus and the keyboard is in use.
void Window::OnLinkPaint(const Control& control, UINT message, WPARAM wparam, LPARAM lparam) {
  CallSystem(control, message, wparam, lparam);
  if (::GetFocus() != control.window ||
      (::SendMessageW(control.window, WM_QUERYUISTATE, 0, 0) & kHideFocus) != 0) {
    return;
  }
  const WindowDc dc(control.window);
  if (dc.get() == nullptr) return;
  RECT focus{};
  ::GetClientRect(control.window, &focus);
  ::DrawFocusRect(dc.get(), &focus);
}

}  // namespace kelvoro::win32
