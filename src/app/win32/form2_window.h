#pragma once

#include <windows.h>

#include "app/win32/window.h"
#include "platform/ports/browser_port.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {

// The About window Form2: product, version, maker, and two labels that open the maker's web
// pages, laid out from kForm2Controls. One instance at most: Show loads the window (centred,
// coloured by its load step) when it is not open, and brings it to the front when it is. The
// window belongs to no other window of the program, so it stays open when the main window
// closes, and it keeps the program running until it is closed itself. It has no button; its two
// links are the only controls that take the focus.
//
// The object outlives its window: closing the window destroys it, and the next Show loads it
// anew.
class Form2 final : public Window {
 public:
  static constexpr wchar_t kClassName[] = L"KelvoroForm2";

  Form2(HINSTANCE instance, ShellServices& shell, BrowserPort& browser);
  ~Form2() override;

  // Command3_Click and Command5_Click of the main window.
  void Show();

 private:
  bool Load();
  bool OnCreate() override;
  void Form_Load();
  void OnPaint() const override;
  void OnCommand(int id, int code) override;

  void Label8_Click();
  void Label9_Click();

  BrowserPort& browser_;
  // Keeps the window off the taskbar without tying it to the main window: an owned window has
  // no taskbar button, and this owner is never shown.
  UniqueHWnd hidden_owner_;
};

}  // namespace kelvoro::win32
