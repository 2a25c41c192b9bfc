#pragma once

// A stand-in for the system header, just large enough to compile the window procedure template
// on the host and drive it with messages. The window data and the debugger's output it keeps are
// in kelvoro::testing::fake_user32.

#include <cstdint>
#include <map>
#include <string>

using HWND = struct HWND__*;
using UINT = unsigned;
using BOOL = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;

#define CALLBACK
#define FALSE 0
#define TRUE 1
#define WM_CREATE 0x0001
#define WM_NCCREATE 0x0081
#define GWLP_USERDATA (-21)

struct CREATESTRUCTA {
  void* lpCreateParams;
};

namespace kelvoro::testing::fake_user32 {
inline std::map<HWND, LONG_PTR> user_data;
inline std::string debug_output;
}  // namespace kelvoro::testing::fake_user32

inline LONG_PTR SetWindowLongPtrA(HWND window, int /*index: GWLP_USERDATA alone*/, LONG_PTR value) {
  LONG_PTR& slot = kelvoro::testing::fake_user32::user_data[window];
  const LONG_PTR previous = slot;
  slot = value;
  return previous;
}

inline LONG_PTR GetWindowLongPtrA(HWND window, int /*index: GWLP_USERDATA alone*/) {
  return kelvoro::testing::fake_user32::user_data[window];
}

inline LRESULT DefWindowProcA(HWND /*window*/, UINT message, WPARAM /*wparam*/, LPARAM /*lparam*/) {
  return message == WM_NCCREATE ? TRUE : 0;
}

inline void OutputDebugStringA(const char* text) {
  kelvoro::testing::fake_user32::debug_output += text;
}
