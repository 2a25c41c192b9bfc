#include "appearance/appearance_writer.h"

#include <string>
#include <utility>

#include "platform/failure.h"
#include "platform/reg_key.h"
#include "texts/catalogue.h"

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
// be obtained takes the error path, so that no icon names a file outside the program folder.
std::u16string ProgramFolderPrefix(SystemPort& system) {
  const std::u16string folder = system.ProgramFolder();
  if (folder.empty()) throw Failure(TextId::kFolderNotKnown);
  return folder + u'\\';
}

// The one icon writer. `system` is where the replacement look asks for the program folder; the
// stock look joins no folder and passes none, and writes its texts as they stand in either family.
void WriteIcons(RegistryPort& registry, SystemPort* system, MessagePort& messages,
                const Form1Port& form, const FamilyKeys& family, const IconLabels& labels,
                TextId success) {
  // Declared outside the handler so that the error message shows before the key closes.
  RegKey key(registry);
  try {
    const bool wide = system != nullptr && family.any_text;
    std::u16string wide_folder;
    std::string folder;
    if (system != nullptr) {
      wide_folder = ProgramFolderPrefix(*system);
      if (!wide && !system->ToCodePage(wide_folder, folder)) {
        messages.Show(Text(TextId::kFolderNameMessage), MessageStyle::kError);
        return;
      }
    }
    if (key.Open(family.root, family.icon_key, KeyAccess::kWrite) != kRegSuccess) return;
    const std::pair<const char*, Control> values[] = {
        {"", labels.empty}, {"Empty", labels.empty}, {"Full", labels.full}};
    for (const auto& [name, label] : values) {
      const std::string caption = form.Caption(label);
      const RegStatus status = wide ? key.SetWideText(system->FromCodePage(name), ValueType::kSz,
                                                      wide_folder + system->FromCodePage(caption))
                                    : key.SetText(name, ValueType::kSz, folder + caption);
      if (status != kRegSuccess) return;
    }
    messages.Show(Text(success), MessageStyle::kInformation);
  } catch (const std::exception&) {
    messages.Show(Text(TextId::kAccessDeniedMessage), MessageStyle::kError);
  }
}

// The one name writer: the caption of `label` (UTF-8) to the default value of the family's class
// key.
void WriteName(RegistryPort& registry, SystemPort& system, MessagePort& messages,
               const Form1Port& form, const FamilyKeys& family, Control label) {
  RegKey key(registry);
  try {
    if (key.Open(family.root, family.class_key, KeyAccess::kWrite) != kRegSuccess) return;
    // A name the code page can write goes through the ANSI entry point, as it always did; on NT
    // any other goes through the wide one, and on 9x there is no place for it.
    const std::u16string name = ToUtf16(form.Caption(label));
    std::string ansi;
    const bool in_code_page = system.ToCodePage(name, ansi);
    if (!in_code_page && !family.any_text) throw Failure(TextId::kCodePageText);
    // Whatever the write returns, the key closes and no message follows.
    (void)(in_code_page ? key.SetText("", ValueType::kSz, ansi)
                        : key.SetWideText(u"", ValueType::kSz, name));
  } catch (const std::exception&) {
    messages.Show(Text(TextId::kAccessDeniedMessage), MessageStyle::kError);
  }
}

}  // namespace

void ApplyIcons(RegistryPort& registry, SystemPort& system, MessagePort& messages,
                const Form1Port& form, const FamilyKeys& family) {
  WriteIcons(registry, &system, messages, form, family, kReplacementIcons, TextId::kAppliedMessage);
}

void ApplyName(RegistryPort& registry, SystemPort& system, MessagePort& messages,
               const Form1Port& form, const FamilyKeys& family) {
  WriteName(registry, system, messages, form, family, Control::Label8);
}

void RestoreIcons(RegistryPort& registry, MessagePort& messages, const Form1Port& form,
                  const FamilyKeys& family) {
  WriteIcons(registry, nullptr, messages, form, family, kStockIcons, TextId::kRestoredMessage);
}

void RestoreName(RegistryPort& registry, SystemPort& system, MessagePort& messages,
                 const Form1Port& form, const FamilyKeys& family) {
  WriteName(registry, system, messages, form, family, Control::Label11);
}

}  // namespace kelvoro
