#pragma once

#include <cstdint>
#include <optional>

#include "platform/ports/form1_port.h"
#include "platform/ports/message_port.h"
#include "platform/ports/registry_port.h"
#include "platform/ports/system_port.h"

namespace kelvoro {

// The program's own per-user key, HKEY_CURRENT_USER "Software\Orvane's Software\Kelvoro\2.1",
// and the REG_DWORD `Voicestat` in it (1 the replacement sound is on, 0 off). Nothing is cached:
// each procedure opens the key it needs, does one thing and closes the key.
inline constexpr const char kSettingsKeyPath[] = "Software\\Orvane's Software\\Kelvoro\\2.1";
inline constexpr const char kVoiceStatusName[] = "Voicestat";

// The voice status as callers hold it: empty until ReadVoiceStatus fills it. Empty equals 0.
using VoiceStatus = std::optional<std::uint32_t>;
bool VoiceStatusEquals(const VoiceStatus& status, std::uint32_t number);

// Creates the key level by level and writes Voicestat 0 when the key cannot be opened for
// reading. No handler of its own.
void EnsureSettingsKey(RegistryPort& registry, MessagePort& messages, SystemPort& system);

// One level each; a raised failure shows the key-creation message and ends the program.
void CreateMakerKey(RegistryPort& registry, MessagePort& messages, SystemPort& system);
void CreateProductKey(RegistryPort& registry, MessagePort& messages, SystemPort& system);
void CreateVersionKey(RegistryPort& registry, MessagePort& messages, SystemPort& system);

// Write Voicestat 0, 1, 0; a raised failure shows its description and the procedure returns.
void InitVoiceStatus(RegistryPort& registry, MessagePort& messages);
void SetVoiceStatusOn(RegistryPort& registry, MessagePort& messages);
void SetVoiceStatusOff(RegistryPort& registry, MessagePort& messages);

// Fills `status` and txtvoicestat with the stored number when it can be read; otherwise leaves
// both as they were. A raised failure shows its description and the procedure returns.
void ReadVoiceStatus(RegistryPort& registry, MessagePort& messages, Form1Port& form,
                     VoiceStatus& status);

}  // namespace kelvoro
