#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/layout_rules.h"
#include "app/mirroring.h"
#include "app/win32/accessible.h"
#include "app/win32/colours.h"
#include "app/win32/control_text.h"
#include "app/win32/layout.h"
#include "app/win32/picture.h"
#include "app/win32/window_procedure.h"
#include "platform/win32/shell_services.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {

// The frame of a top-level window: its title, styles and client size in twips.
struct WindowFrame {
  Caption title;
  DWORD style;
  DWORD ex_style;
  int client_width;
  int client_height;
};

inline PixelRect FromRect(const RECT& rect) {
  return PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}
inline RECT ToRect(const PixelRect& rect) {
  return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

// What both windows share: the window class, the message dispatch, the window's DPI (a move to a
// monitor of another DPI lays the window out afresh, fonts and pictures included), the program
// icon and the pointing-hand cursor, and the count of open top-level windows (the last one to
// close ends the message loop). The controls of one layout table are made and placed by the layout
// rules in controls.cpp; their texts and fonts come from control_text.h, their colours from
// colours.h, the owner-drawn faces from painting.h, and what the keyboard and a screen reader get
// beyond the system's own controls (links that take the focus, open on Enter or Space and are
// announced as links; the controls that AccessibleOf names) from control_access.cpp.
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
    UniqueHBrush back_brush;             // null: the design colour
    const Picture* picture = nullptr;    // owned by the derived window
    WNDPROC system_procedure = nullptr;  // set where this window answers some of its messages
  };

  template <std::size_t N>
  Window(HINSTANCE instance, ShellServices& shell, const std::array<ControlLayout, N>& layout)
      : instance_(instance), shell_(shell), controls_(N) {
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
  // How a screen reader announces the control, where the system's description does not serve;
  // nullptr for the system's own.
  virtual const AccessibleControl* AccessibleOf(const ControlLayout& layout) const;
  // Where a label whose text does not fit its place may go; by default the window's width.
  virtual ControlRoom RoomOf(const ControlLayout& layout) const;
  // After every control has been laid out at the window's DPI: what a window adds to that.
  virtual void AfterLayOut() {}
  // Draws an image control.
  virtual void DrawImage(const DRAWITEMSTRUCT& item, const Control& control) const;

  void SetWindowBrush(UniqueHBrush brush) noexcept { colours_.SetWindowBrush(std::move(brush)); }
  HBRUSH SurfaceBrush(Surface surface) const noexcept { return colours_.SurfaceBrush(surface); }
  COLORREF ColourOf(ColourRole role, COLORREF design) const noexcept {
    return colours_.ColourOf(role, design);
  }
  // The font of a control of `layout` at the window's DPI.
  UniqueHFont FontOf(const ControlLayout& layout) const { return win32::FontOf(layout, dpi_y_); }

  // How the window shows the user's language: mirrored (and its texts read right to left) in a
  // right-to-left one; decided when the window is created.
  const Mirroring& MirroringOf() const noexcept { return mirroring_; }
  int DpiX() const noexcept { return dpi_x_; }
  int DpiY() const noexcept { return dpi_y_; }
  RECT ToPixels(const TwipsRect& rect) const noexcept {
    return ToRect(kelvoro::ToPixels(rect, dpi_x_, dpi_y_));
  }
  static POINT CentredOnScreen(int width, int height) noexcept;

  // Raises a Failure when the window has no control of that name.
  Control& Require(std::string_view name);
  const Control& Require(std::string_view name) const;
  // Places a label by the layout rules (PlaceLabel): fitted to its text, or, in another
  // language than English, moved or wrapped within RoomOf.
  void PlaceLabel(const Control& control) const;
  void FitToPicture(const Control& control) const;

  HINSTANCE instance_;
  ShellServices& shell_;
  HWND window_ = nullptr;  // destroyed before the objects of the derived window are released

 private:
  template <typename T>
  friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);

  bool Create(const wchar_t* class_name, WNDPROC procedure, void* self, const WindowFrame& frame,
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

  // The messages of the controls this window answers in part (links and the controls that
  // AccessibleOf names): WM_GETOBJECT, and a link's focus rectangle and keys.
  static LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnControlMessage(const Control& control, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT CallSystem(const Control& control, UINT message, WPARAM wparam, LPARAM lparam) const;
  // What a screen reader is told of a control that this window describes.
  AccessibleDescription DescriptionOf(const Control& control) const;

  const Control* Find(std::string_view name) const noexcept;
  const Control* FindByWindow(HWND window) const noexcept;

  int dpi_x_ = 96;
  int dpi_y_ = 96;
  Mirroring mirroring_{false, false};
  UniqueHIcon big_icon_;
  UniqueHIcon small_icon_;
  UniqueHCursor hand_cursor_;
  Colours colours_;
  std::vector<Control> controls_;
  bool counted_ = false;  // reported to the top-level window count
};

}  // namespace kelvoro::win32
