#pragma once

#include "platform/ports/registry_port.h"

namespace kelvoro::win32 {

// RegistryPort over advapi32's ANSI entry points, and RegSetValueExW for SetValueW. A KeyHandle is
// the HKEY itself; whoever opens a key (RegKey, in the program's logic) closes it. Every operation
// returns the system's status and raises nothing; on a non-zero status the output arguments are
// left as they were.
class RegistryWin32 final : public RegistryPort {
 public:
  [[nodiscard]] RegStatus OpenKey(RootKey root, const std::string& path, KeyAccess access,
                                  KeyHandle& key) noexcept override;
  [[nodiscard]] RegStatus CreateKey(KeyHandle parent, const std::string& child,
                                    KeyHandle& key) noexcept override;
  [[nodiscard]] RegStatus SetValue(KeyHandle key, const std::string& name, ValueType type,
                                   const void* data, std::uint32_t size) noexcept override;
  [[nodiscard]] RegStatus SetValueW(KeyHandle key, const std::u16string& name, ValueType type,
                                    const void* data, std::uint32_t size) noexcept override;
  [[nodiscard]] RegStatus QueryValue(KeyHandle key, const std::string& name, ValueType& type,
                                     void* data, std::uint32_t& size) noexcept override;
  void CloseKey(KeyHandle key) noexcept override;
  void FlushCurrentUser() noexcept override;
};

}  // namespace kelvoro::win32
