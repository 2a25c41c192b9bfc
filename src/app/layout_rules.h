#pragma once

// Where the controls of both windows go and how large they are, decided from numbers alone: the
// design's rectangles in twips, the window's DPI, the room a label may use and the extents of the
// texts as the Win32 side measured them in their fonts. Nothing here knows a window or a device
// context. The windows measure (GDI), call these rules and apply the rectangles they return.
//
// Every rounding is MulDiv's (to the nearest pixel, a half away from zero) and every halving is
// C++'s (towards zero), as the design has always been laid out.

#include <array>
#include <cstddef>
#include <optional>

#include "app/twips.h"

namespace kelvoro {

// A rectangle in pixels of a window's client area, as Windows' RECT: right and bottom exclusive.
struct PixelRect {
  int left;
  int top;
  int right;
  int bottom;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  friend constexpr bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

struct PixelPoint {
  int x;
  int y;
};

// The width and height of a text or a picture, in pixels.
struct Extent {
  int width;
  int height;
};

// Where a label may lie: between these edges, in twips, of its window's client area.
struct ControlRoom {
  int left;
  int right;
};

// What a text measures in its font at the window's DPI: on one line, and wrapped at a width.
// The windows ask GDI; only the rules that need a wrapped height ask for it.
class TextMeasure {
 public:
  virtual Extent Line() const = 0;
  virtual int WrappedHeight(int width) const = 0;

 protected:
  ~TextMeasure() = default;
};

// A design rectangle at `dpi_x` by `dpi_y`: its corner and its size are converted each on its own.
PixelRect ToPixels(const TwipsRect& rect, int dpi_x, int dpi_y);
PixelPoint ToPixels(int x_twips, int y_twips, int dpi_x, int dpi_y);
// A length in pixels at `dpi` back in twips.
int PixelsToTwips(int pixels, int dpi);
// The LOGFONT height of a font of that size: negative, the height of its characters alone.
int FontHeight(int hundredths_of_point, int dpi);
// Where a `length` centred in the `room` from `start` begins (left of `start` when it is longer).
int Centred(int start, int room, int length);
// `box` at `size`, its top left corner kept.
PixelRect Resized(const PixelRect& box, Extent size);

// The room of a label in a window that names none: the window's width, `margin` twips from
// either edge, the left edge no further in than the label's own.
ControlRoom RoomInWindow(int label_left, int client_width, int dpi_x);

// A label's place. A label sized to its text keeps its corner and takes its text's one-line
// extent; one that may move (its text is translated) and would then reach past its room's right
// edge is centred in its room, and wraps at the room's width when wider than the room. A label
// not sized to its text keeps its box, and one that may move grows to its wrapped text's height.
struct LabelPlace {
  PixelRect box;
  bool wraps;  // the control must wrap its text (a sized-to-text label is made not to)
};
LabelPlace PlaceLabel(const PixelRect& box, bool sized_to_text, bool may_move,
                      const ControlRoom& room, int dpi_x, const TextMeasure& text);

// A row of three buttons (their design places left to right, `gap` twips between two): where a
// caption with `padding` twips beside it is wider than its button, every button of the row takes
// the larger of the two widths and keeps its design top and height, and the row, with the
// design's gaps, is centred in the window, never nearer its left edge than half of `margin`.
// Nothing when every caption fits.
struct ButtonRow {
  std::array<TwipsRect, 3> design;
  int gap;
  int padding;
  int margin;
};
std::optional<std::array<PixelRect, 3>> ArrangeButtonRow(const ButtonRow& row,
                                                         const std::array<int, 3>& caption_widths,
                                                         int client_width, int dpi_x, int dpi_y);

// The stock picture with the bin's name in another language under the bin: the box, centred on
// the design's, as wide as the name on one line and 4 pixels more but no narrower than the
// picture and no wider than 116 pixels of a 69-pixel picture, and high enough for the bin and the
// name wrapped at that width (2 pixels under it), or for the whole picture if that is higher.
PixelRect PlaceStockPicture(const PixelRect& design, Extent picture, const TextMeasure& name);
// Inside that box (`item`): the picture at its own size centred at the top, the rows of it that
// show (the bin without the English name drawn under it) and the room of the name beneath them.
struct StockPictureParts {
  PixelRect picture;
  PixelRect art;
  PixelRect name;
};
StockPictureParts DivideStockPicture(const PixelRect& item, Extent picture);

// A line of the About window's rule. The notice line sits in the rule's gap, its design end at
// `notice_design_right` twips: a line that starts after it starts no nearer the notice's real
// end (`notice_right` pixels) than the design's gap.
struct PixelLine {
  PixelPoint from;
  PixelPoint to;
};
PixelLine RuleLine(const TwipsLine& line, int notice_design_right, int notice_right, int dpi_x,
                   int dpi_y);

}  // namespace kelvoro
