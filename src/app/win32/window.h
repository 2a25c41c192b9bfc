#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/colour_scheme.h"
#include "app/win32/layout.h"
#include "app/win32/picture.h"
#include "app/win32/window_procedure.h"
#include "platform/ports/form1_port.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {

// The frame of a top-level window: its title, styles and client size in twips.
struct WindowFrame {
  const char* title;
  DWORD style;
  DWORD ex_style;
  int client_width;
  int client_height;
};

COLORREF ToColorref(Rgb colour);

// The whole text of a window or control, in the ANSI code page.
std::string WindowText(HWND window);

// What both windows share: the window class, the window's DPI (twips become pixels through
// TwipsToPixels; a move to a monitor of another DPI lays the window out afresh, fonts and pictures
// included), the colours (the design's, or the theme's while high contrast is on), the program
// icon, the pointing-hand cursor, the window's colour, the controls of one layout table with their
// fonts, brushes and pictures, their look-up by name and window, and the count of open top-level
// windows (the last one to close ends the message loop).
//
// A derived window T names its class in T::kClassName and creates its window with Create(*this,
// ...): its messages then arrive through WindowProcedure<T>, which catches everything, at
// HandleMessage, which dispatches them to the OnXxx handlers below. A window whose controls
// cannot be created fails its creation.
//
// The object outlives its window: closing the window destroys it, and Create may make a new one.
// A derived window destroys its window in its own destructor, while the objects its controls use
// still exist.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const noexcept { return window_; }

 protected:
  struct Control {
    const ControlLayout* layout = nullptr;
    HWND window = nullptr;
    UniqueHFont font;
    UniqueHBrush back_brush;           // null: the design colour
    const Picture* picture = nullptr;  // owned by the derived window
  };

  template <std::size_t N>
  Window(HINSTANCE instance, const std::array<ControlLayout, N>& layout)
      : instance_(instance), controls_(N) {
    for (std::size_t i = 0; i < N; ++i) controls_[i].layout = &layout[i];
  }
  virtual ~Window() = default;

  // Registers T's window class and creates the window, hidden, with `owner`: centred on the
  // screen, or where the system puts it. False when the window or a control cannot be created.
  template <typename T>
  bool Create(T& self, const WindowFrame& frame, HWND owner, bool centred) {
    return Create(T::kClassName, &WindowProcedure<T>, &self, frame, owner, centred);
  }
  void Destroy() noexcept;

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam) const;

  // The program icon on the window, every control of the layout, and the window counted.
  virtual bool OnCreate();
  // The window's colour over the client area.
  virtual bool OnEraseBackground(HDC dc) const;
  virtual void OnPaint() const = 0;
  virtual void OnCommand(int id, int code) = 0;
  // True when handled; false leaves the activation, and the focus, to the system.
  virtual bool OnActivate(bool active);
  // The picture an image shows from its creation on.
  virtual const Picture* DesignPictureOf(DesignPicture picture) const;
  // Loads the pictures for `dpi`, in place (the controls keep pointing at them): before the
  // window is created, and again when it moves to a monitor of another DPI.
  virtual void LoadPictures(int dpi);

  // The window's colour; a null brush stands for the system's default colour.
  void SetWindowBrush(UniqueHBrush brush) noexcept { back_brush_ = std::move(brush); }
  HBRUSH WindowBrush() const noexcept;
  HBRUSH SurfaceBrush(Surface surface) const noexcept;
  HBRUSH ControlBrush(const Control& control) const noexcept;
  // `design` while high contrast is off, else the theme's colour for `role`.
  COLORREF ColourOf(ColourRole role, COLORREF design) const noexcept;

  RECT ToPixels(const TwipsRect& rect) const noexcept;
  POINT ToPixels(int x_twips, int y_twips) const noexcept;
  static POINT CentredOnScreen(int width, int height) noexcept;

  // Raises a Failure when the window has no control of that name.
  Control& Require(std::string_view name);
  const Control& Require(std::string_view name) const;
  void FitToText(const Control& control) const;
  void FitToPicture(const Control& control) const;

  HINSTANCE instance_;
  HWND window_ = nullptr;  // destroyed before the objects of the derived window are released

 private:
  template <typename T>
  friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);

  bool Create(const char* class_name, WNDPROC procedure, void* self, const WindowFrame& frame,
              HWND owner, bool centred);
  bool CreateControl(Control& control);
  // Places the control, gives it its font and fits it, at the window's DPI.
  void LayOut(Control& control);
  // Lays the window out for `dpi`: pictures, fonts and every control.
  void ApplyDpi(int dpi);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnColoursChanged();

  void OnDestroy();
  void OnNcDestroy();
  LRESULT OnControlColour(UINT message, HDC dc, HWND window);
  void OnDrawItem(const DRAWITEMSTRUCT& item) const;
  bool OnSetCursor(HWND over, int hit_test) const;

  void DrawFlatButton(const DRAWITEMSTRUCT& item, const Control& control) const;
  void DrawImage(const DRAWITEMSTRUCT& item, const Control& control) const;
  const Control* Find(std::string_view name) const noexcept;
  const Control* FindByWindow(HWND window) const noexcept;

  int dpi_x_ = 96;
  int dpi_y_ = 96;
  UniqueHIcon big_icon_;
  UniqueHIcon small_icon_;
  UniqueHCursor hand_cursor_;
  UniqueHBrush back_brush_;
  std::vector<Control> controls_;
  bool high_contrast_ = false;
  bool counted_ = false;  // reported to the top-level window count
};

}  // namespace kelvoro::win32
