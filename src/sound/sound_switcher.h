#pragma once

#include <cstdint>
#include <string>

#include "platform/ports/form1_port.h"
#include "platform/ports/message_port.h"
#include "platform/ports/registry_port.h"

namespace kelvoro {

// The "Empty Recycle Bin" sound of the per-user sound scheme.
inline constexpr const char kCurrentSoundKey[] =
    "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current";
inline constexpr const char kStockSoundKey[] =
    "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Default";
inline constexpr const char kReplacementSoundTail[] = "\\media\\dravik.wav";
// lbldefvoice's caption until start-up has read the stock sound.
inline constexpr const char kUnreadStockSound[] = "defvoice";

// Copies the stock sound's text into lbldefvoice. Each step that raises shows its description
// (exclamation) and the next step runs.
void ReadDefaultEmptySound(RegistryPort& registry, MessagePort& messages, Form1Port& form);

// Points the current sound at the replacement file below the Windows directory: REG_SZ below
// platform 2, REG_EXPAND_SZ from 2. Writes nothing when the Windows directory is unknown.
// Raised failures are ignored.
void SetEmptySound(RegistryPort& registry, std::int32_t platform_id,
                   const std::string& windows_folder);

// Writes lbldefvoice's text back as the current sound, as REG_EXPAND_SZ. Writes nothing when
// start-up could not read the stock sound. Raised failures are ignored.
void RestoreEmptySound(RegistryPort& registry, const Form1Port& form);

// Apply with the sound clear: as RestoreEmptySound, but only where the current sound is the
// replacement file that SetEmptySound writes (a text of either kind, in any letter case). A sound
// the user chose, an empty one, one stored with another type, or one that cannot be read is left
// exactly as it is. Raised failures are ignored, and nothing is written after one.
void TakeBackEmptySound(RegistryPort& registry, const Form1Port& form,
                        const std::string& windows_folder);

}  // namespace kelvoro
