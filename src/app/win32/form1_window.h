#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "app/value_store.h"
#include "app/web_link.h"
#include "app/win32/form1_layout.h"
#include "app/win32/form2_window.h"
#include "app/win32/picture.h"
#include "platform/ports/form1_port.h"
#include "platform/ports/ports.h"
#include "platform/win32/unique_handle.h"
#include "platform/windows_version.h"

namespace kelvoro::win32 {

// The main window Form1: a fixed tool window with the header band, the preview, the sound check
// box, two sets of three buttons (start-up hides one) and the web link, laid out from
// kForm1Controls. It owns every GDI object its controls use, the image list img1 and the hidden
// data area (a ValueStore), and it is the Form1Port through which the program's logic reaches
// all of them by control; each Control is matched to its layout entry by name at compile time.
// An operation a control does not support raises a Failure.
//
// Messages arrive through a static window procedure that catches everything: no exception ever
// leaves a handler for user32.
class Form1 final : public Form1Port {
 public:
  // The class name by which other programs (and the test drivers) find the window.
  static constexpr char kClassName[] = "KelvoroForm1";

  Form1(HINSTANCE instance, BrowserPort& browser);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Form_Initialize, then the window with all its controls, hidden. False when the window or one
  // of its controls cannot be created.
  bool Create();
  // Hands the window the ports and facts its click handlers run the commands with, then runs
  // Form_Load.
  void Load(const Ports& ports, WindowsFacts& facts);
  // Centres the window on the screen and shows it.
  void ShowCentred(int show_command);
  HWND Handle() const noexcept { return window_; }

  // Form1Port
  std::string Caption(kelvoro::Control name) const override;
  void SetCaption(kelvoro::Control name, const std::string& text) override;
  int Check1Value() const override;
  void SetCheck1Value(int value) override;
  void SetBackColour(kelvoro::Control name, Rgb colour) override;
  void Hide(kelvoro::Control name) override;
  void SetPictureFromImageList(kelvoro::Control image, int entry) override;

 private:
  struct Control {
    const ControlLayout* layout = nullptr;
    HWND window = nullptr;
    UniqueHFont font;
    UniqueHBrush back_brush;           // null: the design colour
    const Picture* picture = nullptr;  // owned by the window (design pictures or img1)
  };

  static void Form_Initialize();
  template <typename T>
  friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  bool OnCreate();
  void OnDestroy();
  void OnNcDestroy();
  void OnActivate(bool active);
  bool OnEraseBackground(HDC dc) const;
  void OnPaint() const;
  LRESULT OnControlColourStatic(HDC dc, HWND control);
  LRESULT OnControlColourButton(HDC dc, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item) const;
  void OnCommand(int id, int code);
  bool OnSetCursor(HWND over, int hit_test) const;

  // Click handlers.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Label13_Click();
  // Opens the About window.
  void ShowAbout();
  // Opens `address` in a new browser window.
  void OnLinkClicked(std::string_view address);

  bool CreateControls();
  bool CreateControl(Control& control);
  void FitToText(const Control& control) const;
  void FitToPicture(const Control& control) const;
  void DrawFlatButton(const DRAWITEMSTRUCT& item, const Control& control) const;
  void DrawImage(const DRAWITEMSTRUCT& item, const Control& control) const;

  Control* Find(std::string_view name) noexcept;
  const Control* Find(std::string_view name) const noexcept;
  const Control* FindByWindow(HWND window) const noexcept;
  Control& Require(std::string_view name);
  const Control& Require(std::string_view name) const;

  HBRUSH WindowBrush() const noexcept;
  HBRUSH SurfaceBrush(Surface surface) const noexcept;
  HBRUSH ControlBrush(const Control& control) const noexcept;
  RECT ToPixels(const TwipsRect& rect) const noexcept;

  HINSTANCE instance_;
  BrowserPort& browser_;
  const Ports* ports_ = nullptr;
  const WindowsFacts* facts_ = nullptr;
  int dpi_x_ = 96;
  int dpi_y_ = 96;

  ValueStore values_;
  PictureList img1_;
  Picture stock_picture_;
  Picture arrow_picture_;
  UniqueHIcon big_icon_;
  UniqueHIcon small_icon_;
  UniqueHCursor hand_cursor_;
  UniqueHBrush back_brush_;  // the window's colour; null: the system default
  UniqueHPen outline_pen_;
  std::array<Control, kForm1Controls.size()> controls_;
  Form2 about_;  // the single About window; its window lives on after this one closes

  HWND window_ = nullptr;  // destroyed before the objects above are released
  HWND focus_ = nullptr;   // the control that had the focus when the window was deactivated
  bool counted_ = false;   // reported to the top-level window count
};

}  // namespace kelvoro::win32
