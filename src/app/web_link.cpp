#include "app/web_link.h"

#include <exception>

namespace kelvoro {

void OpenWebPage(BrowserPort& browser, const std::string& address) {
  bool opened = false;
  try {
    opened = browser.OpenWithAutomation(address);
  } catch (const std::exception&) {
    opened = false;
  }
  if (opened) return;
  try {
    (void)browser.OpenWithShell(address);
  } catch (const std::exception&) {
    // Nothing is left to try; the click handler must not fail.
  }
}

std::string LinkAddress(const std::string& caption) {
  const auto first = caption.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : caption.substr(first);
}

}  // namespace kelvoro
