#pragma once

#include "platform/ports/form1_port.h"
#include "platform/ports/message_port.h"
#include "platform/ports/registry_port.h"
#include "platform/ports/system_port.h"

namespace kelvoro {

// The ports of the few procedures that reach all of them: start-up and the Apply and Restore
// commands. Every other procedure names the ports it uses one by one. The main window exists
// once and every procedure reaches it through `form1`.
struct Ports {
  RegistryPort& registry;
  SystemPort& system;
  MessagePort& messages;
  Form1Port& form1;
};

}  // namespace kelvoro
