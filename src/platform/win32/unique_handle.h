#pragma once

#include <windows.h>

#include <utility>

namespace kelvoro::win32 {

// Owns one Win32 handle and releases it with `Closer` when it goes out of scope. Move-only.
// A value-initialised T (a null handle) means "owns nothing"; the closer never sees it.
template <typename T, typename Closer>
class UniqueHandle {
 public:
  UniqueHandle() noexcept = default;
  explicit UniqueHandle(T handle) noexcept : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  T get() const noexcept { return handle_; }
  // Releases what is held and hands out the slot, for a Win32 out-parameter.
  T* put() noexcept {
    reset();
    return &handle_;
  }
  [[nodiscard]] T release() noexcept { return std::exchange(handle_, T{}); }
  void reset(T handle = T{}) noexcept {
    const T old = std::exchange(handle_, handle);
    if (old != T{}) Closer{}(old);
  }
  explicit operator bool() const noexcept { return handle_ != T{}; }

 private:
  T handle_{};
};

struct RegKeyCloser {
  void operator()(HKEY key) const noexcept { ::RegCloseKey(key); }
};
struct GdiObjectCloser {
  void operator()(HGDIOBJ object) const noexcept { ::DeleteObject(object); }
};
struct IconCloser {
  void operator()(HICON icon) const noexcept { ::DestroyIcon(icon); }
};
struct CursorCloser {
  void operator()(HCURSOR cursor) const noexcept { ::DestroyCursor(cursor); }
};
struct MemoryDcCloser {
  void operator()(HDC dc) const noexcept { ::DeleteDC(dc); }
};
struct WindowCloser {
  void operator()(HWND window) const noexcept { ::DestroyWindow(window); }
};

using UniqueHKey = UniqueHandle<HKEY, RegKeyCloser>;
using UniqueHFont = UniqueHandle<HFONT, GdiObjectCloser>;
using UniqueHBrush = UniqueHandle<HBRUSH, GdiObjectCloser>;
using UniqueHPen = UniqueHandle<HPEN, GdiObjectCloser>;
using UniqueHBitmap = UniqueHandle<HBITMAP, GdiObjectCloser>;
using UniqueHIcon = UniqueHandle<HICON, IconCloser>;
using UniqueHCursor = UniqueHandle<HCURSOR, CursorCloser>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcCloser>;
using UniqueHWnd = UniqueHandle<HWND, WindowCloser>;

}  // namespace kelvoro::win32
