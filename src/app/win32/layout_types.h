#pragma once

// Building blocks of the windows' layout tables: rectangles in twips and fonts.

#include <string_view>

namespace kelvoro::win32 {

// A rectangle in twips (1/1440 inch), relative to the client area of its window.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct FontSpec {
  std::string_view face;
  int hundredths_of_point;
  bool bold;
  bool underline;
};

}  // namespace kelvoro::win32
