#pragma once

#include <cstdint>
#include <optional>

#include "app/context.h"

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
void EnsureSettingsKey(Context& context);

// One level each; a raised failure shows the key-creation message and ends the program.
void CreateMakerKey(Context& context);
void CreateProductKey(Context& context);
void CreateVersionKey(Context& context);

// Write Voicestat 0, 1, 0; a raised failure shows its description and the procedure returns.
void InitVoiceStatus(Context& context);
void SetVoiceStatusOn(Context& context);
void SetVoiceStatusOff(Context& context);

// Fills `status` and txtvoicestat with the stored number when it can be read; otherwise leaves
// both as they were. A raised failure shows its description and the procedure returns.
void ReadVoiceStatus(Context& context, VoiceStatus& status);

}  // namespace kelvoro
