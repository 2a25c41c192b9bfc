#include "platform/windows_version.h"

#include <algorithm>
#include <array>

#include "platform/failure.h"

namespace kelvoro {

std::string FamilyText(std::uint32_t platform_id) {
  switch (platform_id) {
    case 0:
      return kFamilyWin32s;
    case 1:
      return kFamily9x;
    case 2:
      return kFamilyNT;
    default:
      return std::string();
  }
}

void GetPlatformId(SystemPort& system, std::int32_t& platform_id) {
  // A failed query leaves the identifier at the zero it starts with.
  std::uint32_t queried = 0;
  (void)system.QueryVersion(queried);
  platform_id = static_cast<std::int32_t>(queried);
}

void ShowWindowsFamily(SystemPort& system, MessagePort& messages, Form1Port& form) {
  std::uint32_t queried = 0;
  if (!system.QueryVersion(queried)) {
    messages.Show(Text(TextId::kVersionMessage), MessageStyle::kPlain);
    return;
  }
  form.SetCaption(Control::Label12, FamilyText(queried));
}

void GetWindowsFolder(SystemPort& system, std::string& folder) {
  constexpr std::uint32_t kBufferSize = 255;
  std::array<char, kBufferSize> buffer;
  buffer.fill(' ');
  system.QueryWindowsDirectory(buffer.data(), kBufferSize);
  // Cut at the zero the query wrote, not at the length it returned.
  const auto zero = std::find(buffer.begin(), buffer.end(), '\0');
  if (zero == buffer.end()) throw Failure("Invalid procedure call or argument");
  folder.assign(buffer.begin(), zero);
}

}  // namespace kelvoro
