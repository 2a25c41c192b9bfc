#pragma once

#include <cstdint>
#include <string>

#include "app/form1_port.h"
#include "platform/message_port.h"
#include "platform/registry_port.h"
#include "platform/system_port.h"

namespace kelvoro {

// Facts that start-up gathers once and that live as long as the program.
struct AppState {
  std::int32_t PlatformId = 0;  // 0 Win32s (and a failed query), 1 the 9x family, 2 the NT family
  std::string WindowsFolder;    // without a trailing separator; empty when the query failed
};

// Everything a procedure of the program reaches: the ports and the program-wide state. The main
// window exists once and every procedure reaches it through `form1`.
struct Context {
  RegistryPort& registry;
  SystemPort& system;
  MessagePort& messages;
  Form1Port& form1;
  AppState& state;
};

}  // namespace kelvoro
