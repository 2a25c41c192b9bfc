#pragma once

#include "platform/ports/browser_port.h"
#include "platform/win32/shell_services.h"

namespace kelvoro::win32 {

// BrowserPort over the system's browser automation object (reached through IDispatch by name,
// as a script would) and, in its place, the shell's handler for web addresses.
class BrowserWin32 final : public BrowserPort {
 public:
  explicit BrowserWin32(ShellServices& shell) noexcept : shell_(shell) {}

  bool OpenWithAutomation(const std::string& address) override;
  bool OpenWithShell(const std::string& address) override;

 private:
  ShellServices& shell_;
};

}  // namespace kelvoro::win32
