#include "texts/lznt1.h"

#include <cstdint>

namespace kelvoro {
namespace {

constexpr std::size_t kChunkSize = 4096;

unsigned WordAt(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]) |
         static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

// Appends what a compressed chunk's body unpacks to to `out`: groups of a flag byte and up to
// eight items, each a byte (its flag bit clear) or a copy of earlier bytes of the chunk (set).
bool UnpackChunk(std::string_view body, std::string& out, std::size_t limit) {
  const std::size_t start = out.size();
  std::size_t at = 0;
  while (at < body.size()) {
    const unsigned flags = static_cast<unsigned char>(body[at++]);
    for (unsigned item = 0; item < 8 && at < body.size(); ++item) {
      const std::size_t position = out.size() - start;
      if (position >= kChunkSize || out.size() >= limit) return false;
      if ((flags >> item & 1) == 0) {
        out += body[at++];
        continue;
      }
      if (position == 0 || body.size() - at < 2) return false;
      const unsigned word = WordAt(body, at);
      at += 2;
      // The copy's word: its distance less one in the high bits, as many as the position in
      // the chunk needs (4 to 12), and its length less three in the rest.
      unsigned length_bits = 12;
      for (std::size_t reach = position - 1; reach >= 0x10; reach >>= 1) --length_bits;
      const std::size_t distance = (word >> length_bits) + 1;
      const std::size_t length = (word & ((1u << length_bits) - 1)) + 3;
      if (distance > position || position + length > kChunkSize || length > limit - out.size()) {
        return false;
      }
      for (std::size_t i = 0; i < length; ++i) out += out[out.size() - distance];
    }
  }
  return true;
}

}  // namespace

std::optional<std::string> UnpackLznt1(std::string_view packed, std::size_t limit) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t chunk = 0; packed.size() - at >= 2; ++chunk) {
    const unsigned header = WordAt(packed, at);
    if (header == 0) return out;  // the end mark
    const std::size_t size = (header & 0xFFF) + 1;
    at += 2;
    if ((header >> 12 & 7) != 3 || size > packed.size() - at) return std::nullopt;
    // Every chunk but the last stands for 4096 bytes; what a shorter one leaves out is zeros.
    if (chunk * kChunkSize > limit) return std::nullopt;
    out.resize(chunk * kChunkSize, '\0');
    const std::string_view body = packed.substr(at, size);
    at += size;
    if ((header & 0x8000) != 0) {
      if (!UnpackChunk(body, out, limit)) return std::nullopt;
    } else if (size > limit - out.size()) {
      return std::nullopt;
    } else {
      out += body;
    }
  }
  if (at != packed.size()) return std::nullopt;
  return out;
}

}  // namespace kelvoro
