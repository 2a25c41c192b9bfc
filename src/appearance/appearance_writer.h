#pragma once

#include "platform/ports/form1_port.h"
#include "platform/ports/message_port.h"
#include "platform/ports/registry_port.h"
#include "platform/ports/system_port.h"

namespace kelvoro {

// Where one Windows family keeps the Recycle Bin's icons and display name.
struct FamilyKeys {
  RootKey root;
  const char* icon_key;   // DefaultIcon: default value, "Empty", "Full"
  const char* class_key;  // default value: the display name
  // Whether the registry keeps any text (NT), so that the replacement icons name the program
  // folder exactly, or only texts of the ANSI code page (9x).
  bool any_text;
};

// The NT family: the per-user Explorer class overrides.
inline constexpr FamilyKeys kNTKeys{
    RootKey::kCurrentUser,
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}",
    true};

// The 9x family: the machine-wide class registration.
inline constexpr FamilyKeys k9xKeys{
    RootKey::kLocalMachine,
    "Software\\CLASSES\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon",
    "Software\\CLASSES\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}", false};

// The operations the Apply and Restore commands call for the family's keys.
//
// An icon operation writes the default value, "Empty" and "Full" under the family's icon key,
// each read afresh from its value label, then shows the applied or restored message. The
// replacement icons are joined to the program folder, which `system` is asked for anew each time:
// on NT as it is, through the wide entry point; on 9x in the ANSI code page, and where the folder
// has no place there nothing is written and the folder-name message says why.
// A name operation writes the display name to the class key (whatever its letters on NT, in the
// ANSI code page on 9x) and shows no success message.
// A non-zero status ends an operation silently; a raised failure shows the error message once.
// The key is closed on every path.
void ApplyIcons(RegistryPort& registry, SystemPort& system, MessagePort& messages,
                const Form1Port& form, const FamilyKeys& family);
void ApplyName(RegistryPort& registry, SystemPort& system, MessagePort& messages,
               const Form1Port& form, const FamilyKeys& family);
void RestoreIcons(RegistryPort& registry, MessagePort& messages, const Form1Port& form,
                  const FamilyKeys& family);
void RestoreName(RegistryPort& registry, SystemPort& system, MessagePort& messages,
                 const Form1Port& form, const FamilyKeys& family);

}  // namespace kelvoro
