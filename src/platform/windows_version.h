#pragma once

#include <cstdint>
#include <string>

#include "app/context.h"

namespace kelvoro {

// The family texts that Apply and Restore Defaults compare the caption of Label12 with.
inline constexpr const char kFamily9x[] = "Windows 9X";
inline constexpr const char kFamilyNT[] = "Windows NT";
inline constexpr const char kFamilyWin32s[] = "Windows 32s ";

// The family text for a platform identifier; empty for an identifier outside the known three.
std::string FamilyText(std::uint32_t platform_id);

// None of these has a failure handler: a raised failure passes to the caller.

// Stores the platform identifier in `platform_id`; 0 when the version query fails.
void GetPlatformId(Context& context, std::int32_t& platform_id);
// Writes the family text into Label12, or reports a failed version query and leaves it alone.
void ShowWindowsFamily(Context& context);
// Stores the Windows directory in `folder`. Raises a Failure, leaving `folder` as it was, when the
// query wrote no terminating zero into its 255-byte buffer.
void GetWindowsFolder(Context& context, std::string& folder);

}  // namespace kelvoro
