#pragma once

// The one schema of both windows' layout tables: each control is one ControlLayout, its rectangle
// and font in twips and points, its look and behaviour in a few enumerations and flags. Pure data;
// Window turns a table into controls.

#include <string_view>

#include "app/twips.h"
#include "texts/catalogue.h"

namespace kelvoro::win32 {

struct LayoutFont {
  std::string_view face;
  int hundredths_of_point;
  bool bold;
  bool underline;
};

// What a control shows: a text the user reads in their language (from the catalogue), or a fixed
// one that no language changes (the product name, an address).
struct Caption {
  constexpr Caption(const char* fixed) : fixed(fixed) {}
  constexpr Caption(std::string_view fixed) : fixed(fixed) {}
  constexpr Caption(TextId id) : id(id), translated(true) {}
  // A text with a placeholder, filled with `argument` (a name or an address) in every language.
  constexpr Caption(TextId id, std::string_view argument)
      : fixed(argument), id(id), translated(true) {}

  // The caption in the language of `texts`, UTF-8.
  std::string In(const Catalogue& texts) const {
    return translated ? Fill(texts.Get(id), fixed) : std::string(fixed);
  }

  std::string_view fixed;  // the text itself, or the argument of a translated one
  TextId id{};
  bool translated = false;
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
// A label that opens a web page: the keyboard reaches it with Tab (after the window's other
// controls) and opens it with Enter or Space, and a screen reader announces it as a link.
inline constexpr unsigned kOpensPage = 8;
inline constexpr unsigned kLink = kClickable | kHandCursor | kOpensPage;

struct ControlLayout {
  std::string_view name;
  ControlKind kind;
  int id;
  Caption text;
  TwipsRect rect;
  LayoutFont font;  // only for the kinds with text
  TextColour colour;
  Surface surface;
  unsigned flags;
  DesignPicture picture = DesignPicture::kNone;
  PictureFit fit = PictureFit::kOwnSize;
};

constexpr bool HasText(ControlKind kind) { return kind != ControlKind::kImage; }

// How a screen reader announces a control that the system's own description does not serve
// (a control the table of its window does not name is announced as the system describes it: by
// its text, in the role of its kind). Links need no entry: every clickable label that opens a
// page is one, named by its text.
enum class AccessibleRole {
  kButton,      // a push button, named by its caption without the blanks around it
  kCheckBox,    // a check box, named by `text`, the sentence beside it
  kGraphic,     // a picture, named by `text`, what it shows
  kDecoration,  // art that says nothing: skipped
};

struct AccessibleControl {
  std::string_view name;  // the control's name in its window's layout
  AccessibleRole role;
  TextId text{};  // for a check box and a picture
};

}  // namespace kelvoro::win32
