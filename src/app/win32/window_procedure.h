#pragma once

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <exception>

namespace kelvoro::win32 {

// The answer to a message whose handler raised `reason`. A failure while the window is being
// made fails its creation (WM_NCCREATE: FALSE, WM_CREATE: -1), so that CreateWindowEx destroys
// the half-built window and returns null, and it leaves a line in the debugger's output that
// names the window class. Any other message is answered as handled.
template <typename T>
LRESULT AnswerAfterFailure(UINT message, const char* reason) noexcept {
  if (message != WM_NCCREATE && message != WM_CREATE) return 0;
  // Put together by hand: the C library's formatting would be the largest part of the program.
  char line[256] = "Kelvoro: window ";
  std::size_t length = std::strlen(line);
  const auto append = [&](auto text) {
    for (; *text != 0 && length + 2 < sizeof line; ++text)
      line[length++] = static_cast<char>(*text);
  };
  append(T::kClassName);
  append(" not created: ");
  append(reason);
  line[length++] = '\n';
  line[length] = '\0';
  ::OutputDebugStringA(line);
  return message == WM_NCCREATE ? FALSE : -1;
}

// The window procedure of a window class whose windows are objects of type T. The object comes
// with CreateWindowEx's creation data; from WM_NCCREATE on it is bound to its window
// (GWLP_USERDATA, and T::window_) and every message goes to T::HandleMessage. This is the last
// place that catches: no exception ever unwinds into user32. T befriends this template and names
// its window class in T::kClassName.
template <typename T>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    T* self = nullptr;
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      self = static_cast<T*>(create->lpCreateParams);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      self->window_ = window;
    } else {
      self = reinterpret_cast<T*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (self == nullptr) return ::DefWindowProcW(window, message, wparam, lparam);
    return self->HandleMessage(message, wparam, lparam);
  } catch (const std::exception& error) {
    return AnswerAfterFailure<T>(message, error.what());
  } catch (...) {
    return AnswerAfterFailure<T>(message, "unknown failure");
  }
}

}  // namespace kelvoro::win32
