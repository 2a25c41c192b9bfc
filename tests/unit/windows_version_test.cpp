#include "platform/windows_version.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using testing::Harness;

TEST(WindowsVersion, EachIdentifierGivesItsPlatformIdAndFamilyText) {
  const std::pair<std::optional<std::uint32_t>, const char*> cases[] = {
      {0, "Windows 32s "}, {1, "Windows 9X"},        {2, "Windows NT"}, {3, ""},
      {0xFFFFFFFF, ""},    {std::nullopt, "Label12"}};
  for (const auto& [queried, family] : cases) {
    Harness h;
    h.system.platform_id = queried;
    std::int32_t platform_id = 7;
    GetPlatformId(h.system, platform_id);
    ShowWindowsFamily(h.system, h.messages, h.form1);
    EXPECT_EQ(static_cast<std::int32_t>(queried.value_or(0)), platform_id);
    EXPECT_EQ(family, h.form1.store.Get(Control::Label12));
    // Only the family text reports a failed query; GetPlatformId says nothing.
    const std::vector<std::string> reported{"Message 0: Error Getting Version Information"};
    EXPECT_EQ(queried ? std::vector<std::string>{} : reported, h.messages.Shown());
  }
}

// A directory of 255 bytes with its zero fits; a query that writes no zero raises.
TEST(GetWindowsFolder, TakesTheDirectoryUpToItsZeroOrRaisesAndLeavesTheFolder) {
  const std::string longest = "C:\\" + std::string(251, 'w');
  for (const auto& written : {std::optional<std::string>{}, std::optional(longest + "w")}) {
    Harness h;
    h.system.windows_directory = written;
    std::string folder = "kept";
    EXPECT_THROW(GetWindowsFolder(h.system, folder), Failure);
    EXPECT_EQ("kept", folder);
  }
  Harness h;
  h.system.windows_directory = longest;
  std::string folder;
  GetWindowsFolder(h.system, folder);
  EXPECT_EQ(longest, folder);
}

}  // namespace
}  // namespace kelvoro
