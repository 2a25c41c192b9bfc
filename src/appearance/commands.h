#pragma once

#include "app/context.h"

namespace kelvoro {

// Apply (Command1, Command7): the family's replacement icons and name, the sound as Check1 says
// (ticked: the replacement; clear: the stock sound, but only in place of the replacement), the
// voice status, Check1 from the stored status, and the flush of HKEY_CURRENT_USER.
void ApplyCommand(Context& context);

// Restore Defaults (Command2, Command6): the family's stock icons and name, the stock sound,
// voice status 0, Check1 from the stored status, the flush and the word to the shell.
void RestoreCommand(Context& context);

}  // namespace kelvoro
