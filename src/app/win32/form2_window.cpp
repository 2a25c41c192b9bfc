#include "app/win32/form2_window.h"

#include "app/layout_rules.h"
#include "app/web_link.h"
#include "app/win32/form2_layout.h"
#include "platform/win32/gdi_scope.h"
#include "resource.h"

namespace kelvoro::win32 {
namespace {

// Fixed single border: a normal title bar with the close box; no sizing, no minimise or
// maximise box.
constexpr WindowFrame kFrame{TextId::kAboutTitle,
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                             0 /* no extended style */, kForm2ClientWidth, kForm2ClientHeight};
constexpr char kOwnerClassName[] = "KelvoroForm2Owner";

// Where the notice line ends at its design width (Label5), in twips.
constexpr int kNoticeRight = 240 + 2355;

}  // namespace

Form2::Form2(HINSTANCE instance, ShellServices& shell, BrowserPort& browser)
    : Window(instance, shell, kForm2Controls), browser_(browser) {}

Form2::~Form2() { Destroy(); }

void Form2::Show() {
  if (window_ == nullptr && !Load()) return;
  // Shown already: to the front and active.
  ::ShowWindow(window_, SW_SHOW);
  ::SetForegroundWindow(window_);
  ::SetActiveWindow(window_);
}

bool Form2::Load() {
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
  // Centred on the screen each time it is loaded.
  if (!Window::Create(*this, kFrame, hidden_owner_.get(), true /* centred */)) {
    // Nothing of the window, its owner included, stays behind, and the next click tries afresh.
    hidden_owner_.reset();
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Messages

bool Form2::OnCreate() {
  if (!Window::OnCreate()) return false;
  Form_Load();
  return true;
}

void Form2::Form_Load() {
  SetWindowBrush(UniqueHBrush(::CreateSolidBrush(ToColorref(kWindowColour))));
}

void Form2::OnPaint() const {
  const PaintDc paint(window_);
  const UniqueHPen rule(::CreatePen(PS_SOLID, 1, ColourOf(ColourRole::kRule, RGB(255, 255, 255))));
  const SelectedObject pen(paint.get(), rule.get());
  // The notice line sits in the rule's gap; a longer one, in another language, widens the gap.
  RECT notice{};
  ::GetWindowRect(Require("Label5").window, &notice);
  ::MapWindowPoints(nullptr /* the screen */, window_, reinterpret_cast<POINT*>(&notice), 2);
  for (const TwipsLine& twips : kAboutRule) {
    const PixelLine line = RuleLine(twips, kNoticeRight, notice.right, DpiX(), DpiY());
    ::MoveToEx(paint.get(), line.from.x, line.from.y, nullptr /* previous position not needed */);
    ::LineTo(paint.get(), line.to.x, line.to.y);
  }
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

void Form2::Label8_Click() {
  // The caption the label is laid out with, never the text the control holds now: any program
  // may send a window a new text. The caption sets the address off with a blank; the address
  // itself has none.
  OpenWebPage(browser_, LinkAddress(kLabel8Text));
}

void Form2::Label9_Click() { OpenWebPage(browser_, kMakerSecondWebAddress); }

}  // namespace kelvoro::win32
