#include "texts/inflate.h"

#include <array>
#include <cstdint>

namespace kelvoro {
namespace {

// The bits of `in`, least significant first; once they run out every read gives 0 and `failed`.
class Bits {
 public:
  explicit Bits(std::string_view in) : in_(in) {}

  unsigned Take(int count) {
    while (held_ < count) {
      if (at_ == in_.size()) {
        failed = true;
        return 0;
      }
      buffer_ |= static_cast<std::uint32_t>(static_cast<unsigned char>(in_[at_++])) << held_;
      held_ += 8;
    }
    const unsigned value = buffer_ & ((1u << count) - 1);
    buffer_ >>= count;
    held_ -= count;
    return value;
  }
  // A stored block's bytes: from the next whole byte on.
  std::string_view Bytes(std::size_t count) {
    buffer_ = 0;
    held_ = 0;
    if (in_.size() - at_ < count) {
      failed = true;
      return {};
    }
    at_ += count;
    return in_.substr(at_ - count, count);
  }

  bool failed = false;

 private:
  std::string_view in_;
  std::size_t at_ = 0;
  std::uint32_t buffer_ = 0;
  int held_ = 0;
};

// A canonical Huffman code: how many codes of each length, and the symbols in code order.
struct Code {
  std::array<short, 16> count{};
  std::array<short, 288> symbol{};
};

// The code of `lengths` (0: a symbol without a code); false for one with more codes than its
// lengths allow. One with fewer is kept: bits that are none of its codes fail to decode.
bool Build(Code& code, const short* lengths, int symbols) {
  for (int s = 0; s < symbols; ++s) ++code.count[lengths[s]];
  int left = 1;
  for (int length = 1; length < 16; ++length) {
    left = 2 * left - code.count[length];
    if (left < 0) return false;
  }
  std::array<short, 16> offset{};
  for (int length = 1; length < 15; ++length) {
    offset[length + 1] = static_cast<short>(offset[length] + code.count[length]);
  }
  for (int s = 0; s < symbols; ++s) {
    if (lengths[s] != 0) code.symbol[offset[lengths[s]]++] = static_cast<short>(s);
  }
  return true;
}

// The next symbol of `code`; -1 for bits that are no code of it.
int Decode(Bits& in, const Code& code) {
  int bits = 0, first = 0, index = 0;
  for (int length = 1; length < 16; ++length) {
    bits |= static_cast<int>(in.Take(1));
    const int count = code.count[length];
    if (bits - first < count) return code.symbol[index + bits - first];
    index += count;
    first = (first + count) << 1;
    bits <<= 1;
  }
  return -1;
}

constexpr short kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                   31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr short kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr short kDistanceBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                     33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                     1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr short kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                      6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// A block's bytes and copies, up to its end code.
bool Symbols(Bits& in, const Code& lengths, const Code& distances, std::string& out,
             std::size_t limit) {
  for (;;) {
    const int symbol = Decode(in, lengths);
    if (symbol < 0 || in.failed) return false;
    if (symbol == 256) return true;
    if (symbol < 256) {
      if (out.size() == limit) return false;
      out += static_cast<char>(symbol);
      continue;
    }
    if (symbol - 257 >= 29) return false;
    const std::size_t length = kLengthBase[symbol - 257] + in.Take(kLengthExtra[symbol - 257]);
    const int distance_symbol = Decode(in, distances);
    if (distance_symbol < 0 || distance_symbol >= 30) return false;
    const std::size_t distance =
        kDistanceBase[distance_symbol] + in.Take(kDistanceExtra[distance_symbol]);
    if (in.failed || distance > out.size() || length > limit - out.size()) return false;
    for (std::size_t i = 0; i < length; ++i) out += out[out.size() - distance];
  }
}

// A block of the codes deflate fixes.
bool FixedBlock(Bits& in, std::string& out, std::size_t limit) {
  short lengths[288];
  for (int s = 0; s < 288; ++s) lengths[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
  Code literal, distance;
  Build(literal, lengths, 288);
  for (short& length : lengths) length = 5;
  Build(distance, lengths, 30);
  return Symbols(in, literal, distance, out, limit);
}

// A block that brings its codes, themselves coded.
bool DynamicBlock(Bits& in, std::string& out, std::size_t limit) {
  const int literals = static_cast<int>(in.Take(5)) + 257;
  const int distances = static_cast<int>(in.Take(5)) + 1;
  const int code_lengths = static_cast<int>(in.Take(4)) + 4;
  if (literals > 286 || distances > 30) return false;
  static constexpr std::uint8_t kOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                              11, 4,  12, 3, 13, 2, 14, 1, 15};
  short lengths[316] = {};
  for (int i = 0; i < code_lengths; ++i) lengths[kOrder[i]] = static_cast<short>(in.Take(3));
  Code lengths_code;
  if (!Build(lengths_code, lengths, 19)) return false;
  for (int at = 0; at < literals + distances;) {
    const int symbol = Decode(in, lengths_code);
    if (symbol < 0 || in.failed) return false;
    if (symbol < 16) {
      lengths[at++] = static_cast<short>(symbol);
      continue;
    }
    if (symbol == 16 && at == 0) return false;
    const short repeated = symbol == 16 ? lengths[at - 1] : 0;
    const int times = symbol == 16   ? 3 + static_cast<int>(in.Take(2))
                      : symbol == 17 ? 3 + static_cast<int>(in.Take(3))
                                     : 11 + static_cast<int>(in.Take(7));
    if (at + times > literals + distances) return false;
    for (int i = 0; i < times; ++i) lengths[at++] = repeated;
  }
  Code literal, distance;
  return Build(literal, lengths, literals) && Build(distance, lengths + literals, distances) &&
         Symbols(in, literal, distance, out, limit);
}

}  // namespace

std::optional<std::string> Inflate(std::string_view packed, std::size_t limit) {
  Bits in(packed);
  std::string out;
  for (bool last = false; !last;) {
    last = in.Take(1) != 0;
    const unsigned type = in.Take(2);
    bool read = false;
    if (type == 0) {
      const std::string_view sizes = in.Bytes(4);
      const auto word = [&sizes](int at) {
        return static_cast<unsigned>(static_cast<unsigned char>(sizes[at])) |
               static_cast<unsigned>(static_cast<unsigned char>(sizes[at + 1])) << 8;
      };
      const std::size_t size = in.failed ? 0 : word(0);
      read = !in.failed && word(0) == (~word(2) & 0xFFFF) && size <= limit - out.size();
      if (read) out += in.Bytes(size);
    } else if (type == 1) {
      read = FixedBlock(in, out, limit);
    } else if (type == 2) {
      read = DynamicBlock(in, out, limit);
    }
    if (!read || in.failed) return std::nullopt;
  }
  return out;
}

}  // namespace kelvoro
