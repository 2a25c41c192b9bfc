#include "platform/win32/message_win32.h"

namespace kelvoro::win32 {

void MessageWin32::Show(const std::string& text, MessageStyle style) {
  const HWND owner =
      main_window_ != nullptr && ::IsWindow(main_window_) && ::IsWindowVisible(main_window_)
          ? main_window_
          : nullptr;
  ::MessageBoxA(owner, text.c_str(), kAppTitle, MB_OK | MB_APPLMODAL | static_cast<UINT>(style));
}

}  // namespace kelvoro::win32
