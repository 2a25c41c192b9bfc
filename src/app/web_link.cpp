#include "app/web_link.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "platform/ascii.h"

namespace kelvoro {
namespace {

// True when `text` begins with `prefix`, whatever the case of its letters.
bool StartsWithFolded(const std::string& text, std::string_view prefix) {
  return EqualIgnoringAsciiCase(std::string_view(text).substr(0, prefix.size()), prefix);
}

// The automation object's answer; one that raises has refused.
bool OpenedWithAutomation(BrowserPort& browser, const std::string& address) {
  try {
    return browser.OpenWithAutomation(address);
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

bool IsWebAddress(const std::string& address) {
  std::size_t host = 0;
  if (StartsWithFolded(address, "http://")) {
    host = 7;
  } else if (StartsWithFolded(address, "https://")) {
    host = 8;
  } else {
    return false;
  }
  const bool clean = std::none_of(address.begin(), address.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= ' ' || byte == 0x7F || c == '"';
  });
  return clean && address.size() > host && address[host] != '/';
}

void OpenWebPage(BrowserPort& browser, const std::string& address) {
  if (!IsWebAddress(address) || OpenedWithAutomation(browser, address)) return;
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
