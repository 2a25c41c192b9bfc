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

TEST(GetWindowsFolder, TakesTheDirectoryUpToItsZero) {
  Harness h;
  std::string folder;
  GetWindowsFolder(h.system, folder);
  EXPECT_EQ("C:\\WINDOWS", folder);
  h.system.windows_directory = "C:\\" + std::string(251, 'w');  // 255 bytes with its zero
  GetWindowsFolder(h.system, folder);
  EXPECT_EQ(254u, folder.size());
}

TEST(GetWindowsFolder, QueryThatWritesNoZeroRaisesAndLeavesTheFolder) {
  for (const std::optional<std::string>& written :
       {std::optional<std::string>(), std::optional<std::string>("C:\\" + std::string(252, 'w'))}) {
    Harness h;
    h.system.windows_directory = written;
    std::string folder = "kept";
    EXPECT_THROW(GetWindowsFolder(h.system, folder), Failure);
    EXPECT_EQ("kept", folder);
  }
}

}  // namespace
}  // namespace kelvoro
