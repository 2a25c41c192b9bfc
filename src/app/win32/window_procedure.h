#pragma once

#include <windows.h>

namespace kelvoro::win32 {

// The window procedure of a window class whose windows are objects of type T. The object comes
// with CreateWindowEx's creation data; from WM_NCCREATE on it is bound to its window
// (GWLP_USERDATA, and T::window_) and every message goes to T::HandleMessage. This is the last
// place that catches: no exception ever unwinds into user32. T befriends this template.
template <typename T>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    T* self = nullptr;
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      self = static_cast<T*>(create->lpCreateParams);
      ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      self->window_ = window;
    } else {
      self = reinterpret_cast<T*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (self == nullptr) return ::DefWindowProcA(window, message, wparam, lparam);
    return self->HandleMessage(message, wparam, lparam);
  } catch (...) {
    return 0;
  }
}

}  // namespace kelvoro::win32
