#include "app/layout_rules.h"

#include <algorithm>

#include "app/display_scale.h"

namespace kelvoro {
namespace {

// How far the default room keeps from the window's edges, in twips.
constexpr int kRoomMargin = 120;

// The stock picture at 96 dpi: 69 x 55 pixels, the bin in its top 38 rows and the English name
// under it; a name in another language may take up to 116 pixels, centred on the picture.
constexpr int kStockWidth = 69;
constexpr int kStockHeight = 55;
constexpr int kStockArtHeight = 38;
constexpr int kBinNameWidest = 116;

constexpr PixelRect Box(int left, int top, Extent size) {
  return PixelRect{left, top, left + size.width, top + size.height};
}

}  // namespace

PixelRect ToPixels(const TwipsRect& rect, int dpi_x, int dpi_y) {
  const PixelPoint origin = ToPixels(rect.left, rect.top, dpi_x, dpi_y);
  return Box(origin.x, origin.y,
             Extent{TwipsToPixels(rect.width, dpi_x), TwipsToPixels(rect.height, dpi_y)});
}

PixelPoint ToPixels(int x_twips, int y_twips, int dpi_x, int dpi_y) {
  return PixelPoint{TwipsToPixels(x_twips, dpi_x), TwipsToPixels(y_twips, dpi_y)};
}

int PixelsToTwips(int pixels, int dpi) { return ScalePixels(pixels, kTwipsPerInch, dpi); }

int FontHeight(int hundredths_of_point, int dpi) {
  return -ScalePixels(hundredths_of_point, dpi, 72 * 100);
}

int Centred(int start, int room, int length) { return start + (room - length) / 2; }

PixelRect Resized(const PixelRect& box, Extent size) { return Box(box.left, box.top, size); }

ControlRoom RoomInWindow(int label_left, int client_width, int dpi_x) {
  return ControlRoom{std::min(label_left, kRoomMargin),
                     PixelsToTwips(client_width, dpi_x) - kRoomMargin};
}

LabelPlace PlaceLabel(const PixelRect& box, bool sized_to_text, bool may_move,
                      const ControlRoom& room, int dpi_x, const TextMeasure& text) {
  if (!sized_to_text) {
    if (!may_move) return {box, false};
    const int height = text.WrappedHeight(box.Width());
    return {Resized(box, Extent{box.Width(), std::max(height, box.Height())}), false};
  }
  const Extent line = text.Line();
  const int room_left = TwipsToPixels(room.left, dpi_x);
  const int room_width = TwipsToPixels(room.right, dpi_x) - room_left;
  if (!may_move || box.left + line.width <= room_left + room_width) {
    return {Resized(box, line), false};
  }
  if (line.width <= room_width) {
    return {Box(Centred(room_left, room_width, line.width), box.top, line), false};
  }
  return {Box(room_left, box.top, Extent{room_width, text.WrappedHeight(room_width)}), true};
}

std::optional<std::array<PixelRect, 3>> ArrangeButtonRow(const ButtonRow& row,
                                                         const std::array<int, 3>& caption_widths,
                                                         int client_width, int dpi_x, int dpi_y) {
  const int padding = TwipsToPixels(row.padding, dpi_x);
  std::array<int, 3> widths{};
  bool wider = false;
  int row_width = 2 * TwipsToPixels(row.gap, dpi_x);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    widths[i] = TwipsToPixels(row.design[i].width, dpi_x);
    if (caption_widths[i] + padding > widths[i]) {
      widths[i] = caption_widths[i] + padding;
      wider = true;
    }
    row_width += widths[i];
  }
  if (!wider) return std::nullopt;
  int left = std::max(Centred(0, client_width, row_width), TwipsToPixels(row.margin, dpi_x) / 2);
  std::array<PixelRect, 3> boxes{};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const PixelRect design = ToPixels(row.design[i], dpi_x, dpi_y);
    boxes[i] = Box(left, design.top, Extent{widths[i], design.Height()});
    left += widths[i] + TwipsToPixels(row.gap, dpi_x);
  }
  return boxes;
}

PixelRect PlaceStockPicture(const PixelRect& design, Extent picture, const TextMeasure& name) {
  const int widest =
      std::max(picture.width, ScalePixels(kBinNameWidest, picture.width, kStockWidth));
  const int width = std::clamp(name.Line().width + 4, picture.width, widest);
  const int art = ScalePixels(kStockArtHeight, picture.height, kStockHeight);
  const int height = std::max(picture.height, art + name.WrappedHeight(width) + 2);
  return Box(Centred(design.left, picture.width, width), design.top, Extent{width, height});
}

StockPictureParts DivideStockPicture(const PixelRect& item, Extent picture) {
  const int art = ScalePixels(kStockArtHeight, picture.height, kStockHeight);
  return StockPictureParts{Box(Centred(item.left, item.Width(), picture.width), item.top, picture),
                           PixelRect{item.left, item.top, item.right, item.top + art},
                           PixelRect{item.left, item.top + art, item.right, item.bottom}};
}

PixelLine RuleLine(const TwipsLine& line, int notice_design_right, int notice_right, int dpi_x,
                   int dpi_y) {
  PixelPoint from = ToPixels(line.x1, line.y1, dpi_x, dpi_y);
  if (line.x1 > notice_design_right) {
    from.x = std::max(from.x, notice_right + TwipsToPixels(line.x1 - notice_design_right, dpi_x));
  }
  return PixelLine{from, ToPixels(line.x2, line.y2, dpi_x, dpi_y)};
}

}  // namespace kelvoro
