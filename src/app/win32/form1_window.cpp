#include "app/win32/form1_window.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "app/startup.h"
#include "app/twips.h"
#include "app/win32/text_controls.h"
#include "app/win32/top_level_windows.h"
#include "app/win32/window_procedure.h"
#include "appearance/commands.h"
#include "platform/failure.h"
#include "platform/win32/gdi_scope.h"
#include "resource.h"

namespace kelvoro::win32 {
namespace {

// A fixed tool window: small title bar with the close box alone, no taskbar button, no sizing.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_TOOLWINDOW;

COLORREF ToColorref(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

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

[[noreturn]] void Unsupported() { throw Failure("Object doesn't support this property or method"); }

// Every control that the program's logic addresses, bar the window itself and the hidden value
// labels, has its entry in the layout, found by its name.
constexpr bool IsLaidOut(Control control) {
  for (const ControlLayout& layout : kForm1Controls) {
    if (layout.name == NameOf(control)) return true;
  }
  return false;
}

constexpr bool EveryControlIsLaidOut() {
  for (auto i = static_cast<int>(Control::Form1) + 1; i <= static_cast<int>(Control::Image4); ++i) {
    if (!IsLaidOut(static_cast<Control>(i))) return false;
  }
  return true;
}
static_assert(EveryControlIsLaidOut(), "a Control without its entry in kForm1Controls");

}  // namespace

Form1::Form1(HINSTANCE instance, BrowserPort& browser)
    : instance_(instance),
      browser_(browser),
      img1_(instance),
      stock_picture_(Picture::FromBitmapResource(instance, IDB_STOCK)),
      arrow_picture_(Picture::FromBitmapResource(instance, IDB_ARROW)),
      about_(instance, browser) {
  for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i].layout = &kForm1Controls[i];
}

Form1::~Form1() {
  // The controls use the fonts, brushes and pictures below: the window goes first.
  if (window_ != nullptr) ::DestroyWindow(window_);
}

void Form1::Form_Initialize() {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  if (!::InitCommonControlsEx(&init)) ::InitCommonControls();
}

bool Form1::Create() {
  Form_Initialize();

  {
    const WindowDc screen(nullptr);
    if (screen.get() != nullptr) {
      dpi_x_ = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
      dpi_y_ = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
  }

  big_icon_.reset(static_cast<HICON>(::LoadImageA(instance_, MAKEINTRESOURCEA(IDI_KELVORO),
                                                  IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                                                  ::GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR)));
  small_icon_.reset(static_cast<HICON>(::LoadImageA(
      instance_, MAKEINTRESOURCEA(IDI_KELVORO), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
      ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
  // The cursor at the size it is drawn in (32 x 32, hot spot 12,1), not the system's size.
  hand_cursor_.reset(static_cast<HCURSOR>(::LoadImageA(
      instance_, MAKEINTRESOURCEA(IDC_HAND_POINTER), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
  outline_pen_.reset(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOWTEXT)));

  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = &WindowProcedure<Form1>;
  window_class.hInstance = instance_;
  window_class.hIcon = big_icon_.get();
  window_class.hIconSm = small_icon_.get();
  window_class.hCursor = ::LoadCursorA(nullptr /* system cursor */, IDC_ARROW);
  window_class.hbrBackground = nullptr;  // WM_ERASEBKGND paints the window's colour
  window_class.lpszClassName = kClassName;
  if (!::RegisterClassExA(&window_class) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }

  RECT frame{0, 0, TwipsToPixels(kForm1ClientWidth, dpi_x_),
             TwipsToPixels(kForm1ClientHeight, dpi_y_)};
  ::AdjustWindowRectEx(&frame, kWindowStyle, FALSE /* no menu */, kWindowExStyle);
  const HWND created = ::CreateWindowExA(
      kWindowExStyle, kClassName, "" /* no title text */, kWindowStyle, CW_USEDEFAULT,
      CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr /* no owner */,
      nullptr /* no menu */, instance_, this);
  // A window that failed half-way is gone already, whatever it had been told.
  if (created == nullptr) window_ = nullptr;
  return created != nullptr;
}

void Form1::Load(const Ports& ports, WindowsFacts& facts) {
  ports_ = &ports;
  facts_ = &facts;
  Form_Load(ports, facts);
}

void Form1::ShowCentred(int show_command) {
  RECT frame{};
  ::GetWindowRect(window_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  ::SetWindowPos(window_, nullptr /* keep the z-order */, left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::ShowWindow(window_, show_command);
  ::UpdateWindow(window_);
}

// ---------------------------------------------------------------------------------------------
// Messages

LRESULT Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
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
      OnActivate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(wparam)) ? 1 : 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnControlColourStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_CTLCOLORBTN:
      return OnControlColourButton(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
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
    default:
      break;
  }
  return ::DefWindowProcA(window_, message, wparam, lparam);
}

bool Form1::OnCreate() {
  if (big_icon_)
    ::SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
  if (small_icon_) {
    ::SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  }
  if (!CreateControls()) return false;
  TopLevelWindowCreated();
  counted_ = true;
  return true;
}

void Form1::OnDestroy() {
  if (counted_) {
    counted_ = false;
    TopLevelWindowDestroyed();
  }
}

void Form1::OnNcDestroy() {
  ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
  focus_ = nullptr;
  for (Control& control : controls_) control.window = nullptr;
}

void Form1::OnActivate(bool active) {
  if (!active) {
    const HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(window_, focus)) focus_ = focus;
    return;
  }
  // Back to the control that had the focus, or else to the first one in the tab order that can
  // take it (hidden buttons cannot).
  HWND target = focus_;
  if (target == nullptr || !::IsWindowVisible(target) || !::IsWindowEnabled(target)) {
    target = ::GetNextDlgTabItem(window_, nullptr /* from the start */, FALSE /* forwards */);
  }
  if (target != nullptr) ::SetFocus(target);
}

bool Form1::OnEraseBackground(HDC dc) const {
  RECT client{};
  ::GetClientRect(window_, &client);
  ::FillRect(dc, &client, WindowBrush());
  const RECT header = ToPixels(kHeaderBand);
  ::FillRect(dc, &header, SurfaceBrush(Surface::kHeader));
  return true;
}

void Form1::OnPaint() const {
  const PaintDc paint(window_);
  const HDC dc = paint.get();
  // Shape1: a hollow rectangle whose one-pixel outline lies inside its box.
  const RECT frame = ToPixels(kPreviewFrame);
  const SelectedObject pen(dc, outline_pen_.get());
  const SelectedObject hollow(dc, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
}

LRESULT Form1::OnControlColourStatic(HDC dc, HWND window) {
  const Control* control = FindByWindow(window);
  if (control == nullptr)
    return ::DefWindowProcA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(window));
  const ControlLayout& layout = *control->layout;
  if (layout.kind == ControlKind::kLabel) {
    // Transparent labels: the text alone, over a brush of whatever lies beneath.
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, TextColourOf(layout.colour));
    return reinterpret_cast<LRESULT>(SurfaceBrush(layout.surface));
  }
  const HBRUSH brush = ControlBrush(*control);
  LOGBRUSH colour{};
  ::GetObjectA(brush, sizeof colour, &colour);
  ::SetBkColor(dc, colour.lbColor);
  ::SetTextColor(dc, TextColourOf(layout.colour));
  return reinterpret_cast<LRESULT>(brush);
}

LRESULT Form1::OnControlColourButton(HDC dc, HWND window) {
  const Control* control = FindByWindow(window);
  if (control == nullptr) {
    return ::DefWindowProcA(window_, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(window));
  }
  const HBRUSH brush = ControlBrush(*control);
  LOGBRUSH colour{};
  ::GetObjectA(brush, sizeof colour, &colour);
  ::SetBkColor(dc, colour.lbColor);
  return reinterpret_cast<LRESULT>(brush);
}

void Form1::OnDrawItem(const DRAWITEMSTRUCT& item) const {
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

void Form1::OnCommand(int id, int code) {
  // An owner-drawn button reports the second click of a double click as BN_DOUBLECLICKED;
  // it is a click like any other, as it is for the system's push buttons.
  const bool clicked = code == BN_CLICKED;
  const bool flat_clicked = clicked || code == BN_DOUBLECLICKED;
  switch (id) {
    case IDC_COMMAND1:
      if (flat_clicked) Command1_Click();
      break;
    case IDC_COMMAND2:
      if (flat_clicked) Command2_Click();
      break;
    case IDC_COMMAND3:
      if (flat_clicked) Command3_Click();
      break;
    case IDC_COMMAND5:
      if (clicked) Command5_Click();
      break;
    case IDC_COMMAND6:
      if (clicked) Command6_Click();
      break;
    case IDC_COMMAND7:
      if (clicked) Command7_Click();
      break;
    case IDC_LABEL13:
      if (code == STN_CLICKED) Label13_Click();
      break;
    default:
      // Check1 has no handler: its tick changes nothing until Apply reads it.
      break;
  }
}

bool Form1::OnSetCursor(HWND over, int hit_test) const {
  const Control* control = FindByWindow(over);
  if (control == nullptr || (control->layout->flags & kHandCursor) == 0 || hit_test != HTCLIENT ||
      !hand_cursor_) {
    return false;
  }
  ::SetCursor(hand_cursor_.get());
  return true;
}

// ---------------------------------------------------------------------------------------------
// Click handlers

void Form1::Command1_Click() {
  if (ports_ != nullptr) ApplyCommand(*ports_, *facts_);
}

void Form1::Command2_Click() {
  if (ports_ != nullptr) RestoreCommand(*ports_);
}

void Form1::Command3_Click() { ShowAbout(); }

void Form1::Command5_Click() { ShowAbout(); }

void Form1::Command6_Click() {
  if (ports_ != nullptr) RestoreCommand(*ports_);
}

void Form1::Command7_Click() {
  if (ports_ != nullptr) ApplyCommand(*ports_, *facts_);
}

void Form1::Label13_Click() { OnLinkClicked(kMakerWebAddress); }

void Form1::ShowAbout() { about_.Show(); }

void Form1::OnLinkClicked(std::string_view address) { OpenWebPage(browser_, std::string(address)); }

// ---------------------------------------------------------------------------------------------
// Controls

bool Form1::CreateControls() {
  for (Control& control : controls_) {
    if (!CreateControl(control)) return false;
  }
  return true;
}

bool Form1::CreateControl(Control& control) {
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

  if (HasText(layout.kind)) {
    control.font = CreateFontFor(layout.font, dpi_y_);
    if (control.font) {
      ::SendMessageA(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(control.font.get()),
                     FALSE /* no redraw: not shown yet */);
    }
  }
  switch (layout.picture) {
    case DesignPicture::kStock:
      control.picture = &stock_picture_;
      break;
    case DesignPicture::kArrow:
      control.picture = &arrow_picture_;
      break;
    case DesignPicture::kNone:
      break;
  }
  if ((layout.flags & kSizedToText) != 0) FitToText(control);
  FitToPicture(control);
  return true;
}

void Form1::FitToText(const Control& control) const {
  win32::FitToText(control.window, control.font.get());
}

void Form1::FitToPicture(const Control& control) const {
  if (control.layout->fit != PictureFit::kOwnSize || control.picture == nullptr ||
      control.picture->Empty()) {
    return;
  }
  const SIZE size = control.picture->Size();
  ::SetWindowPos(control.window, nullptr /* keep the z-order */, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::DrawFlatButton(const DRAWITEMSTRUCT& item, const Control& control) const {
  const HDC dc = item.hDC;
  const SavedDcState saved(dc);
  RECT face = item.rcItem;
  ::FillRect(dc, &face, ControlBrush(control));
  ::FrameRect(dc, &face, ::GetSysColorBrush(COLOR_WINDOWFRAME));

  RECT caption = face;
  // Pressed: the caption moves down and right by a pixel.
  if ((item.itemState & ODS_SELECTED) != 0) ::OffsetRect(&caption, 1, 1);
  const SelectedObject font(dc, control.font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  const std::string text = WindowText(item.hwndItem);
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &caption,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = face;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(dc, &focus);
  }
}

void Form1::DrawImage(const DRAWITEMSTRUCT& item, const Control& control) const {
  ::FillRect(item.hDC, &item.rcItem, SurfaceBrush(control.layout->surface));
  if (control.picture != nullptr) {
    control.picture->Draw(item.hDC, item.rcItem, control.layout->fit == PictureFit::kStretch);
  }
}

// ---------------------------------------------------------------------------------------------
// Form1Port

std::string Form1::Caption(kelvoro::Control name) const {
  if (ValueStore::Holds(name)) return values_.Get(name);
  const Control& control = Require(NameOf(name));
  if (!HasText(control.layout->kind)) Unsupported();
  return WindowText(control.window);
}

void Form1::SetCaption(kelvoro::Control name, const std::string& text) {
  if (ValueStore::Holds(name)) {
    values_.Set(name, text);
    return;
  }
  const Control& control = Require(NameOf(name));
  if (!HasText(control.layout->kind)) Unsupported();
  ::SetWindowTextA(control.window, text.c_str());
  if ((control.layout->flags & kSizedToText) != 0) FitToText(control);
  ::InvalidateRect(control.window, nullptr, TRUE /* erase */);
}

int Form1::Check1Value() const {
  switch (::SendMessageA(Require("Check1").window, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
      return 1;
    case BST_INDETERMINATE:
      return 2;
    default:
      return 0;
  }
}

void Form1::SetCheck1Value(int value) {
  static constexpr WPARAM kStates[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
  if (value < 0 || value > 2) throw Failure("Invalid property value");
  ::SendMessageA(Require("Check1").window, BM_SETCHECK, kStates[value], 0);
}

void Form1::SetBackColour(kelvoro::Control name, Rgb colour) {
  UniqueHBrush brush(::CreateSolidBrush(ToColorref(colour)));
  if (!brush) throw Failure("Out of memory");
  if (name == kelvoro::Control::Form1) {
    back_brush_ = std::move(brush);
    // The transparent labels and the pictures show the window's colour around them.
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  Control& control = Require(NameOf(name));
  if (control.layout->kind == ControlKind::kImage) Unsupported();
  control.back_brush = std::move(brush);
  ::InvalidateRect(control.window, nullptr, TRUE /* erase */);
}

void Form1::Hide(kelvoro::Control name) {
  // The hidden data area is invisible already.
  if (ValueStore::Holds(name)) return;
  if (name == kelvoro::Control::Form1) {
    ::ShowWindow(window_, SW_HIDE);
    return;
  }
  ::ShowWindow(Require(NameOf(name)).window, SW_HIDE);
}

void Form1::SetPictureFromImageList(kelvoro::Control image, int entry) {
  Control& control = Require(NameOf(image));
  if (control.layout->kind != ControlKind::kImage) throw Failure("Type mismatch");
  const Picture* picture = img1_.At(entry);
  if (picture == nullptr) throw Failure("Index out of bounds");
  control.picture = picture;
  FitToPicture(control);
  ::InvalidateRect(control.window, nullptr, TRUE /* erase */);
}

// ---------------------------------------------------------------------------------------------
// Look-ups and geometry

Form1::Control* Form1::Find(std::string_view name) noexcept {
  for (Control& control : controls_) {
    if (control.layout->name == name) return &control;
  }
  return nullptr;
}

const Form1::Control* Form1::Find(std::string_view name) const noexcept {
  for (const Control& control : controls_) {
    if (control.layout->name == name) return &control;
  }
  return nullptr;
}

const Form1::Control* Form1::FindByWindow(HWND window) const noexcept {
  if (window == nullptr) return nullptr;
  for (const Control& control : controls_) {
    if (control.window == window) return &control;
  }
  return nullptr;
}

Form1::Control& Form1::Require(std::string_view name) {
  Control* control = Find(name);
  if (control == nullptr || control->window == nullptr) {
    throw Failure("Control not found: " + std::string(name));
  }
  return *control;
}

const Form1::Control& Form1::Require(std::string_view name) const {
  const Control* control = Find(name);
  if (control == nullptr || control->window == nullptr) {
    throw Failure("Control not found: " + std::string(name));
  }
  return *control;
}

HBRUSH Form1::WindowBrush() const noexcept {
  return back_brush_ ? back_brush_.get() : ::GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH Form1::SurfaceBrush(Surface surface) const noexcept {
  return surface == Surface::kHeader ? ::GetSysColorBrush(COLOR_WINDOW) : WindowBrush();
}

HBRUSH Form1::ControlBrush(const Control& control) const noexcept {
  if (control.back_brush) return control.back_brush.get();
  // Both button sets are white until start-up colours set B.
  if (IsButton(control.layout->kind)) return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  return ::GetSysColorBrush(COLOR_BTNFACE);
}

RECT Form1::ToPixels(const TwipsRect& rect) const noexcept {
  const int left = TwipsToPixels(rect.left, dpi_x_);
  const int top = TwipsToPixels(rect.top, dpi_y_);
  return RECT{left, top, left + TwipsToPixels(rect.width, dpi_x_),
              top + TwipsToPixels(rect.height, dpi_y_)};
}

}  // namespace kelvoro::win32
