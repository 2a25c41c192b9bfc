#pragma once

// Unpacking of LZNT1, the format in which the build stores the catalogues in the program (the
// format of NTFS's compression, which res/tools/pack_catalogue.py writes). Portable, for every
// Windows the program runs on: the 9x family has no system call for it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvoro {

// The bytes `packed` unpacks to; nothing when it is malformed (a chunk's header or size that is
// wrong, a copy from before its chunk's start or beyond its 4096 bytes, an item cut short) or
// unpacks to more than `limit` bytes. Reads and writes nothing outside `packed` and the result.
std::optional<std::string> UnpackLznt1(std::string_view packed, std::size_t limit);

}  // namespace kelvoro
