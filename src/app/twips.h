#pragma once

namespace kelvoro {

// Twips per inch: 1440 (15 twips make one pixel at 96 dots per inch).
inline constexpr int kTwipsPerInch = 1440;

// A rectangle in twips (1/1440 inch), relative to the client area of its window.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// A straight line in twips; both ends may lie outside the client area, which cuts them off.
struct TwipsLine {
  int x1;
  int y1;
  int x2;
  int y2;
};

// Converts a length or coordinate in twips to pixels at `dpi` dots per inch, rounding exactly as
// MulDiv(twips, dpi, 1440) does: to the nearest pixel, a half away from zero, so that -1320 twips
// and 1320 twips land on mirrored pixels.
constexpr int TwipsToPixels(int twips, int dpi) {
  const long long product = static_cast<long long>(twips) * dpi;
  constexpr long long kHalf = kTwipsPerInch / 2;
  return static_cast<int>(product >= 0 ? (product + kHalf) / kTwipsPerInch
                                       : -((-product + kHalf) / kTwipsPerInch));
}

}  // namespace kelvoro
