#include "app/twips.h"

#include <gtest/gtest.h>

namespace kelvoro {
namespace {

TEST(TwipsToPixels, FifteenTwipsArePixelAt96Dpi) {
  EXPECT_EQ(449, TwipsToPixels(6735, 96));
  EXPECT_EQ(362, TwipsToPixels(5430, 96));
  EXPECT_EQ(40, TwipsToPixels(600, 96));
  EXPECT_EQ(1, TwipsToPixels(15, 96));
  EXPECT_EQ(0, TwipsToPixels(0, 96));
}

TEST(TwipsToPixels, ScalesWithTheDpi) {
  EXPECT_EQ(561, TwipsToPixels(6735, 120));  // 561.25
  EXPECT_EQ(674, TwipsToPixels(6735, 144));  // 673.5
  EXPECT_EQ(898, TwipsToPixels(6735, 192));
  EXPECT_EQ(50, TwipsToPixels(600, 120));
  EXPECT_EQ(60, TwipsToPixels(600, 144));
  EXPECT_EQ(80, TwipsToPixels(600, 192));
}

TEST(TwipsToPixels, NegativeCoordinatesMirrorThePositiveOnes) {
  EXPECT_EQ(-88, TwipsToPixels(-1320, 96));
  EXPECT_EQ(-110, TwipsToPixels(-1320, 120));
  EXPECT_EQ(-132, TwipsToPixels(-1320, 144));
  EXPECT_EQ(-176, TwipsToPixels(-1320, 192));
  EXPECT_EQ(-674, TwipsToPixels(-6735, 144));
  EXPECT_EQ(-TwipsToPixels(1335, 120), TwipsToPixels(-1335, 120));
}

TEST(TwipsToPixels, RoundsToTheNearestPixel) {
  EXPECT_EQ(0, TwipsToPixels(7, 96));   // 0.47
  EXPECT_EQ(1, TwipsToPixels(8, 96));   // 0.53
  EXPECT_EQ(0, TwipsToPixels(-7, 96));  // -0.47
  EXPECT_EQ(-1, TwipsToPixels(-8, 96));
}

TEST(TwipsToPixels, AHalfRoundsAwayFromZeroLikeMulDiv) {
  EXPECT_EQ(1, TwipsToPixels(6, 120));    // exactly 0.5
  EXPECT_EQ(-1, TwipsToPixels(-6, 120));  // exactly -0.5
  EXPECT_EQ(674, TwipsToPixels(6735, 144));
  EXPECT_EQ(-674, TwipsToPixels(-6735, 144));
}

TEST(TwipsToPixels, IsUsableAtCompileTime) {
  static_assert(TwipsToPixels(1440, 96) == 96);
  static_assert(TwipsToPixels(-1320, 96) == -88);
  SUCCEED();
}

TEST(TwipsToPixels, LargeValuesDoNotOverflowTheProduct) {
  EXPECT_EQ(6400000, TwipsToPixels(96000000, 96));
  EXPECT_EQ(-6400000, TwipsToPixels(-96000000, 96));
}

}  // namespace
}  // namespace kelvoro
