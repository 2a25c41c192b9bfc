#pragma once

#include "app/context.h"
#include "platform/registry_port.h"

namespace kelvoro {

// Where one Windows family keeps the Recycle Bin's icons and display name.
struct FamilyKeys {
  RootKey root;
  const char* icon_key;   // DefaultIcon: default value, "Empty", "Full"
  const char* class_key;  // default value: the display name
};

// The NT family: the per-user Explorer class overrides.
inline constexpr FamilyKeys kNTKeys{
    RootKey::kCurrentUser,
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}"};

// The 9x family: the machine-wide class registration.
inline constexpr FamilyKeys k9xKeys{
    RootKey::kLocalMachine,
    "Software\\CLASSES\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon",
    "Software\\CLASSES\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}"};

enum class Look { kReplacement, kStock };

inline constexpr const char kAppliedMessage[] =
    "The changes have been made to the Recycle Bin successfully. Press 'F5'(Refresh) Key several "
    "times on the Desktop to Display the changes.";
inline constexpr const char kRestoredMessage[] =
    "Recycle Bin defaults restored. Press 'F5'(Refresh) Key several times on the Desktop to "
    "Display the changes.";
inline constexpr const char kAppearanceErrorMessage[] =
    "Error while performing the operation.Access Denied. Check permission";

// The one appearance writer. Writes the icons (default value, "Empty", "Full") of `look` under
// the family's icon key, then shows the applied or restored message. A non-zero status ends it
// silently; a raised failure shows the error message once. The key is closed on every path.
void WriteIcons(Context& context, const FamilyKeys& family, Look look);
// Writes the display name of `look` to the family's class key. Never shows a success message.
void WriteName(Context& context, const FamilyKeys& family, Look look);

// The operations the Apply and Restore commands call, one per family and look.
void ApplyIconsNT(Context& context);
void ApplyNameNT(Context& context);
void RestoreIconsNT(Context& context);
void RestoreNameNT(Context& context);
void ApplyIcons9x(Context& context);
void ApplyName9x(Context& context);
void RestoreIcons9x(Context& context);
void RestoreName9x(Context& context);

}  // namespace kelvoro
