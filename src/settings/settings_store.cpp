#include "settings/settings_store.h"

#include <string>

#include "platform/failure.h"
#include "platform/reg_key.h"
#include "settings/maker_info.h"
#include "texts/catalogue.h"

namespace kelvoro {
namespace {

// Opens `parent_path` for writing and creates (or opens) `child` under it.
void CreateLevel(RegistryPort& registry, MessagePort& messages, SystemPort& system,
                 const char* parent_path, const char* child) {
  ReportAndEnd(
      messages, system, MessageStyle::kExclamation,
      Fill(Text(TextId::kKeyCreationMessage), kSupportEmail), [&] {
        RegKey parent(registry);
        if (parent.Open(RootKey::kCurrentUser, parent_path, KeyAccess::kWrite) != kRegSuccess)
          return;
        RegKey created(registry);
        (void)created.Create(parent, child);
        // The child closes before its parent as the two go out of scope.
      });
}

void WriteVoiceStatus(RegistryPort& registry, MessagePort& messages, std::uint32_t number) {
  ReportAndReturn(messages, MessageStyle::kInformation, std::string(), [&] {
    RegKey key(registry);
    if (key.Open(RootKey::kCurrentUser, kSettingsKeyPath, KeyAccess::kWrite) != kRegSuccess) {
      return;
    }
    (void)key.SetDword(kVoiceStatusName, number);
  });
}

}  // namespace

bool VoiceStatusEquals(const VoiceStatus& status, std::uint32_t number) {
  return status.value_or(0) == number;
}

void EnsureSettingsKey(RegistryPort& registry, MessagePort& messages, SystemPort& system) {
  RegKey key(registry);
  if (key.Open(RootKey::kCurrentUser, kSettingsKeyPath, KeyAccess::kRead) != kRegSuccess) {
    // Each runs however the one before it ended; nothing is tested between them.
    CreateMakerKey(registry, messages, system);
    CreateProductKey(registry, messages, system);
    CreateVersionKey(registry, messages, system);
    InitVoiceStatus(registry, messages);
  }
}

void CreateMakerKey(RegistryPort& registry, MessagePort& messages, SystemPort& system) {
  CreateLevel(registry, messages, system, "Software", "Orvane's Software");
}

void CreateProductKey(RegistryPort& registry, MessagePort& messages, SystemPort& system) {
  CreateLevel(registry, messages, system, "Software\\Orvane's Software", "Kelvoro");
}

void CreateVersionKey(RegistryPort& registry, MessagePort& messages, SystemPort& system) {
  CreateLevel(registry, messages, system, "Software\\Orvane's Software\\Kelvoro", "2.1");
}

void InitVoiceStatus(RegistryPort& registry, MessagePort& messages) {
  WriteVoiceStatus(registry, messages, 0);
}

void SetVoiceStatusOn(RegistryPort& registry, MessagePort& messages) {
  WriteVoiceStatus(registry, messages, 1);
}

void SetVoiceStatusOff(RegistryPort& registry, MessagePort& messages) {
  WriteVoiceStatus(registry, messages, 0);
}

void ReadVoiceStatus(RegistryPort& registry, MessagePort& messages, Form1Port& form,
                     VoiceStatus& status) {
  ReportAndReturn(messages, MessageStyle::kInformation, std::string(), [&] {
    RegKey key(registry);
    if (key.Open(RootKey::kCurrentUser, kSettingsKeyPath, KeyAccess::kRead) != kRegSuccess) {
      return;
    }
    std::uint32_t stored = 0;
    if (key.QueryDword(kVoiceStatusName, stored) != kRegSuccess) return;
    status = stored;
    form.SetCaption(Control::txtvoicestat, std::to_string(static_cast<std::int32_t>(stored)));
  });
}

}  // namespace kelvoro
