#include "settings/settings_store.h"

#include <string>

#include "app/maker_info.h"
#include "platform/failure.h"
#include "platform/reg_key.h"

namespace kelvoro {
namespace {

const std::string kKeyCreationMessage =
    std::string("Unable to create necessary Registry values. Contact ") + kSupportEmail;

// Opens `parent_path` for writing and creates (or opens) `child` under it.
void CreateLevel(Context& context, const char* parent_path, const char* child) {
  ReportAndEnd(
      context.messages, context.system, MessageStyle::kExclamation, kKeyCreationMessage, [&] {
        RegKey parent(context.registry);
        if (parent.Open(RootKey::kCurrentUser, parent_path, KeyAccess::kWrite) != kRegSuccess) {
          return;
        }
        RegKey created(context.registry);
        (void)created.Create(parent, child);
        // The child closes before its parent as the two go out of scope.
      });
}

void WriteVoiceStatus(Context& context, std::uint32_t number) {
  ReportAndReturn(context.messages, MessageStyle::kInformation, std::string(), [&] {
    RegKey key(context.registry);
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

void EnsureSettingsKey(Context& context) {
  RegKey key(context.registry);
  if (key.Open(RootKey::kCurrentUser, kSettingsKeyPath, KeyAccess::kRead) != kRegSuccess) {
    // Each runs however the one before it ended; nothing is tested between them.
    CreateMakerKey(context);
    CreateProductKey(context);
    CreateVersionKey(context);
    InitVoiceStatus(context);
  }
}

void CreateMakerKey(Context& context) { CreateLevel(context, "Software", "Orvane's Software"); }

void CreateProductKey(Context& context) {
  CreateLevel(context, "Software\\Orvane's Software", "Kelvoro");
}

void CreateVersionKey(Context& context) {
  CreateLevel(context, "Software\\Orvane's Software\\Kelvoro", "2.1");
}

void InitVoiceStatus(Context& context) { WriteVoiceStatus(context, 0); }
void SetVoiceStatusOn(Context& context) { WriteVoiceStatus(context, 1); }
void SetVoiceStatusOff(Context& context) { WriteVoiceStatus(context, 0); }

void ReadVoiceStatus(Context& context, VoiceStatus& status) {
  ReportAndReturn(context.messages, MessageStyle::kInformation, std::string(), [&] {
    RegKey key(context.registry);
    if (key.Open(RootKey::kCurrentUser, kSettingsKeyPath, KeyAccess::kRead) != kRegSuccess) {
      return;
    }
    std::uint32_t stored = 0;
    if (key.QueryDword(kVoiceStatusName, stored) != kRegSuccess) return;
    status = stored;
    context.form1.SetCaption("txtvoicestat", std::to_string(static_cast<std::int32_t>(stored)));
  });
}

}  // namespace kelvoro
