#pragma once

#include <windows.h>
// windows.h first: the COM headers need its types.
#include <objbase.h>
#include <oleauto.h>

#include <utility>

namespace kelvoro::win32 {

// COM for the calling thread, as a single-threaded apartment, for one scope. Uninitialises only
// when the initialisation succeeded. Not copyable.
class ComInitialization {
 public:
  ComInitialization() noexcept : result_(::CoInitialize(nullptr /* reserved */)) {}
  ~ComInitialization() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  ComInitialization(const ComInitialization&) = delete;
  ComInitialization& operator=(const ComInitialization&) = delete;

  bool Succeeded() const noexcept { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

// One reference to a COM object, released when it goes out of scope. Move-only.
template <typename T>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }

  T* get() const noexcept { return pointer_; }
  T* operator->() const noexcept { return pointer_; }
  // Releases what is held and hands out the slot, for an out-parameter.
  void** put_void() noexcept {
    reset();
    return reinterpret_cast<void**>(&pointer_);
  }
  void reset() noexcept {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }

 private:
  T* pointer_ = nullptr;
};

// A BSTR, freed when it goes out of scope. Not copyable.
class UniqueBstr {
 public:
  explicit UniqueBstr(const wchar_t* text) noexcept : bstr_(::SysAllocString(text)) {}
  ~UniqueBstr() { ::SysFreeString(bstr_); }
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;

  BSTR get() const noexcept { return bstr_; }
  explicit operator bool() const noexcept { return bstr_ != nullptr; }

 private:
  BSTR bstr_;
};

}  // namespace kelvoro::win32
