#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <cstring>
#include <new>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace kelvoro::win32 {
namespace {

HKEY ToHkey(KeyHandle key) noexcept { return reinterpret_cast<HKEY>(key); }
KeyHandle ToKeyHandle(HKEY key) noexcept { return reinterpret_cast<KeyHandle>(key); }

HKEY RootHkey(RootKey root) noexcept {
  return root == RootKey::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

}  // namespace

RegStatus RegistryWin32::OpenKey(RootKey root, const std::string& path, KeyAccess access,
                                 KeyHandle& key) noexcept {
  const REGSAM sam = access == KeyAccess::kRead ? KEY_READ : KEY_WRITE;
  UniqueHKey opened;
  const LONG status =
      ::RegOpenKeyExA(RootHkey(root), path.c_str(), 0 /* reserved */, sam, opened.put());
  if (status == ERROR_SUCCESS) key = ToKeyHandle(opened.release());
  return status;
}

RegStatus RegistryWin32::CreateKey(KeyHandle parent, const std::string& child,
                                   KeyHandle& key) noexcept {
  UniqueHKey created;
  const LONG status = ::RegCreateKeyA(ToHkey(parent), child.c_str(), created.put());
  if (status == ERROR_SUCCESS) key = ToKeyHandle(created.release());
  return status;
}

RegStatus RegistryWin32::SetValue(KeyHandle key, const std::string& name, ValueType type,
                                  const void* data, std::uint32_t size) noexcept {
  // An empty name is the key's default value.
  return ::RegSetValueExA(ToHkey(key), name.c_str(), 0 /* reserved */, static_cast<DWORD>(type),
                          static_cast<const BYTE*>(data), size);
}

RegStatus RegistryWin32::SetValueW(KeyHandle key, const std::u16string& name, ValueType type,
                                   const void* data, std::uint32_t size) noexcept {
  return ::RegSetValueExW(ToHkey(key), WidePointer(name), 0 /* reserved */,
                          static_cast<DWORD>(type), static_cast<const BYTE*>(data), size);
}

RegStatus RegistryWin32::QueryValue(KeyHandle key, const std::string& name, ValueType& type,
                                    void* data, std::uint32_t& size) noexcept {
  // The system may scribble over a buffer that turns out too small, so the data lands in a
  // scratch buffer first and reaches the caller's only on success.
  std::vector<BYTE> scratch;
  try {
    scratch.resize(size == 0 ? 1 : size);
  } catch (const std::bad_alloc&) {
    return ERROR_OUTOFMEMORY;
  }
  DWORD queried = size;
  DWORD queried_type = REG_NONE;
  const LONG status = ::RegQueryValueExA(ToHkey(key), name.c_str(), nullptr /* reserved */,
                                         &queried_type, scratch.data(), &queried);
  if (status != ERROR_SUCCESS) return status;
  if (queried > size) return ERROR_MORE_DATA;
  if (queried != 0) std::memcpy(data, scratch.data(), queried);
  size = queried;
  type = static_cast<ValueType>(queried_type);
  return status;
}

void RegistryWin32::CloseKey(KeyHandle key) noexcept { ::RegCloseKey(ToHkey(key)); }

void RegistryWin32::FlushCurrentUser() noexcept { ::RegFlushKey(HKEY_CURRENT_USER); }

}  // namespace kelvoro::win32
