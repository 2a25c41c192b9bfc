#pragma once

#include <windows.h>

#include "platform/ports/message_port.h"

namespace kelvoro::win32 {

// MessagePort over MessageBoxA: title "Kelvoro", a single OK button, the requested icon,
// application-modal: while the box is open no window of the program takes input. The box is
// owned by the main window while that window is visible (by the About window once the main
// window has gone), and every other shown window of the program is disabled until it closes;
// during start-up, with no window shown yet, the box stands alone.
class MessageWin32 final : public MessagePort {
 public:
  // The main window, once it exists; until then every box stands alone.
  void SetMainWindow(HWND window) noexcept { main_window_ = window; }
  // Every box from now on reads right to left, right-aligned (MB_RTLREADING | MB_RIGHT), or as
  // the system reads it (false, the default).
  void SetRightToLeft(bool right_to_left) noexcept { right_to_left_ = right_to_left; }

  void Show(const std::string& text, MessageStyle style) override;

 private:
  HWND main_window_ = nullptr;
  bool right_to_left_ = false;
};

}  // namespace kelvoro::win32
