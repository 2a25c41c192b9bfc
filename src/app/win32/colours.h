#pragma once

// The colours a window paints with: the design's, or, while high contrast is on, the theme's
// colour for each part of the design (HighContrastColour). It owns the window's own brush; the
// brushes it hands out otherwise are the system's or the controls' own and are never deleted.

#include <windows.h>

#include <utility>

#include "app/colour_scheme.h"
#include "app/win32/layout.h"
#include "platform/ports/form1_port.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {

COLORREF ToColorref(Rgb colour);

class Colours {
 public:
  // Reads again whether high contrast is on: when the window is made, and when the system's
  // colours or settings change.
  void Refresh();

  // The window's colour; a null brush stands for the system's default colour.
  void SetWindowBrush(UniqueHBrush brush) noexcept { window_brush_ = std::move(brush); }
  HBRUSH WindowBrush() const noexcept;
  HBRUSH SurfaceBrush(Surface surface) const noexcept;
  // The face of a control of `kind` that was given `own` (null: none): white for a button, the
  // system's face colour for the others.
  HBRUSH ControlBrush(ControlKind kind, HBRUSH own) const noexcept;
  HBRUSH ButtonFrameBrush() const noexcept;
  // `design` while high contrast is off, else the theme's colour for `role`.
  COLORREF ColourOf(ColourRole role, COLORREF design) const noexcept;

  // The answer to WM_CTLCOLORSTATIC (`is_static`) or WM_CTLCOLORBTN of a control of `layout`:
  // the colours set on `dc` and the brush of its background. A transparent label shows only its
  // text, over what lies beneath it.
  HBRUSH PrepareControl(HDC dc, bool is_static, const ControlLayout& layout, HBRUSH own) const;

 private:
  UniqueHBrush window_brush_;
  bool high_contrast_ = false;
};

}  // namespace kelvoro::win32
