#include <gtest/gtest.h>

#include "app/display_scale.h"
#include "app/twips.h"

namespace kelvoro {
namespace {

static_assert(TwipsToPixels(1440, 96) == 96, "usable where a constant is needed");

// As MulDiv(twips, dpi, 1440): to the nearest pixel, a half away from zero, negatives mirrored.
TEST(TwipsToPixels, RoundsLikeMulDivAtEveryDpi) {
  // clang-format off
  const int cases[][3] = {{6735, 96, 449}, {6735, 120, 561}, {6735, 144, 674}, {6735, 192, 898},
                          {7, 96, 0}, {8, 96, 1}, {6, 120, 1}, {-6, 120, -1}, {-7, 96, 0},
                          {-1320, 144, -132}, {-96000000, 96, -6400000}};
  // clang-format on
  for (const auto& [twips, dpi, pixels] : cases) {
    EXPECT_EQ(pixels, TwipsToPixels(twips, dpi)) << twips << " twips at " << dpi;
  }
}

TEST(ArtScaleFor, TakesTheSmallestScaleAtLeastAsLargeAsTheDpi) {
  // clang-format off
  const int cases[][2] = {{72, 100}, {96, 100}, {97, 150}, {120, 150}, {144, 150}, {145, 200},
                          {168, 200}, {192, 200}, {193, 250}, {240, 250}, {288, 250}};
  // clang-format on
  for (const auto& [dpi, scale] : cases) EXPECT_EQ(scale, ArtScaleFor(dpi)) << dpi << " dpi";
}

TEST(ScalePixels, RoundsLikeMulDiv) {
  // The logo (64 x 66), the stock picture (69 x 55) and the arrow (49 x 29) at each scale's DPI
  // and at 125 % of the scale's pictures.
  // clang-format off
  const int cases[][3] = {{64, 96, 64}, {66, 120, 83}, {69, 144, 104}, {55, 144, 83},
                          {49, 240, 123}, {29, 240, 73}, {29, 168, 51}, {-3, 144, -5}};
  // clang-format on
  for (const auto& [pixels, dpi, scaled] : cases) {
    EXPECT_EQ(scaled, ScalePixels(pixels, dpi)) << pixels << " at " << dpi;
  }
  EXPECT_EQ(83, ScalePixels(66, 125, 100));
}

}  // namespace
}  // namespace kelvoro
