#pragma once

// How the windows and message boxes show a language whose lines run right to left: mirrored, as
// Windows mirrors its own dialogs. Decided here from the language's Direction alone; the Win32
// side applies what these rules return (window styles, drawing and message box flags).

#include <cstdint>

#include "texts/languages.h"

namespace kelvoro {

// Where a text lies in its box, as the user sees it.
enum class Alignment : std::uint8_t { kLeft, kCentre, kRight };

// What a picture shows: a thing (the Recycle Bin, the logo, the program icon), which keeps its
// orientation in a mirrored window, or the way the window reads (the preview's arrows), which
// turns with it.
enum class Art : std::uint8_t { kThing, kArrow };

struct Mirroring {
  // Both windows laid out from their right edge (WS_EX_LAYOUTRTL), their controls with them: a
  // control placed near the design's left edge shows near the right one.
  bool mirrored;
  // Texts read right to left: the owner-drawn ones (DT_RTLREADING) and the message boxes
  // (MB_RTLREADING | MB_RIGHT).
  bool right_to_left_reading;
};

// Mirrored, reading right to left, for a right-to-left language; neither for any other.
Mirroring MirroringFor(Direction direction);
// Whether `art` is drawn as the mirror image of its design in a window of `mirroring`.
bool DrawnMirrored(Art art, const Mirroring& mirroring);
// Whether a text reads right to left: one in the user's language (`translated`) where that
// language's lines run so; a fixed one (the product's name, a web address) always left to right.
bool ReadsRightToLeft(bool translated, const Mirroring& mirroring);
// Where a text of the design's alignment shows: left and right swap in a mirrored window, a
// centred text stays centred.
Alignment ShownAlignment(Alignment design, const Mirroring& mirroring);

}  // namespace kelvoro
