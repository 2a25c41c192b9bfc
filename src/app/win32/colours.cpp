#include "app/win32/colours.h"

namespace kelvoro::win32 {
namespace {

bool HighContrastOn() {
  HIGHCONTRASTA high_contrast{};
  high_contrast.cbSize = sizeof high_contrast;
  return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) &&
         (high_contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

int SystemColourIndex(SystemColour colour) {
  switch (colour) {
    case SystemColour::kWindow:
      return COLOR_WINDOW;
    case SystemColour::kWindowText:
      return COLOR_WINDOWTEXT;
    case SystemColour::kButtonFace:
      return COLOR_BTNFACE;
    case SystemColour::kButtonText:
      return COLOR_BTNTEXT;
    case SystemColour::kHotLight:
      return COLOR_HOTLIGHT;
  }
  return COLOR_WINDOWTEXT;
}

HBRUSH SystemBrush(ColourRole role) {
  return ::GetSysColorBrush(SystemColourIndex(HighContrastColour(role)));
}

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

}  // namespace

COLORREF ToColorref(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

void Colours::Refresh() { high_contrast_ = HighContrastOn(); }

HBRUSH Colours::WindowBrush() const noexcept {
  if (high_contrast_) return SystemBrush(ColourRole::kWindow);
  return window_brush_ ? window_brush_.get() : ::GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH Colours::SurfaceBrush(Surface surface) const noexcept {
  if (surface != Surface::kHeader) return WindowBrush();
  return high_contrast_ ? SystemBrush(ColourRole::kHeader) : ::GetSysColorBrush(COLOR_WINDOW);
}

HBRUSH Colours::ControlBrush(ControlKind kind, HBRUSH own) const noexcept {
  if (high_contrast_) return IsButton(kind) ? SystemBrush(ColourRole::kButtonFace) : WindowBrush();
  if (own != nullptr) return own;
  // Buttons are white until they are given a colour.
  if (IsButton(kind)) return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  return ::GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH Colours::ButtonFrameBrush() const noexcept {
  return high_contrast_ ? SystemBrush(ColourRole::kButtonFrame)
                        : ::GetSysColorBrush(COLOR_WINDOWFRAME);
}

COLORREF Colours::ColourOf(ColourRole role, COLORREF design) const noexcept {
  return high_contrast_ ? ::GetSysColor(SystemColourIndex(HighContrastColour(role))) : design;
}

HBRUSH Colours::PrepareControl(HDC dc, bool is_static, const ControlLayout& layout,
                               HBRUSH own) const {
  const ColourRole text_role = (layout.flags & kHandCursor) != 0 ? ColourRole::kLink
                               : IsButton(layout.kind)           ? ColourRole::kButtonText
                                                                 : ColourRole::kText;
  const COLORREF text = ColourOf(text_role, TextColourOf(layout.colour));
  if (is_static && layout.kind == ControlKind::kLabel) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text);
    return SurfaceBrush(layout.surface);
  }
  const HBRUSH brush = ControlBrush(layout.kind, own);
  LOGBRUSH colour{};
  ::GetObjectA(brush, sizeof colour, &colour);
  ::SetBkColor(dc, colour.lbColor);
  if (is_static) ::SetTextColor(dc, text);
  return brush;
}

}  // namespace kelvoro::win32
