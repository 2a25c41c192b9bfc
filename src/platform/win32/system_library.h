#pragma once

#include <windows.h>

namespace kelvoro::win32 {

// One library of the system folder, loaded by its full path (never found through the search
// order) and freed when it goes out of scope. Libraries the program needs only now and then are
// loaded this way when first needed, so that start-up does not pay for them. Move-only.
class SystemLibrary {
 public:
  SystemLibrary() noexcept = default;
  explicit SystemLibrary(const char* file_name) noexcept;
  ~SystemLibrary();
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;
  SystemLibrary(SystemLibrary&& other) noexcept;
  SystemLibrary& operator=(SystemLibrary&& other) noexcept;

  explicit operator bool() const noexcept { return module_ != nullptr; }

  // The exported function `name` as a pointer of type `Function`, or nullptr.
  template <typename Function>
  Function Get(const char* name) const noexcept {
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace kelvoro::win32
