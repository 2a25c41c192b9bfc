#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "app/value_store.h"
#include "app/win32/form2_window.h"
#include "app/win32/picture.h"
#include "app/win32/window.h"
#include "platform/ports/form1_port.h"
#include "platform/ports/ports.h"
#include "platform/win32/unique_handle.h"
#include "platform/windows_version.h"

namespace kelvoro::win32 {

// The main window Form1: a fixed tool window with the header band, the preview, the sound check
// box, two sets of three buttons (start-up hides one) and the web link, laid out from
// kForm1Controls. It owns the pictures its images show, the image list img1 and the hidden data
// area (a ValueStore), and it is the Form1Port through which the program's logic reaches all of
// them by control; each Control is matched to its layout entry by name at compile time. An
// operation a control does not support raises a Failure.
class Form1 final : public Form1Port, public Window {
 public:
  // The class name by which other programs (and the test drivers) find the window.
  static constexpr wchar_t kClassName[] = L"KelvoroForm1";

  Form1(HINSTANCE instance, ShellServices& shell, BrowserPort& browser);
  ~Form1() override;

  // Form_Initialize, then the window with all its controls, hidden. False when the window or one
  // of its controls cannot be created.
  bool Create();
  // Hands the window the ports and facts its click handlers run the commands with, then runs
  // Form_Load.
  void Load(const Ports& ports, WindowsFacts& facts);
  // Centres the window on the screen and shows it.
  void ShowCentred(int show_command);

  // Form1Port
  std::string Caption(kelvoro::Control name) const override;
  void SetCaption(kelvoro::Control name, const std::string& text) override;
  int Check1Value() const override;
  void SetCheck1Value(int value) override;
  void SetBackColour(kelvoro::Control name, Rgb colour) override;
  void Hide(kelvoro::Control name) override;
  void SetPictureFromImageList(kelvoro::Control image, int entry) override;

 private:
  static void Form_Initialize();

  bool OnActivate(bool active) override;
  bool OnEraseBackground(HDC dc) const override;
  void OnPaint() const override;
  void OnCommand(int id, int code) override;
  const Picture* DesignPictureOf(DesignPicture picture) const override;
  void LoadPictures(int dpi) override;
  const AccessibleControl* AccessibleOf(const ControlLayout& layout) const override;
  ControlRoom RoomOf(const ControlLayout& layout) const override;
  void AfterLayOut() override;
  void DrawImage(const DRAWITEMSTRUCT& item, const Control& control) const override;
  // In another language than English: the buttons widened for captions that need it, and the
  // stock picture given room for the bin's name in that language.
  void FitButtons();
  void FitStockPicture();
  bool ShowsTranslatedBinName() const;

  // Click handlers.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Label13_Click();
  // The sound text: a click ticks or clears the box as a click on the box does.
  void Label14_Click();
  // Opens the About window.
  void ShowAbout();
  // Opens `address` in a new browser window.
  void OnLinkClicked(std::string_view address);

  BrowserPort& browser_;
  const Ports* ports_ = nullptr;
  const WindowsFacts* facts_ = nullptr;

  ValueStore values_;
  PictureList img1_;
  Picture stock_picture_;
  Picture arrow_picture_;
  UniqueHFont bin_name_font_;  // the bin's name under the stock picture, in another language
  Form2 about_;                // the single About window; its window lives on after this one closes

  HWND focus_ = nullptr;  // the control that had the focus when the window was deactivated
};

}  // namespace kelvoro::win32
