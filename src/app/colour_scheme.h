#pragma once

// The colours both windows paint with while high contrast is on: the system colours of the
// user's theme, one for each part of the design, so that every background, text, face and line
// follows the theme. With high contrast off the windows keep their design colours.

namespace kelvoro {

// What a window paints, by its part in the design.
enum class ColourRole {
  kWindow,       // the window's background
  kHeader,       // the white header band of the main window
  kText,         // a label's text, whatever its design colour (black, white or blue)
  kLink,         // the text of a label that looks like a link and opens a web page
  kButtonFace,   // a button's face
  kButtonText,   // a button's caption
  kButtonFrame,  // a flat button's frame
  kOutline,      // the preview's outline
  kRule,         // the About window's rule
};

// The system colours a high-contrast theme defines, named as the system names them.
enum class SystemColour { kWindow, kWindowText, kButtonFace, kButtonText, kHotLight };

// The theme's colour for `role`.
constexpr SystemColour HighContrastColour(ColourRole role) {
  switch (role) {
    case ColourRole::kWindow:
    case ColourRole::kHeader:
      return SystemColour::kWindow;
    case ColourRole::kLink:
      return SystemColour::kHotLight;
    case ColourRole::kButtonFace:
      return SystemColour::kButtonFace;
    case ColourRole::kButtonText:
    case ColourRole::kButtonFrame:
      return SystemColour::kButtonText;
    case ColourRole::kText:
    case ColourRole::kOutline:
    case ColourRole::kRule:
      break;
  }
  return SystemColour::kWindowText;
}

}  // namespace kelvoro
