#pragma once

namespace kelvoro {

// Twips per inch: 1440 (15 twips make one pixel at 96 dots per inch).
inline constexpr int kTwipsPerInch = 1440;

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
