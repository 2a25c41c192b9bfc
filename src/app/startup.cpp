#include "app/startup.h"

#include "platform/failure.h"
#include "platform/windows_version.h"
#include "settings/settings_store.h"
#include "sound/sound_switcher.h"

namespace kelvoro {

void Form_Load(Context& context) {
  Form1Port& form = context.form1;
  AppState& state = context.state;

  ContinueSilently([&] { form.SetBackColour("Form1", kWindowColour); });
  ContinueSilently([&] { form.SetBackColour("Check1", kWindowColour); });
  ContinueSilently([&] { GetPlatformId(context, state.PlatformId); });
  if (state.PlatformId < 2) {
    // Button set A stays with its design colours.
    for (const char* button : {"Command5", "Command6", "Command7"}) {
      ContinueSilently([&] { form.Hide(button); });
    }
  } else {
    for (const char* button : {"Command5", "Command6", "Command7"}) {
      ContinueSilently([&] { form.SetBackColour(button, kWindowColour); });
    }
    for (const char* button : {"Command1", "Command2", "Command3"}) {
      ContinueSilently([&] { form.Hide(button); });
    }
  }
  ContinueSilently([&] { form.SetPictureFromImageList("Image1", 3); });
  ContinueSilently([&] { form.SetPictureFromImageList("Image3", 1); });
  ContinueSilently([&] { form.SetPictureFromImageList("Image4", 2); });
  ContinueSilently([&] { ShowWindowsFamily(context); });
  ContinueSilently([&] { EnsureSettingsKey(context); });
  ContinueSilently([&] { ReadDefaultEmptySound(context); });
  VoiceStatus status;
  ContinueSilently([&] { ReadVoiceStatus(context, status); });
  ContinueSilently([&] {
    if (VoiceStatusEquals(status, 1)) {
      form.SetCheck1Value(1);
    } else if (VoiceStatusEquals(status, 0)) {
      form.SetCheck1Value(0);
    }
  });
  ContinueSilently([&] { GetWindowsFolder(context, state.WindowsFolder); });
}

}  // namespace kelvoro
