#pragma once

#include <cstdint>
#include <string>

namespace kelvoro {

// A registry status as the system returns it: 0 is success, anything else is failure and no
// caller tells failure codes apart.
using RegStatus = std::int32_t;
inline constexpr RegStatus kRegSuccess = 0;

enum class RootKey { kCurrentUser, kLocalMachine };
enum class KeyAccess { kRead, kWrite };

// The value types the program writes. A value read back may carry any other type number, which
// this enumeration holds as it is.
enum class ValueType : std::uint32_t { kSz = 1, kExpandSz = 2, kDword = 4 };

// An open key as the port hands it out. Zero never names an open key.
using KeyHandle = std::uintptr_t;

// The registry entry points the program uses. Texts are in the system's ANSI code page, except
// SetValueW's, which are UTF-16: NT keeps every registry text in UTF-16 whichever entry point
// wrote it, so a text the code page can express is stored the same either way. The operations
// report through their status and raise nothing of their own; on a non-zero status the output
// arguments are left untouched.
class RegistryPort {
 public:
  virtual ~RegistryPort() = default;

  // Opens an existing key; a missing key is a non-zero status, never a new key.
  [[nodiscard]] virtual RegStatus OpenKey(RootKey root, const std::string& path, KeyAccess access,
                                          KeyHandle& key) = 0;
  // Creates one child under an open parent, or opens it where it exists already.
  [[nodiscard]] virtual RegStatus CreateKey(KeyHandle parent, const std::string& child,
                                            KeyHandle& key) = 0;
  // `size` counts the bytes of `data`; for a text that includes its terminating zero.
  [[nodiscard]] virtual RegStatus SetValue(KeyHandle key, const std::string& name, ValueType type,
                                           const void* data, std::uint32_t size) = 0;
  // The same through the wide entry point: `name` and a text's data are UTF-16.
  [[nodiscard]] virtual RegStatus SetValueW(KeyHandle key, const std::u16string& name,
                                            ValueType type, const void* data,
                                            std::uint32_t size) = 0;
  // `size` holds the buffer's size on entry and the value's size on success, when `type` also
  // receives the value's type. A value larger than the buffer is a non-zero status.
  [[nodiscard]] virtual RegStatus QueryValue(KeyHandle key, const std::string& name,
                                             ValueType& type, void* data, std::uint32_t& size) = 0;
  virtual void CloseKey(KeyHandle key) = 0;
  virtual void FlushCurrentUser() = 0;
};

}  // namespace kelvoro
