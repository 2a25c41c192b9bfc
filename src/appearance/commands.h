#pragma once

#include "platform/ports/ports.h"
#include "platform/windows_version.h"

namespace kelvoro {

// Apply (Command1, Command7): the family's replacement icons and name, the sound as Check1 says
// (ticked: the replacement; clear: the stock sound, but only in place of the replacement), the
// voice status, Check1 from the stored status, the flush of HKEY_CURRENT_USER and the word to the
// shell.
void ApplyCommand(const Ports& ports, const WindowsFacts& facts);

// Restore Defaults (Command2, Command6): the family's stock icons and name, the stock sound,
// voice status 0, Check1 from the stored status, the flush and the word to the shell.
void RestoreCommand(const Ports& ports);

}  // namespace kelvoro
