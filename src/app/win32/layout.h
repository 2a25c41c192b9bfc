#pragma once

// The one schema of both windows' layout tables: each control is one ControlLayout, its rectangle
// and font in twips and points, its look and behaviour in a few enumerations and flags. Pure data;
// Window turns a table into controls.

#include <string_view>

namespace kelvoro::win32 {

// A rectangle in twips (1/1440 inch), relative to the client area of its window.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct LayoutFont {
  std::string_view face;
  int hundredths_of_point;
  bool bold;
  bool underline;
};

enum class ControlKind {
  kLabel,       // static text, transparent
  kImage,       // owner-drawn picture box
  kCheckBox,    // no caption of its own
  kFlatButton,  // flat owner-drawn face
  kPushButton,  // the system's push button
};

// What lies beneath a control, and therefore the colour a transparent label shows around its text.
enum class Surface { kWindow, kHeader };

enum class TextColour { kBlack, kWhite, kBlue, kButtonText };

// The picture an image shows from its creation on; the others receive theirs at run time.
enum class DesignPicture { kNone, kStock, kArrow };

enum class PictureFit {
  kOwnSize,  // the box takes the picture's size, keeping its top left corner
  kStretch,  // the picture is stretched to the box
};

// ControlLayout::flags
inline constexpr unsigned kSizedToText = 1;  // a label on one line whose box fits its text
inline constexpr unsigned kClickable = 2;    // a label that reports clicks; others let them through
inline constexpr unsigned kHandCursor = 4;   // the pointing-hand cursor over it
inline constexpr unsigned kLink = kClickable | kHandCursor;

struct ControlLayout {
  std::string_view name;
  ControlKind kind;
  int id;
  std::string_view text;
  TwipsRect rect;
  LayoutFont font;  // only for the kinds with text
  TextColour colour;
  Surface surface;
  unsigned flags;
  DesignPicture picture = DesignPicture::kNone;
  PictureFit fit = PictureFit::kOwnSize;
};

constexpr bool HasText(ControlKind kind) { return kind != ControlKind::kImage; }

}  // namespace kelvoro::win32
