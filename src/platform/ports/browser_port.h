#pragma once

#include <string>

namespace kelvoro {

// Opens web pages for the link labels.
class BrowserPort {
 public:
  virtual ~BrowserPort() = default;
  // A new instance of the system's browser automation object, made visible and sent to
  // `address`, then released. Returns false, or raises, when any of that is refused.
  virtual bool OpenWithAutomation(const std::string& address) = 0;
  // The user's default browser, through the shell. Returns false when the shell refuses.
  virtual bool OpenWithShell(const std::string& address) = 0;
};

}  // namespace kelvoro
