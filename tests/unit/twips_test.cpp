#include "app/twips.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kelvoro
