#pragma once

// Unpacking of deflate (RFC 1951, without a zlib or gzip wrapper), the form in which the build
// stores the catalogues in the program (res/tools/pack_catalogues.py). Portable, for every Windows
// the program runs on.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvoro {

// The bytes `packed` unpacks to; nothing when it is malformed (a block type, code or length
// that deflate does not allow, a copy from before the start, a stream cut short) or unpacks to
// more than `limit` bytes. Reads and writes nothing outside `packed` and the result.
std::optional<std::string> Inflate(std::string_view packed, std::size_t limit);

}  // namespace kelvoro
