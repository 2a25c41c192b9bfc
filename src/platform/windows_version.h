#pragma once

#include <cstdint>
#include <string>

#include "platform/ports/form1_port.h"
#include "platform/ports/message_port.h"
#include "platform/ports/system_port.h"

namespace kelvoro {

// The facts about Windows that start-up gathers once and that live as long as the program.
// Start-up is their only writer.
struct WindowsFacts {
  std::int32_t PlatformId = 0;  // 0 Win32s (and a failed query), 1 the 9x family, 2 the NT family
  std::string WindowsFolder;    // without a trailing separator; empty when the query failed
};

// The family texts that Apply and Restore Defaults compare the caption of Label12 with.
inline constexpr const char kFamily9x[] = "Windows 9X";
inline constexpr const char kFamilyNT[] = "Windows NT";
inline constexpr const char kFamilyWin32s[] = "Windows 32s ";

// The family text for a platform identifier; empty for an identifier outside the known three.
std::string FamilyText(std::uint32_t platform_id);

// None of these has a failure handler: a raised failure passes to the caller.

// Stores the platform identifier in `platform_id`; 0 when the version query fails.
void GetPlatformId(SystemPort& system, std::int32_t& platform_id);
// Writes the family text into Label12, or reports a failed version query and leaves it alone.
void ShowWindowsFamily(SystemPort& system, MessagePort& messages, Form1Port& form);
// Stores the Windows directory in `folder`. Raises a Failure, leaving `folder` as it was, when the
// query wrote no terminating zero into its 255-byte buffer.
void GetWindowsFolder(SystemPort& system, std::string& folder);

}  // namespace kelvoro
