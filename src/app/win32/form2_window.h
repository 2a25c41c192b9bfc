#pragma once

#include <windows.h>

#include <array>

#include "app/web_link.h"
#include "app/win32/form2_layout.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {

// The About window Form2: product, version, maker, and two labels that open the maker's web
// pages. One instance at most: Show loads the window (centred, coloured by its load step) when
// it is not open, and brings it to the front when it is. The window belongs to no other window
// of the program, so it stays open when the main window closes, and it keeps the program running
// until it is closed itself. It has no button and nothing in it takes the focus.
//
// The object outlives its window: closing the window destroys it, and the next Show loads it
// anew. Messages arrive through a static window procedure that catches everything.
class Form2 final {
 public:
  static constexpr char kClassName[] = "KelvoroForm2";

  Form2(HINSTANCE instance, BrowserPort& browser);
  ~Form2();
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  // Command3_Click and Command5_Click of the main window.
  void Show();
  HWND Handle() const noexcept { return window_; }

 private:
  struct Label {
    const ControlLayout* layout = nullptr;
    HWND window = nullptr;
    UniqueHFont font;
  };

  template <typename T>
  friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  bool Load();
  bool OnCreate();
  void Form_Load();
  void OnDestroy();
  void OnNcDestroy();
  bool OnEraseBackground(HDC dc) const;
  void OnPaint() const;
  LRESULT OnControlColourStatic(HDC dc, HWND control) const;
  void OnCommand(int id, int code);
  bool OnSetCursor(HWND over, int hit_test) const;

  void Label8_Click();
  void Label9_Click();

  const Label* FindByWindow(HWND window) const noexcept;
  POINT ToPixels(int x_twips, int y_twips) const noexcept;

  HINSTANCE instance_;
  BrowserPort& browser_;
  int dpi_x_ = 96;
  int dpi_y_ = 96;

  UniqueHIcon big_icon_;
  UniqueHIcon small_icon_;
  UniqueHCursor hand_cursor_;
  UniqueHBrush back_brush_;  // set by the load step
  UniqueHPen rule_pen_;
  // Keeps the window off the taskbar without tying it to the main window: an owned window has
  // no taskbar button, and this owner is never shown.
  UniqueHWnd hidden_owner_;
  std::array<Label, kForm2Controls.size()> labels_;

  HWND window_ = nullptr;
  bool counted_ = false;
};

}  // namespace kelvoro::win32
