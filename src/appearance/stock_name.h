#pragma once

#include <string>

#include "platform/ports/registry_port.h"
#include "platform/ports/system_port.h"

namespace kelvoro {

// The name that Windows itself gives the Recycle Bin in the user's display language, which
// Restore Defaults writes back (UTF-8). The sources, in order; the first acceptable answer wins:
//   1. an English display language: "Recycle Bin", whatever the system answers;
//   2. NT family: the class's LocalizedString, resolved by the system in the display language;
//      on a Windows without a loader for it, the class's own default value, which a localized
//      Windows keeps in its language there;
//   3. the program's own word for the display language, where it speaks that language (on the
//      9x family only where the system's code page can write it);
//   4. "Recycle Bin".
// An answer that is empty, overlong, not text, has a zero or control character in it, or is the
// program's own "Kelvoro" is never taken. Reads only; a source that fails or raises is passed
// over, so this raises nothing of its own.
std::string StockBinName(RegistryPort& registry, SystemPort& system, bool nt_family);

// The longest name taken from a source, in UTF-16 units.
inline constexpr std::size_t kLongestBinName = 127;

}  // namespace kelvoro
