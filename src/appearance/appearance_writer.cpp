#include "appearance/appearance_writer.h"

#include <string>

#include "platform/failure.h"
#include "platform/reg_key.h"

namespace kelvoro {
namespace {

// Reads the icon reference of a value label afresh and, for the replacement look, joins it to
// the program folder.
std::string IconData(Context& context, const std::string& folder, const char* label) {
  if (folder.empty()) return context.form1.Caption(label);
  return folder + "\\" + context.form1.Caption(label);
}

}  // namespace

void WriteIcons(Context& context, const FamilyKeys& family, Look look) {
  const bool replacement = look == Look::kReplacement;
  const char* empty_label = replacement ? "Label6" : "emplabel";
  const char* full_label = replacement ? "Label7" : "full";
  // Declared outside the handler so that the error message shows before the key closes.
  RegKey key(context.registry);
  try {
    // The program folder is asked for anew each time; one that cannot be obtained (or cannot be
    // written in the ANSI code page) takes the error path, so no icon names a missing file.
    const std::string folder = replacement ? context.system.ProgramFolder() : std::string();
    if (replacement && folder.empty()) throw Failure("The program folder is unknown");
    if (key.Open(family.root, family.icon_key, KeyAccess::kWrite) != kRegSuccess) return;
    if (key.SetText("", ValueType::kSz, IconData(context, folder, empty_label)) != kRegSuccess) {
      return;
    }
    if (key.SetText("Empty", ValueType::kSz, IconData(context, folder, empty_label)) !=
        kRegSuccess) {
      return;
    }
    if (key.SetText("Full", ValueType::kSz, IconData(context, folder, full_label)) != kRegSuccess) {
      return;
    }
    context.messages.Show(replacement ? kAppliedMessage : kRestoredMessage,
                          MessageStyle::kInformation);
  } catch (const std::exception&) {
    context.messages.Show(kAppearanceErrorMessage, MessageStyle::kError);
  }
}

void WriteName(Context& context, const FamilyKeys& family, Look look) {
  RegKey key(context.registry);
  try {
    if (key.Open(family.root, family.class_key, KeyAccess::kWrite) != kRegSuccess) return;
    const char* label = look == Look::kReplacement ? "Label8" : "Label11";
    // Whatever the write returns, the key closes and no message follows.
    (void)key.SetText("", ValueType::kSz, context.form1.Caption(label));
  } catch (const std::exception&) {
    context.messages.Show(kAppearanceErrorMessage, MessageStyle::kError);
  }
}

void ApplyIconsNT(Context& context) { WriteIcons(context, kNTKeys, Look::kReplacement); }
void ApplyNameNT(Context& context) { WriteName(context, kNTKeys, Look::kReplacement); }
void RestoreIconsNT(Context& context) { WriteIcons(context, kNTKeys, Look::kStock); }
void RestoreNameNT(Context& context) { WriteName(context, kNTKeys, Look::kStock); }
void ApplyIcons9x(Context& context) { WriteIcons(context, k9xKeys, Look::kReplacement); }
void ApplyName9x(Context& context) { WriteName(context, k9xKeys, Look::kReplacement); }
void RestoreIcons9x(Context& context) { WriteIcons(context, k9xKeys, Look::kStock); }
void RestoreName9x(Context& context) { WriteName(context, k9xKeys, Look::kStock); }

}  // namespace kelvoro
