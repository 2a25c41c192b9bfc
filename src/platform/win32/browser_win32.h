#pragma once

#include "app/web_link.h"

namespace kelvoro::win32 {

// BrowserPort over the system's browser automation object (reached through IDispatch by name,
// as a script would) and, in its place, the shell's handler for web addresses. Needs COM on the
// calling thread.
class BrowserWin32 final : public BrowserPort {
 public:
  bool OpenWithAutomation(const std::string& address) override;
  bool OpenWithShell(const std::string& address) override;
};

}  // namespace kelvoro::win32
