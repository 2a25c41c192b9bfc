#pragma once

#include <string_view>

namespace kelvoro {

// True when `a` and `b` hold the same text, the letters A to Z and a to z counting as equal.
// Only those letters fold: file names and web addresses must not compare by the C library's
// locale.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace kelvoro
