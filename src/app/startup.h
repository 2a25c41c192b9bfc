#pragma once

#include "platform/ports/ports.h"
#include "platform/windows_version.h"

namespace kelvoro {

// The main window's load step: paints the window, picks the button set for the platform, loads
// the preview pictures and gathers the facts the commands need later into `facts`. Every
// statement runs under the rule of continuing past failures: one that raises is abandoned,
// silently, and the next runs.
void Form_Load(const Ports& ports, WindowsFacts& facts);

}  // namespace kelvoro
