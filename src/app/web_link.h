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

// True for a web page's address: "http://" or "https://" (in any letter case) and a host, with
// no blank, quote or control character anywhere. Anything else, a file or a program above all,
// is no link of ours.
bool IsWebAddress(const std::string& address);

// One click on a link: the automation object first; where it is missing or refuses a call the
// user's default browser, so that a click is never silently lost. Opens nothing unless
// IsWebAddress(address). Raises nothing.
void OpenWebPage(BrowserPort& browser, const std::string& address);

// The address a link label opens: its caption without the leading blanks that set it off.
std::string LinkAddress(const std::string& caption);

}  // namespace kelvoro
