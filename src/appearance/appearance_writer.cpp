#include "appearance/appearance_writer.h"

#include <string>

#include "platform/failure.h"
#include "platform/reg_key.h"

namespace kelvoro {
namespace {

// The value labels that one look's icons are read from.
struct IconLabels {
  Control empty;  // the default value and "Empty"
  Control full;   // "Full"
};

constexpr IconLabels kReplacementIcons{Control::Label6, Control::Label7};
constexpr IconLabels kStockIcons{Control::emplabel, Control::full};

// The program folder and the separator that the replacement icons follow. A folder that cannot
// be obtained (or cannot be written in the ANSI code page) takes the error path, so that no icon
// names a file outside the program folder.
std::string ProgramFolderPrefix(SystemPort& system) {
  const std::string folder = system.ProgramFolder();
  if (folder.empty()) throw Failure("The program folder is unknown");
  return folder + "\\";
}

// The one icon writer. `system` is where the replacement look asks for the program folder; the
// stock look joins no folder and passes none.
void WriteIcons(RegistryPort& registry, SystemPort* system, MessagePort& messages,
                const Form1Port& form, const FamilyKeys& family, const IconLabels& labels,
                const char* success) {
  // Declared outside the handler so that the error message shows before the key closes.
  RegKey key(registry);
  try {
    const std::string folder = system != nullptr ? ProgramFolderPrefix(*system) : std::string();
    if (key.Open(family.root, family.icon_key, KeyAccess::kWrite) != kRegSuccess) return;
    if (key.SetText("", ValueType::kSz, folder + form.Caption(labels.empty)) != kRegSuccess) {
      return;
    }
    if (key.SetText("Empty", ValueType::kSz, folder + form.Caption(labels.empty)) != kRegSuccess) {
      return;
    }
    if (key.SetText("Full", ValueType::kSz, folder + form.Caption(labels.full)) != kRegSuccess) {
      return;
    }
    messages.Show(success, MessageStyle::kInformation);
  } catch (const std::exception&) {
    messages.Show(kAppearanceErrorMessage, MessageStyle::kError);
  }
}

// The one name writer: the caption of `label` to the default value of the family's class key.
void WriteName(RegistryPort& registry, MessagePort& messages, const Form1Port& form,
               const FamilyKeys& family, Control label) {
  RegKey key(registry);
  try {
    if (key.Open(family.root, family.class_key, KeyAccess::kWrite) != kRegSuccess) return;
    // Whatever the write returns, the key closes and no message follows.
    (void)key.SetText("", ValueType::kSz, form.Caption(label));
  } catch (const std::exception&) {
    messages.Show(kAppearanceErrorMessage, MessageStyle::kError);
  }
}

}  // namespace

void ApplyIconsNT(RegistryPort& registry, SystemPort& system, MessagePort& messages,
                  const Form1Port& form) {
  WriteIcons(registry, &system, messages, form, kNTKeys, kReplacementIcons, kAppliedMessage);
}

void ApplyNameNT(RegistryPort& registry, MessagePort& messages, const Form1Port& form) {
  WriteName(registry, messages, form, kNTKeys, Control::Label8);
}

void RestoreIconsNT(RegistryPort& registry, MessagePort& messages, const Form1Port& form) {
  WriteIcons(registry, nullptr, messages, form, kNTKeys, kStockIcons, kRestoredMessage);
}

void RestoreNameNT(RegistryPort& registry, MessagePort& messages, const Form1Port& form) {
  WriteName(registry, messages, form, kNTKeys, Control::Label11);
}

void ApplyIcons9x(RegistryPort& registry, SystemPort& system, MessagePort& messages,
                  const Form1Port& form) {
  WriteIcons(registry, &system, messages, form, k9xKeys, kReplacementIcons, kAppliedMessage);
}

void ApplyName9x(RegistryPort& registry, MessagePort& messages, const Form1Port& form) {
  WriteName(registry, messages, form, k9xKeys, Control::Label8);
}

void RestoreIcons9x(RegistryPort& registry, MessagePort& messages, const Form1Port& form) {
  WriteIcons(registry, nullptr, messages, form, k9xKeys, kStockIcons, kRestoredMessage);
}

void RestoreName9x(RegistryPort& registry, MessagePort& messages, const Form1Port& form) {
  WriteName(registry, messages, form, k9xKeys, Control::Label11);
}

}  // namespace kelvoro
