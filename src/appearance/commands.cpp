#include "appearance/commands.h"

#include <string>

#include "appearance/appearance_writer.h"
#include "appearance/stock_name.h"
#include "settings/settings_store.h"
#include "sound/sound_switcher.h"

namespace kelvoro {
namespace {

// Brings Check1 into line with the stored voice status; a number other than 0 or 1 leaves it.
void SyncCheck1(const Ports& ports) {
  VoiceStatus status;
  ReadVoiceStatus(ports.registry, ports.messages, ports.form1, status);
  if (VoiceStatusEquals(status, 1)) {
    ports.form1.SetCheck1Value(1);
  } else if (VoiceStatusEquals(status, 0)) {
    ports.form1.SetCheck1Value(0);
  }
}

// The keys of the family that Label12 names; any other text, "Windows 32s " included, names none.
const FamilyKeys* FamilyOf(const Form1Port& form) {
  const std::string family = form.Caption(Control::Label12);
  if (family == kFamily9x) return &k9xKeys;
  if (family == kFamilyNT) return &kNTKeys;
  return nullptr;
}

// Writes the user's hive through, then lets the desktop show the new look at once.
void FlushAndRefresh(const Ports& ports) {
  ports.registry.FlushCurrentUser();
  ports.system.NotifyIconsChanged();
}

}  // namespace

void ApplyCommand(const Ports& ports, const WindowsFacts& facts) {
  auto& [registry, system, messages, form] = ports;
  if (const FamilyKeys* family = FamilyOf(form)) {
    ApplyIcons(registry, system, messages, form, *family);
    ApplyName(registry, system, messages, form, *family);
  }
  const int check1 = form.Check1Value();
  if (check1 == 1) {
    SetEmptySound(registry, facts.PlatformId, facts.WindowsFolder);
    SetVoiceStatusOn(registry, messages);
  } else if (check1 == 0) {
    TakeBackEmptySound(registry, form, facts.WindowsFolder);
    SetVoiceStatusOff(registry, messages);
  }
  SyncCheck1(ports);
  FlushAndRefresh(ports);
}

void RestoreCommand(const Ports& ports) {
  auto& [registry, system, messages, form] = ports;
  if (const FamilyKeys* family = FamilyOf(form)) {
    // The name writer takes the stock name from Label11, which gets the name Windows gives the
    // bin in the user's language now, when it is needed, rather than at every start.
    form.SetCaption(Control::Label11, StockBinName(registry, system, family == &kNTKeys));
    RestoreIcons(registry, messages, form, *family);
    RestoreName(registry, system, messages, form, *family);
  }
  RestoreEmptySound(registry, form);
  SetVoiceStatusOff(registry, messages);
  SyncCheck1(ports);
  FlushAndRefresh(ports);
}

}  // namespace kelvoro
