#include "app/win32/form1_window.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "app/startup.h"
#include "app/twips.h"
#include "app/web_link.h"
#include "app/win32/form1_layout.h"
#include "appearance/commands.h"
#include "platform/failure.h"
#include "platform/win32/gdi_scope.h"
#include "resource.h"

namespace kelvoro::win32 {
namespace {

// A fixed tool window: small title bar with the close box alone, no taskbar button, no sizing.
constexpr WindowFrame kFrame{"" /* no title text */,
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                             WS_EX_TOOLWINDOW, kForm1ClientWidth, kForm1ClientHeight};

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

// The preview's Recycle Bin pictures are as wide as Image3 (and Image4).
constexpr TwipsRect kBinPictureBox = LayoutOf("Image3").rect;
static_assert(LayoutOf("Image4").rect.width == kBinPictureBox.width);

// Every accessible description names a control of the window.
constexpr bool EveryDescriptionNamesAControl() {
  for (const AccessibleControl& accessible : kForm1Accessible) {
    bool found = false;
    for (const ControlLayout& layout : kForm1Controls)
      found = found || layout.name == accessible.name;
    if (!found) return false;
  }
  return true;
}
static_assert(EveryDescriptionNamesAControl(), "an accessible description of no control");

}  // namespace

Form1::Form1(HINSTANCE instance, ShellServices& shell, BrowserPort& browser)
    : Window(instance, shell, kForm1Controls),
      browser_(browser),
      about_(instance, shell, browser) {}

// The controls use the fonts, brushes and pictures of this object: the window goes first.
Form1::~Form1() { Destroy(); }

void Form1::Form_Initialize() {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  if (!::InitCommonControlsEx(&init)) ::InitCommonControls();
}

bool Form1::Create() {
  Form_Initialize();
  return Window::Create(*this, kFrame, nullptr /* no owner */, false /* placed when shown */);
}

void Form1::Load(const Ports& ports, WindowsFacts& facts) {
  ports_ = &ports;
  facts_ = &facts;
  Form_Load(ports, facts);
}

void Form1::ShowCentred(int show_command) {
  RECT frame{};
  ::GetWindowRect(window_, &frame);
  const POINT origin = CentredOnScreen(frame.right - frame.left, frame.bottom - frame.top);
  ::SetWindowPos(window_, nullptr /* keep the z-order */, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::ShowWindow(window_, show_command);
  ::UpdateWindow(window_);
}

// ---------------------------------------------------------------------------------------------
// Messages

bool Form1::OnActivate(bool active) {
  if (!active) {
    const HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(window_, focus)) focus_ = focus;
    return true;
  }
  // Back to the control that had the focus, or else to the first one in the tab order that can
  // take it (hidden buttons cannot).
  HWND target = focus_;
  if (target == nullptr || !::IsWindowVisible(target) || !::IsWindowEnabled(target)) {
    target = ::GetNextDlgTabItem(window_, nullptr /* from the start */, FALSE /* forwards */);
  }
  if (target != nullptr) ::SetFocus(target);
  return true;
}

bool Form1::OnEraseBackground(HDC dc) const {
  Window::OnEraseBackground(dc);
  const RECT header = ToPixels(kHeaderBand);
  ::FillRect(dc, &header, SurfaceBrush(Surface::kHeader));
  return true;
}

void Form1::OnPaint() const {
  const PaintDc paint(window_);
  const HDC dc = paint.get();
  // Shape1: a hollow rectangle whose one-pixel outline lies inside its box.
  const RECT frame = ToPixels(kPreviewFrame);
  const UniqueHPen outline(
      ::CreatePen(PS_SOLID, 1, ColourOf(ColourRole::kOutline, ::GetSysColor(COLOR_WINDOWTEXT))));
  const SelectedObject pen(dc, outline.get());
  const SelectedObject hollow(dc, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
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
    case IDC_LABEL14:
      // The second click of a double click toggles the box again, as it does on the box.
      if (code == STN_CLICKED || code == STN_DBLCLK) Label14_Click();
      break;
    default:
      // Check1 has no handler: its tick changes nothing until Apply reads it.
      break;
  }
}

const Picture* Form1::DesignPictureOf(DesignPicture picture) const {
  switch (picture) {
    case DesignPicture::kStock:
      return &stock_picture_;
    case DesignPicture::kArrow:
      return &arrow_picture_;
    case DesignPicture::kNone:
      break;
  }
  return nullptr;
}

void Form1::LoadPictures(int dpi) {
  // At 96 dpi the list's 32 x 32 images, stretched to their boxes as designed; at any other DPI
  // images drawn at the boxes' exact size.
  img1_.Load(instance_, dpi,
             dpi == 96 ? PictureList::kIconSize : TwipsToPixels(kBinPictureBox.width, dpi));
  stock_picture_ = Picture::FromArt(instance_, IDB_STOCK, IDI_STOCK_SCALES, dpi);
  arrow_picture_ = Picture::FromArt(instance_, IDB_ARROW, IDI_ARROW_SCALES, dpi);
}

const AccessibleControl* Form1::AccessibleOf(const ControlLayout& layout) const {
  for (const AccessibleControl& accessible : kForm1Accessible) {
    if (accessible.name == layout.name) return &accessible;
  }
  return nullptr;
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

void Form1::Label14_Click() { ::SendMessageW(Require("Check1").window, BM_CLICK, 0, 0); }

void Form1::ShowAbout() { about_.Show(); }

void Form1::OnLinkClicked(std::string_view address) { OpenWebPage(browser_, std::string(address)); }

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
  if (control.layout->kind == ControlKind::kLabel) PlaceLabel(control);
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
  if (!brush) throw Failure(TextId::kOutOfMemory);
  if (name == kelvoro::Control::Form1) {
    SetWindowBrush(std::move(brush));
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

}  // namespace kelvoro::win32
