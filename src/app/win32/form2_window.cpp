#include "app/win32/form2_window.h"

#include <string>

#include "app/twips.h"
#include "app/win32/text_controls.h"
#include "app/win32/top_level_windows.h"
#include "app/win32/window_procedure.h"
#include "platform/win32/gdi_scope.h"
#include "resource.h"

namespace kelvoro::win32 {
namespace {

// Fixed single border: a normal title bar with the close box; no sizing, no minimise or
// maximise box.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;
constexpr char kOwnerClassName[] = "KelvoroForm2Owner";
constexpr COLORREF kWindowColourRef = RGB(166, 193, 232);

COLORREF TextColourOf(TextColour colour) {
  switch (colour) {
    case TextColour::kWhite:
      return RGB(255, 255, 255);
    case TextColour::kBlue:
      return RGB(0, 0, 255);
    case TextColour::kButtonText:
      return ::GetSysColor(COLOR_BTNTEXT);
    case TextColour::kBlack:
      break;
  }
  return RGB(0, 0, 0);
}

}  // namespace

Form2::Form2(HINSTANCE instance, BrowserPort& browser) : instance_(instance), browser_(browser) {
  for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i].layout = &kForm2Controls[i];
}

Form2::~Form2() {
  if (window_ != nullptr) ::DestroyWindow(window_);
}

void Form2::Show() {
  if (window_ == nullptr && !Load()) return;
  // Shown already: to the front and active.
  ::ShowWindow(window_, SW_SHOW);
  ::SetForegroundWindow(window_);
  ::SetActiveWindow(window_);
}

bool Form2::Load() {
  {
    const WindowDc screen(nullptr);
    if (screen.get() != nullptr) {
      dpi_x_ = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
      dpi_y_ = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
  }
  if (!big_icon_) {
    big_icon_.reset(static_cast<HICON>(::LoadImageA(instance_, MAKEINTRESOURCEA(IDI_KELVORO),
                                                    IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                                                    ::GetSystemMetrics(SM_CYICON), 0)));
    small_icon_.reset(static_cast<HICON>(::LoadImageA(instance_, MAKEINTRESOURCEA(IDI_KELVORO),
                                                      IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                      ::GetSystemMetrics(SM_CYSMICON), 0)));
    hand_cursor_.reset(static_cast<HCURSOR>(::LoadImageA(
        instance_, MAKEINTRESOURCEA(IDC_HAND_POINTER), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
    rule_pen_.reset(::CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
  }

  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = &WindowProcedure<Form2>;
  window_class.hInstance = instance_;
  window_class.hIcon = big_icon_.get();
  window_class.hIconSm = small_icon_.get();
  window_class.hCursor = ::LoadCursorA(nullptr /* system cursor */, IDC_ARROW);
  window_class.lpszClassName = kClassName;
  if (!::RegisterClassExA(&window_class) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }
  if (!hidden_owner_) {
    WNDCLASSEXA owner_class{};
    owner_class.cbSize = sizeof owner_class;
    owner_class.lpfnWndProc = &::DefWindowProcA;
    owner_class.hInstance = instance_;
    owner_class.lpszClassName = kOwnerClassName;
    if (!::RegisterClassExA(&owner_class) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
      return false;
    }
    hidden_owner_.reset(::CreateWindowExA(0, kOwnerClassName, "", WS_POPUP, 0, 0, 0, 0,
                                          nullptr /* no owner */, nullptr /* no menu */, instance_,
                                          nullptr /* no creation data */));
  }

  RECT frame{0, 0, TwipsToPixels(kForm2ClientWidth, dpi_x_),
             TwipsToPixels(kForm2ClientHeight, dpi_y_)};
  ::AdjustWindowRectEx(&frame, kWindowStyle, FALSE /* no menu */, kWindowExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // Centred on the screen each time it is loaded.
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  const HWND created =
      ::CreateWindowExA(kWindowExStyle, kClassName, "About", kWindowStyle, left, top, width, height,
                        hidden_owner_.get(), nullptr /* no menu */, instance_, this);
  if (created == nullptr) {
    // A window that failed half-way is gone already; nothing of it, its owner included, stays
    // behind, and the next click tries afresh.
    window_ = nullptr;
    hidden_owner_.reset();
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Messages

LRESULT Form2::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND window = window_;
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      return ::DefWindowProcA(window, message, wparam, lparam);
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(wparam)) ? 1 : 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnControlColourStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_COMMAND:
      if (lparam != 0) OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wparam), LOWORD(lparam))) return TRUE;
      break;
    default:
      break;
  }
  return ::DefWindowProcA(window, message, wparam, lparam);
}

bool Form2::OnCreate() {
  if (big_icon_)
    ::SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
  if (small_icon_) {
    ::SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  }
  for (Label& label : labels_) {
    const ControlLayout& layout = *label.layout;
    const POINT origin = ToPixels(layout.rect.left, layout.rect.top);
    const std::string text(layout.text);
    // Only the clickable labels react to the mouse; the others let clicks through to the window.
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX |
                        ((layout.flags & kClickable) != 0 ? SS_NOTIFY : 0);
    label.window = ::CreateWindowExA(0 /* no extended style */, "STATIC", text.c_str(), style,
                                     origin.x, origin.y, TwipsToPixels(layout.rect.width, dpi_x_),
                                     TwipsToPixels(layout.rect.height, dpi_y_), window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                                     instance_, nullptr /* no creation data */);
    if (label.window == nullptr) return false;
    label.font = CreateFontFor(layout.font, dpi_y_);
    if (label.font) {
      ::SendMessageA(label.window, WM_SETFONT, reinterpret_cast<WPARAM>(label.font.get()),
                     FALSE /* no redraw: not shown yet */);
    }
    FitToText(label.window, label.font.get());
  }
  Form_Load();
  TopLevelWindowCreated();
  counted_ = true;
  return true;
}

void Form2::Form_Load() { back_brush_.reset(::CreateSolidBrush(kWindowColourRef)); }

void Form2::OnDestroy() {
  if (counted_) {
    counted_ = false;
    TopLevelWindowDestroyed();
  }
}

// The last message of the window, also of one whose creation failed: the labels are gone and
// their fonts can go.
void Form2::OnNcDestroy() {
  ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
  for (Label& label : labels_) {
    label.window = nullptr;
    label.font.reset();
  }
}

bool Form2::OnEraseBackground(HDC dc) const {
  RECT client{};
  ::GetClientRect(window_, &client);
  ::FillRect(dc, &client, back_brush_ ? back_brush_.get() : ::GetSysColorBrush(COLOR_BTNFACE));
  return true;
}

void Form2::OnPaint() const {
  const PaintDc paint(window_);
  const SelectedObject pen(paint.get(), rule_pen_.get());
  for (const TwipsLine& line : kAboutRule) {
    const POINT from = ToPixels(line.x1, line.y1);
    const POINT to = ToPixels(line.x2, line.y2);
    ::MoveToEx(paint.get(), from.x, from.y, nullptr /* previous position not needed */);
    ::LineTo(paint.get(), to.x, to.y);
  }
}

LRESULT Form2::OnControlColourStatic(HDC dc, HWND control) const {
  const Label* label = FindByWindow(control);
  if (label == nullptr) {
    return ::DefWindowProcA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(control));
  }
  // Transparent labels: the text alone over the window's colour.
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, TextColourOf(label->layout->colour));
  return reinterpret_cast<LRESULT>(back_brush_ ? back_brush_.get()
                                               : ::GetSysColorBrush(COLOR_BTNFACE));
}

void Form2::OnCommand(int id, int code) {
  if (code != STN_CLICKED) return;
  switch (id) {
    case IDC_ABOUT_LABEL8:
      Label8_Click();
      break;
    case IDC_ABOUT_LABEL9:
      Label9_Click();
      break;
    default:
      break;
  }
}

bool Form2::OnSetCursor(HWND over, int hit_test) const {
  const Label* label = FindByWindow(over);
  if (label == nullptr || (label->layout->flags & kHandCursor) == 0 || hit_test != HTCLIENT ||
      !hand_cursor_) {
    return false;
  }
  ::SetCursor(hand_cursor_.get());
  return true;
}

void Form2::Label8_Click() {
  // The caption the label is laid out with, never the text the control holds now: any program
  // may send a window a new text. The caption sets the address off with a blank; the address
  // itself has none.
  OpenWebPage(browser_, LinkAddress(kLabel8Text));
}

void Form2::Label9_Click() { OpenWebPage(browser_, kMakerSecondWebAddress); }

const Form2::Label* Form2::FindByWindow(HWND window) const noexcept {
  if (window == nullptr) return nullptr;
  for (const Label& label : labels_) {
    if (label.window == window) return &label;
  }
  return nullptr;
}

POINT Form2::ToPixels(int x_twips, int y_twips) const noexcept {
  return POINT{TwipsToPixels(x_twips, dpi_x_), TwipsToPixels(y_twips, dpi_y_)};
}

}  // namespace kelvoro::win32
