#pragma once

// The look of the main window: its size, the header band, the preview frame and every visible
// control, in twips (1/1440 inch). Pure data; form1_window.cpp turns it into windows.

#include <array>
#include <string_view>

#include "app/win32/layout_types.h"
#include "resource.h"
#include "settings/maker_info.h"

namespace kelvoro::win32 {

enum class ControlKind {
  kLabel,       // static text
  kImage,       // owner-drawn picture box
  kCheckBox,    // Check1: no caption of its own
  kFlatButton,  // button set A: flat owner-drawn face
  kPushButton,  // button set B: the system's push button
};

// What lies beneath a control, and therefore the colour a transparent label shows around its text.
enum class Surface { kWindow, kHeader };

enum class TextColour { kBlack, kWhite, kButtonText };

// The picture a control shows from its creation on; the others receive theirs from img1.
enum class DesignPicture { kNone, kStock, kArrow };

enum class PictureFit {
  kOwnSize,  // the box takes the picture's size, keeping its top left corner
  kStretch,  // the picture is stretched to the box
};

struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  int id;
  std::string_view text;
  TwipsRect rect;  // relative to the window's client area, also for the controls on the header
  FontSpec font;
  TextColour colour;
  Surface surface;
  bool sized_to_text;
  bool link;  // clickable, with the pointing-hand cursor
  DesignPicture picture;
  PictureFit fit;
};

// Form1's client area: 449 x 362 pixels at 96 dots per inch.
inline constexpr int kForm1ClientWidth = 6735;
inline constexpr int kForm1ClientHeight = 5430;

// Frame3, the white header band. It starts left of the client area and ends beyond it, so only
// its top, white across the full width, shows.
inline constexpr TwipsRect kHeaderBand{-1320, 0, 8175, 1215};
// Shape1, the thin outline around the preview.
inline constexpr TwipsRect kPreviewFrame{240, 1440, 6255, 2535};

inline constexpr FontSpec kDefaultFont{"MS Sans Serif", 825, false, false};
inline constexpr FontSpec kTitleFont{"Verdana", 1200, true, false};
inline constexpr FontSpec kTextFont{"MS Sans Serif", 975, false, false};
inline constexpr FontSpec kRowFont{"MS Sans Serif", 975, true, false};
inline constexpr FontSpec kLinkFont{"MS Sans Serif", 825, false, true};

inline constexpr std::string_view kTagline = "A fresh look and sound for your Recycle Bin.";

// Every visible control, in creation order. The controls that take the focus come last, in their
// tab order: set A, the check box, then set B (whose tab order runs About, Restore, Apply).
// Both button sets lie on the same three rectangles; start-up hides one of them.
inline constexpr std::array<ControlSpec, 20> kForm1Controls{{
    // name, kind, id, text, {left, top, width, height}, font, colour, surface, sized to text,
    // link, picture, fit
    {"Label2",
     ControlKind::kLabel,
     IDC_LABEL2,
     "Kelvoro 2.1",
     {240, 240, 2865, 270},
     kTitleFont,
     TextColour::kBlack,
     Surface::kHeader,
     true,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Label3",
     ControlKind::kLabel,
     IDC_LABEL3,
     kTagline,
     {240, 720, 4815, 255},
     kTextFont,
     TextColour::kButtonText,
     Surface::kHeader,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Image1",
     ControlKind::kImage,
     IDC_IMAGE1,
     "",
     {5520, 120, 945, 960},
     kDefaultFont,
     TextColour::kBlack,
     Surface::kHeader,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Image6",
     ControlKind::kImage,
     IDC_IMAGE6,
     "",
     {600, 2020, 1035, 825},
     kDefaultFont,
     TextColour::kBlack,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kStock,
     PictureFit::kOwnSize},
    {"Image5",
     ControlKind::kImage,
     IDC_IMAGE5,
     "",
     {3720, 1800, 735, 435},
     kDefaultFont,
     TextColour::kBlack,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kArrow,
     PictureFit::kOwnSize},
    {"Image2",
     ControlKind::kImage,
     IDC_IMAGE2,
     "",
     {3720, 2640, 735, 435},
     kDefaultFont,
     TextColour::kBlack,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kArrow,
     PictureFit::kOwnSize},
    {"Label1",
     ControlKind::kLabel,
     IDC_LABEL1,
     "Empty ",
     {2280, 1920, 720, 240},
     kRowFont,
     TextColour::kBlack,
     Surface::kWindow,
     true,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Label4",
     ControlKind::kLabel,
     IDC_LABEL4,
     "Full",
     {2280, 2760, 390, 240},
     kRowFont,
     TextColour::kBlack,
     Surface::kWindow,
     true,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Image3",
     ControlKind::kImage,
     IDC_IMAGE3,
     "",
     {5280, 1680, 600, 600},
     kDefaultFont,
     TextColour::kBlack,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kStretch},
    {"Image4",
     ControlKind::kImage,
     IDC_IMAGE4,
     "",
     {5280, 2520, 600, 600},
     kDefaultFont,
     TextColour::kBlack,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kStretch},
    {"Label14",
     ControlKind::kLabel,
     IDC_LABEL14,
     "Replace 'Empty Recycle Bin' sound.",
     {1920, 3480, 3255, 240},
     kTextFont,
     TextColour::kButtonText,
     Surface::kWindow,
     true,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Label5",
     ControlKind::kLabel,
     IDC_LABEL5,
     "Click 'Apply' to make the changes to the Recycle Bin.",
     {1080, 4200, 4695, 240},
     kTextFont,
     TextColour::kButtonText,
     Surface::kWindow,
     true,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Label13",
     ControlKind::kLabel,
     IDC_LABEL13,
     kMakerWebAddress,
     {4440, 5160, 2025, 195},
     kLinkFont,
     TextColour::kWhite,
     Surface::kWindow,
     true,
     true,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Command1",
     ControlKind::kFlatButton,
     IDC_COMMAND1,
     "Apply ",
     {1080, 4680, 1335, 375},
     kDefaultFont,
     TextColour::kButtonText,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Command2",
     ControlKind::kFlatButton,
     IDC_COMMAND2,
     "Restore Defaults",
     {2640, 4680, 1815, 375},
     kDefaultFont,
     TextColour::kButtonText,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Command3",
     ControlKind::kFlatButton,
     IDC_COMMAND3,
     "About",
     {4680, 4680, 1215, 375},
     kDefaultFont,
     TextColour::kButtonText,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Check1",
     ControlKind::kCheckBox,
     IDC_CHECK1,
     "",
     {1560, 3450, 255, 255},
     kDefaultFont,
     TextColour::kButtonText,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Command5",
     ControlKind::kPushButton,
     IDC_COMMAND5,
     "About",
     {4680, 4680, 1215, 375},
     kDefaultFont,
     TextColour::kButtonText,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Command6",
     ControlKind::kPushButton,
     IDC_COMMAND6,
     "Restore Defaults",
     {2640, 4680, 1815, 375},
     kDefaultFont,
     TextColour::kButtonText,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
    {"Command7",
     ControlKind::kPushButton,
     IDC_COMMAND7,
     "Apply ",
     {1080, 4680, 1335, 375},
     kDefaultFont,
     TextColour::kButtonText,
     Surface::kWindow,
     false,
     false,
     DesignPicture::kNone,
     PictureFit::kOwnSize},
}};

}  // namespace kelvoro::win32
