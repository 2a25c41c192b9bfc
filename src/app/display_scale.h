#pragma once

// Which of the program's pictures a display scale gets: the pictures are drawn for a few scales,
// and a DPI between two of them takes the larger one, scaled down to its own size.

#include <array>

namespace kelvoro {

// The scales the pictures are drawn at, in per cent of 96 dots per inch.
inline constexpr std::array<int, 4> kArtScales{100, 150, 200, 250};

// `pixels` at 96 dpi scaled to `dpi` (or a size at 100 % scaled to `dpi` = per cent), rounded as
// MulDiv(pixels, dpi, 96) rounds: to the nearest pixel, a half up.
constexpr int ScalePixels(int pixels, int dpi, int base = 96) {
  const long long product = static_cast<long long>(pixels) * dpi;
  return static_cast<int>(product >= 0 ? (product + base / 2) / base
                                       : -((-product + base / 2) / base));
}

// The scale whose pictures `dpi` is drawn from: the smallest one that is at least as large, or
// the largest when `dpi` goes beyond it.
constexpr int ArtScaleFor(int dpi) {
  for (const int scale : kArtScales) {
    if (static_cast<long long>(scale) * 96 >= static_cast<long long>(dpi) * 100) return scale;
  }
  return kArtScales.back();
}

}  // namespace kelvoro
