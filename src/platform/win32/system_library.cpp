#include "platform/win32/system_library.h"

#include <string>
#include <utility>

namespace kelvoro::win32 {

SystemLibrary::SystemLibrary(const char* file_name) noexcept {
  char folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  try {
    const std::string path = std::string(folder, length) + "\\" + file_name;
    module_ = ::LoadLibraryA(path.c_str());
  } catch (...) {
    module_ = nullptr;
  }
}

SystemLibrary::~SystemLibrary() {
  if (module_ != nullptr) ::FreeLibrary(module_);
}

SystemLibrary::SystemLibrary(SystemLibrary&& other) noexcept
    : module_(std::exchange(other.module_, nullptr)) {}

SystemLibrary& SystemLibrary::operator=(SystemLibrary&& other) noexcept {
  if (this != &other) {
    if (module_ != nullptr) ::FreeLibrary(module_);
    module_ = std::exchange(other.module_, nullptr);
  }
  return *this;
}

}  // namespace kelvoro::win32
