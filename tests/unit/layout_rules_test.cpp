#include "app/layout_rules.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kelvoro {

std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
  return out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

namespace {

// A text of one line `line` wide and high that wraps into as many lines as that width needs.
struct Text final : TextMeasure {
  explicit Text(Extent line) : line(line) {}
  Extent Line() const override { return line; }
  int WrappedHeight(int width) const override {
    return line.height * ((line.width + width - 1) / width);
  }
  Extent line;
};

TEST(LayoutRules, ConvertTwipsCornerAndSizeEachOnItsOwn) {
  EXPECT_EQ((PixelRect{1, 1, 2, 2}), ToPixels(TwipsRect{8, 8, 8, 8}, 96, 96));
  EXPECT_EQ((PixelRect{96, 192, 192, 384}), ToPixels(TwipsRect{1440, 1440, 1440, 1440}, 96, 192));
  EXPECT_EQ(-132, ToPixels(-1320, 8, 144, 96).x);
  EXPECT_EQ(1, ToPixels(-1320, 8, 144, 96).y);
  const int back[][3] = {{449, 96, 6735}, {561, 120, 6732}, {1, 7, 206}, {1, 6, 240}};
  for (const auto& [pixels, dpi, twips] : back) {
    EXPECT_EQ(twips, PixelsToTwips(pixels, dpi)) << pixels << " px at " << dpi;
  }
  EXPECT_EQ(-11, FontHeight(825, 96));
  EXPECT_EQ(-23, FontHeight(1125, 144));  // 22.5 rounds away from zero
  EXPECT_EQ(-108, Centred(0, 449, 666));  // halved towards zero
  EXPECT_EQ(120, RoomInWindow(300, 305, 96).left);
  EXPECT_EQ(4455, RoomInWindow(300, 305, 96).right);
  EXPECT_EQ(60, RoomInWindow(60, 305, 96).left);
}

// Room 240..3240 twips: 16..216 pixels at 96 dpi, 24..324 at 144 dpi; the label at x = 40.
TEST(LayoutRules, ALabelFitsThenCentresThenWrapsInItsRoom) {
  struct Case {
    bool sized, may_move;
    int dpi, line_width;
    PixelRect expected;
    bool wraps;
  };
  const PixelRect at40{40, 10, 90, 26};
  const PixelRect tagline{16, 48, 337, 65};  // 17 high, not sized to its text
  // clang-format off
  const Case cases[] = {
      {true, false, 96, 300, {40, 10, 340, 26}, false},    // English: never moves
      {true, true, 96, 176, {40, 10, 216, 26}, false},     // ends at the room's edge
      {true, true, 96, 177, {27, 10, 204, 26}, false},     // a pixel too wide: centred
      {true, true, 96, 200, {16, 10, 216, 26}, false},     // as wide as the room
      {true, true, 96, 201, {16, 10, 216, 42}, true},      // a pixel wider: two lines
      {true, true, 96, 450, {16, 10, 216, 58}, true},      // three lines
      {true, true, 144, 284, {40, 10, 324, 26}, false},    // the room at 144 dpi
      {true, true, 144, 285, {31, 10, 316, 26}, false},
      {true, true, 144, 301, {24, 10, 324, 42}, true},
      {false, false, 96, 700, tagline, false},             // English keeps its box
      {false, true, 96, 321, tagline, false},              // one line: its own height
      {false, true, 96, 642, {16, 48, 337, 80}, false},    // two lines grow it
      {false, true, 96, 700, {16, 48, 337, 96}, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    const PixelRect& box = c.sized ? at40 : tagline;
    const LabelPlace place = PlaceLabel(box, c.sized, c.may_move, ControlRoom{240, 3240}, c.dpi,
                                        Text({c.line_width, 16}));
    EXPECT_EQ(c.expected, place.box) << c.line_width << " px at " << c.dpi;
    EXPECT_EQ(c.wraps, place.wraps) << c.line_width << " px at " << c.dpi;
  }
}

// The main window's row: 89, 121 and 81 pixels at 96 dpi, 15 apart, 12 beside a caption.
TEST(LayoutRules, AWiderCaptionWidensItsButtonAndCentresTheRow) {
  const ButtonRow row{
      {{{1080, 4680, 1335, 375}, {2640, 4680, 1815, 375}, {4680, 4680, 1215, 375}}}, 225, 180, 240};
  EXPECT_FALSE(ArrangeButtonRow(row, {77, 109, 69}, 449, 96, 96).has_value()) << "fits exactly";
  struct Case {
    std::array<int, 3> captions;
    int dpi;
    std::array<int, 3> lefts, rights;
    int top, bottom;
  };
  // clang-format off
  const Case cases[] = {
      {{77, 110, 69}, 96, {63, 167, 304}, {152, 289, 385}, 312, 337},   // a pixel too wide
      {{78, 0, 0}, 96, {63, 168, 304}, {153, 289, 385}, 312, 337},
      {{200, 200, 200}, 96, {8, 235, 462}, {220, 447, 674}, 312, 337},  // wider than the window
      {{120, 170, 80}, 144, {89, 250, 461}, {227, 438, 583}, 468, 506},
  };
  // clang-format on
  for (const Case& c : cases) {
    const auto boxes = ArrangeButtonRow(row, c.captions, 449 * c.dpi / 96, c.dpi, c.dpi);
    ASSERT_TRUE(boxes.has_value()) << c.captions[0];
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ((PixelRect{c.lefts[i], c.top, c.rights[i], c.bottom}), (*boxes)[i])
          << "button " << i << " of " << c.captions[0] << ',' << c.captions[1];
    }
  }
}

// The stock picture's box at 96 dpi is 40,135 69 x 55; a name may take 116 pixels.
TEST(LayoutRules, TheBinsNameWidensTheStockPictureUpToItsLimit) {
  struct Case {
    Extent picture;
    int line_width;
    PixelRect expected;
  };
  // clang-format off
  const Case cases[] = {
      {{69, 55}, 65, {40, 135, 109, 190}},   // fits exactly, picture's height
      {{69, 55}, 66, {40, 135, 110, 190}},   // a pixel too wide
      {{69, 55}, 112, {17, 135, 133, 190}},  // as wide as it may be
      {{69, 55}, 150, {17, 135, 133, 199}},  // wider: wrapped, two lines
      {{104, 83}, 351, {5, 135, 180, 230}},  // 150 %: 175 wide at most, bin 57 rows high
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected,
              PlaceStockPicture({40, 135, 109, 190}, c.picture, Text({c.line_width, 12})))
        << c.line_width << " px";
  }
  const StockPictureParts parts = DivideStockPicture({17, 135, 133, 203}, {69, 55});
  EXPECT_EQ((PixelRect{40, 135, 109, 190}), parts.picture);
  EXPECT_EQ((PixelRect{17, 135, 133, 173}), parts.art);
  EXPECT_EQ((PixelRect{17, 173, 133, 203}), parts.name);
}

// Line1 starts 125 twips (8 pixels) after the notice's design end; Line2 ends before it.
TEST(LayoutRules, TheRulesGapFollowsTheNoticeLine) {
  const TwipsLine line1{2720, 2760, 6360, 2760};
  const int cases[][2] = {{173, 181}, {150, 181}, {174, 182}, {300, 308}};
  for (const auto& [notice_right, from_x] : cases) {
    const PixelLine line = RuleLine(line1, 2595, notice_right, 96, 96);
    EXPECT_EQ(from_x, line.from.x) << "notice ends at " << notice_right;
    EXPECT_EQ(184, line.from.y);
    EXPECT_EQ(424, line.to.x);
  }
  EXPECT_EQ(276, RuleLine(line1, 2595, 300, 96, 144).to.y);
  const PixelLine line2 = RuleLine({-600, 2760, 240, 2760}, 2595, 300, 96, 96);
  EXPECT_EQ(173, RuleLine({2595, 2760, 6360, 2760}, 2595, 300, 96, 96).from.x) << "no gap before";
  EXPECT_EQ(-40, line2.from.x);
  EXPECT_EQ(16, line2.to.x);
}

}  // namespace
}  // namespace kelvoro
