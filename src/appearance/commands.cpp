#include "appearance/commands.h"

#include <string>

#include "appearance/appearance_writer.h"
#include "platform/windows_version.h"
#include "settings/settings_store.h"
#include "sound/sound_switcher.h"

namespace kelvoro {
namespace {

using Operation = void (*)(Context&);

// Runs the icon operation and then the name operation of the family that Label12 names.
// Any other text, "Windows 32s " included, changes nothing.
void ChangeAppearance(Context& context, Operation icons9x, Operation name9x, Operation iconsNT,
                      Operation nameNT) {
  const std::string family = context.form1.Caption("Label12");
  if (family == kFamily9x) {
    icons9x(context);
    name9x(context);
  } else if (family == kFamilyNT) {
    iconsNT(context);
    nameNT(context);
  }
}

// Brings Check1 into line with the stored voice status; a number other than 0 or 1 leaves it.
void SyncCheck1(Context& context) {
  VoiceStatus status;
  ReadVoiceStatus(context, status);
  if (VoiceStatusEquals(status, 1)) {
    context.form1.SetCheck1Value(1);
  } else if (VoiceStatusEquals(status, 0)) {
    context.form1.SetCheck1Value(0);
  }
}

// Writes the user's hive through, then lets the desktop show the new look at once.
void FlushAndRefresh(Context& context) {
  context.registry.FlushCurrentUser();
  context.system.NotifyIconsChanged();
}

}  // namespace

void ApplyCommand(Context& context) {
  ChangeAppearance(context, ApplyIcons9x, ApplyName9x, ApplyIconsNT, ApplyNameNT);
  const int check1 = context.form1.Check1Value();
  if (check1 == 1) {
    SetEmptySound(context);
    SetVoiceStatusOn(context);
  } else if (check1 == 0) {
    TakeBackEmptySound(context);
    SetVoiceStatusOff(context);
  }
  SyncCheck1(context);
  FlushAndRefresh(context);
}

void RestoreCommand(Context& context) {
  ChangeAppearance(context, RestoreIcons9x, RestoreName9x, RestoreIconsNT, RestoreNameNT);
  RestoreEmptySound(context);
  SetVoiceStatusOff(context);
  SyncCheck1(context);
  FlushAndRefresh(context);
}

}  // namespace kelvoro
