#pragma once

#include <windows.h>

#include "platform/message_port.h"

namespace kelvoro::win32 {

// MessagePort over MessageBoxA: title "Kelvoro", a single OK button, the requested icon,
// application-modal. The box is owned by the main window while that window is visible, so that
// it blocks the window; during start-up, with the window not yet shown, it stands alone.
class MessageWin32 final : public MessagePort {
 public:
  // The main window, once it exists; until then every box stands alone.
  void SetMainWindow(HWND window) noexcept { main_window_ = window; }

  void Show(const std::string& text, MessageStyle style) override;

 private:
  HWND main_window_ = nullptr;
};

}  // namespace kelvoro::win32
