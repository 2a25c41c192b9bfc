#pragma once

#include <string>

#include "platform/ports/browser_port.h"

namespace kelvoro {

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
