#pragma once

#include <cstdint>
#include <string>

#include "platform/ports/registry_port.h"

namespace kelvoro {

// Owns at most one open key of a RegistryPort and closes it when it goes out of scope, when it
// takes another key (by Open, Create or a move) or on Close; Take hands it over instead.
// Move-only. Every operation returns the port's status and is [[nodiscard]]; on a non-zero status
// the object and the output argument are left as they were.
class RegKey {
 public:
  explicit RegKey(RegistryPort& registry) noexcept : registry_(&registry) {}
  ~RegKey() { Close(); }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  RegKey(RegKey&& other) noexcept;
  RegKey& operator=(RegKey&& other) noexcept;

  [[nodiscard]] RegStatus Open(RootKey root, const std::string& path, KeyAccess access);
  // Creates (or opens) `child` under the open key `parent`.
  [[nodiscard]] RegStatus Create(const RegKey& parent, const std::string& child);

  // Writes a text with its terminating zero; the size passed counts that zero.
  [[nodiscard]] RegStatus SetText(const std::string& name, ValueType type,
                                  const std::string& text) const;
  // The same through the wide entry point, for a text whatever its characters.
  [[nodiscard]] RegStatus SetWideText(const std::u16string& name, ValueType type,
                                      const std::u16string& text) const;
  // Writes a REG_DWORD: four bytes, little-endian.
  [[nodiscard]] RegStatus SetDword(const std::string& name, std::uint32_t value) const;
  // Reads a text through a 255-byte buffer. The text ends at the first zero byte or at the size
  // the query returned, whichever comes first, so a value stored without its terminating zero
  // is never read past its end.
  [[nodiscard]] RegStatus QueryText(const std::string& name, std::string& text) const;
  // The same, and the type the value is stored with, whatever it is.
  [[nodiscard]] RegStatus QueryText(const std::string& name, std::string& text,
                                    ValueType& type) const;
  // Reads up to four bytes into a 32-bit integer that starts at 0; the bytes fill it from its
  // low end, whatever type the value is stored with. Larger data is a non-zero status.
  [[nodiscard]] RegStatus QueryDword(const std::string& name, std::uint32_t& value) const;

  void Close() noexcept;
  bool Valid() const noexcept { return handle_ != 0; }
  KeyHandle Handle() const noexcept { return handle_; }
  // Hands the open key (0 when none) to the caller, who closes it from then on; the object holds
  // no key afterwards.
  [[nodiscard]] KeyHandle Take() noexcept;

  static constexpr std::uint32_t kTextBufferSize = 255;

 private:
  RegistryPort* registry_;
  KeyHandle handle_ = 0;
};

}  // namespace kelvoro
