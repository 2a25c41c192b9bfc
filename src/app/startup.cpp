#include "app/startup.h"

#include "platform/failure.h"
#include "settings/settings_store.h"
#include "sound/sound_switcher.h"

namespace kelvoro {

void Form_Load(const Ports& ports, WindowsFacts& facts) {
  // Named one by one: a C++17 lambda cannot capture a structured binding.
  RegistryPort& registry = ports.registry;
  SystemPort& system = ports.system;
  MessagePort& messages = ports.messages;
  Form1Port& form = ports.form1;
  ContinueSilently([&] { form.SetBackColour(Control::Form1, kWindowColour); });
  ContinueSilently([&] { form.SetBackColour(Control::Check1, kWindowColour); });
  ContinueSilently([&] { GetPlatformId(system, facts.PlatformId); });
  if (facts.PlatformId < 2) {
    // Button set A stays with its design colours.
    for (Control button : {Control::Command5, Control::Command6, Control::Command7}) {
      ContinueSilently([&] { form.Hide(button); });
    }
  } else {
    for (Control button : {Control::Command5, Control::Command6, Control::Command7}) {
      ContinueSilently([&] { form.SetBackColour(button, kWindowColour); });
    }
    for (Control button : {Control::Command1, Control::Command2, Control::Command3}) {
      ContinueSilently([&] { form.Hide(button); });
    }
  }
  ContinueSilently([&] { form.SetPictureFromImageList(Control::Image1, 3); });
  ContinueSilently([&] { form.SetPictureFromImageList(Control::Image3, 1); });
  ContinueSilently([&] { form.SetPictureFromImageList(Control::Image4, 2); });
  ContinueSilently([&] { ShowWindowsFamily(system, messages, form); });
  ContinueSilently([&] { EnsureSettingsKey(registry, messages, system); });
  ContinueSilently([&] { ReadDefaultEmptySound(registry, messages, form); });
  VoiceStatus status;
  ContinueSilently([&] { ReadVoiceStatus(registry, messages, form, status); });
  ContinueSilently([&] {
    if (VoiceStatusEquals(status, 1)) {
      form.SetCheck1Value(1);
    } else if (VoiceStatusEquals(status, 0)) {
      form.SetCheck1Value(0);
    }
  });
  ContinueSilently([&] { GetWindowsFolder(system, facts.WindowsFolder); });
}

}  // namespace kelvoro
