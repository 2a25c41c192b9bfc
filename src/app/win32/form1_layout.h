#pragma once

// The look of the main window: its size, the header band, the preview frame and every visible
// control, in twips (1/1440 inch).

#include <array>
#include <string_view>

#include "app/win32/layout.h"
#include "platform/failure.h"
#include "resource.h"
#include "settings/maker_info.h"

namespace kelvoro::win32 {

// Form1's client area: 449 x 362 pixels at 96 dots per inch.
inline constexpr int kForm1ClientWidth = 6735;
inline constexpr int kForm1ClientHeight = 5430;

// Frame3, the white header band. It starts left of the client area and ends beyond it, so only
// its top, white across the full width, shows.
inline constexpr TwipsRect kHeaderBand{-1320, 0, 8175, 1215};
// Shape1, the thin outline around the preview.
inline constexpr TwipsRect kPreviewFrame{240, 1440, 6255, 2535};

inline constexpr LayoutFont kDefaultFont{"MS Sans Serif", 825, false, false};
inline constexpr LayoutFont kTitleFont{"Verdana", 1200, true, false};
inline constexpr LayoutFont kTextFont{"MS Sans Serif", 975, false, false};
inline constexpr LayoutFont kRowFont{"MS Sans Serif", 975, true, false};
inline constexpr LayoutFont kLinkFont{"MS Sans Serif", 825, false, true};

// Every visible control, in creation order. The controls that take the focus come last, in their
// tab order: set A, the check box, then set B (whose tab order runs About, Restore, Apply), and
// after them the web link. A click on the sound text ticks or clears the box as a click on the box
// does.
// Both button sets lie on the same three rectangles; start-up hides one of them. The controls on
// the header band have their rectangles relative to the window's client area too.
// clang-format off
inline constexpr std::array<ControlLayout, 20> kForm1Controls{{
    // name, kind, id, text, {left, top, width, height}, font, colour, surface, flags[, picture, fit]
    {"Label2", ControlKind::kLabel, IDC_LABEL2, "Kelvoro 2.1", {240, 240, 2865, 270}, kTitleFont, TextColour::kBlack, Surface::kHeader, kSizedToText},
    {"Label3", ControlKind::kLabel, IDC_LABEL3, TextId::kTagline, {240, 720, 4815, 255}, kTextFont, TextColour::kButtonText, Surface::kHeader, 0},
    {"Image1", ControlKind::kImage, IDC_IMAGE1, "", {5520, 120, 945, 960}, kDefaultFont, TextColour::kBlack, Surface::kHeader, 0},
    {"Image6", ControlKind::kImage, IDC_IMAGE6, "", {600, 2020, 1035, 825}, kDefaultFont, TextColour::kBlack, Surface::kWindow, 0, DesignPicture::kStock},
    {"Image5", ControlKind::kImage, IDC_IMAGE5, "", {3720, 1800, 735, 435}, kDefaultFont, TextColour::kBlack, Surface::kWindow, 0, DesignPicture::kArrow},
    {"Image2", ControlKind::kImage, IDC_IMAGE2, "", {3720, 2640, 735, 435}, kDefaultFont, TextColour::kBlack, Surface::kWindow, 0, DesignPicture::kArrow},
    {"Label1", ControlKind::kLabel, IDC_LABEL1, TextId::kEmptyRow, {2280, 1920, 720, 240}, kRowFont, TextColour::kBlack, Surface::kWindow, kSizedToText},
    {"Label4", ControlKind::kLabel, IDC_LABEL4, TextId::kFullRow, {2280, 2760, 390, 240}, kRowFont, TextColour::kBlack, Surface::kWindow, kSizedToText},
    {"Image3", ControlKind::kImage, IDC_IMAGE3, "", {5280, 1680, 600, 600}, kDefaultFont, TextColour::kBlack, Surface::kWindow, 0, DesignPicture::kNone, PictureFit::kStretch},
    {"Image4", ControlKind::kImage, IDC_IMAGE4, "", {5280, 2520, 600, 600}, kDefaultFont, TextColour::kBlack, Surface::kWindow, 0, DesignPicture::kNone, PictureFit::kStretch},
    {"Label14", ControlKind::kLabel, IDC_LABEL14, TextId::kSoundOption, {1920, 3480, 3255, 240}, kTextFont, TextColour::kButtonText, Surface::kWindow, kSizedToText | kClickable},
    {"Label5", ControlKind::kLabel, IDC_LABEL5, TextId::kHint, {1080, 4200, 4695, 240}, kTextFont, TextColour::kButtonText, Surface::kWindow, kSizedToText},
    {"Command1", ControlKind::kFlatButton, IDC_COMMAND1, TextId::kApply, {1080, 4680, 1335, 375}, kDefaultFont, TextColour::kButtonText, Surface::kWindow, 0},
    {"Command2", ControlKind::kFlatButton, IDC_COMMAND2, TextId::kRestore, {2640, 4680, 1815, 375}, kDefaultFont, TextColour::kButtonText, Surface::kWindow, 0},
    {"Command3", ControlKind::kFlatButton, IDC_COMMAND3, TextId::kAbout, {4680, 4680, 1215, 375}, kDefaultFont, TextColour::kButtonText, Surface::kWindow, 0},
    {"Check1", ControlKind::kCheckBox, IDC_CHECK1, "", {1560, 3450, 255, 255}, kDefaultFont, TextColour::kButtonText, Surface::kWindow, 0},
    {"Command5", ControlKind::kPushButton, IDC_COMMAND5, TextId::kAbout, {4680, 4680, 1215, 375}, kDefaultFont, TextColour::kButtonText, Surface::kWindow, 0},
    {"Command6", ControlKind::kPushButton, IDC_COMMAND6, TextId::kRestore, {2640, 4680, 1815, 375}, kDefaultFont, TextColour::kButtonText, Surface::kWindow, 0},
    {"Command7", ControlKind::kPushButton, IDC_COMMAND7, TextId::kApply, {1080, 4680, 1335, 375}, kDefaultFont, TextColour::kButtonText, Surface::kWindow, 0},
    {"Label13", ControlKind::kLabel, IDC_LABEL13, kMakerWebAddress, {4440, 5160, 2025, 195}, kLinkFont, TextColour::kWhite, Surface::kWindow, kSizedToText | kLink},
}};
// clang-format on

// The entry of the control called `name`; a name the table lacks does not compile where the
// look-up is a constant, and raises a Failure where it is not.
constexpr const ControlLayout& LayoutOf(std::string_view name) {
  for (const ControlLayout& layout : kForm1Controls) {
    if (layout.name == name) return layout;
  }
  throw Failure("no such control");
}

// What a screen reader says beyond the system's own description: the buttons by their captions,
// the check box by its sentence, each picture of the preview by what it shows; the logo and the
// arrows are art.
inline constexpr std::array<AccessibleControl, 13> kForm1Accessible{{
    {"Command1", AccessibleRole::kButton},
    {"Command2", AccessibleRole::kButton},
    {"Command3", AccessibleRole::kButton},
    {"Command5", AccessibleRole::kButton},
    {"Command6", AccessibleRole::kButton},
    {"Command7", AccessibleRole::kButton},
    {"Check1", AccessibleRole::kCheckBox, TextId::kSoundOption},
    {"Image6", AccessibleRole::kGraphic, TextId::kPictureNow},
    {"Image3", AccessibleRole::kGraphic, TextId::kPictureEmpty},
    {"Image4", AccessibleRole::kGraphic, TextId::kPictureFull},
    {"Image1", AccessibleRole::kDecoration},
    {"Image5", AccessibleRole::kDecoration},
    {"Image2", AccessibleRole::kDecoration},
}};

}  // namespace kelvoro::win32
