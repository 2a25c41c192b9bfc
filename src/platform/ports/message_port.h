#pragma once

#include <string>

namespace kelvoro {

// Icon styles of the program's message boxes; each box has a single OK button.
enum class MessageStyle : unsigned {
  kPlain = 0,
  kError = 16,        // MB_ICONERROR
  kExclamation = 48,  // MB_ICONEXCLAMATION
  kInformation = 64,  // MB_ICONINFORMATION
};

inline constexpr const char kAppTitle[] = "Kelvoro";

// Application-modal message boxes titled kAppTitle. Show returns when the user dismisses the box.
class MessagePort {
 public:
  virtual ~MessagePort() = default;
  virtual void Show(const std::string& text, MessageStyle style) = 0;
};

}  // namespace kelvoro
