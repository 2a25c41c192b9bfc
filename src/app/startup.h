#pragma once

#include "app/context.h"

namespace kelvoro {

// The main window's load step: paints the window, picks the button set for the platform, loads
// the preview pictures and gathers the facts the commands need later. Every statement runs under
// the rule of continuing past failures: one that raises is abandoned, silently, and the next runs.
void Form_Load(Context& context);

}  // namespace kelvoro
