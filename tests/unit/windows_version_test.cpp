#include "platform/windows_version.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using testing::Harness;

TEST(GetPlatformId, HandsBackTheQueriedIdentifier) {
  for (std::uint32_t id : {0u, 1u, 2u, 3u}) {
    Harness h;
    h.system.platform_id = id;
    std::int32_t platform_id = -1;
    GetPlatformId(h.context, platform_id);
    EXPECT_EQ(static_cast<std::int32_t>(id), platform_id);
  }
}

TEST(GetPlatformId, FailedQueryGivesZeroAndNoMessage) {
  Harness h;
  h.system.platform_id.reset();
  std::int32_t platform_id = 7;
  GetPlatformId(h.context, platform_id);
  EXPECT_EQ(0, platform_id);
  EXPECT_TRUE(h.messages.Shown().empty()) << h.log.Dump();
}

TEST(ShowWindowsFamily, WritesTheFamilyTextOfEachIdentifier) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0, "Windows 32s "}, {1, "Windows 9X"}, {2, "Windows NT"}, {3, ""}, {0xFFFFFFFF, ""}};
  for (const auto& [id, text] : cases) {
    Harness h;
    h.system.platform_id = id;
    ShowWindowsFamily(h.context);
    EXPECT_EQ(text, h.form1.store.Get("Label12")) << "platform " << id;
  }
}

TEST(ShowWindowsFamily, FailedQueryIsReportedOnceAndLeavesLabel12) {
  Harness h;
  h.system.platform_id.reset();
  ShowWindowsFamily(h.context);
  EXPECT_EQ(std::vector<std::string>{"Message 0: Error Getting Version Information"},
            h.messages.Shown());
  EXPECT_EQ("Label12", h.form1.store.Get("Label12"));
}

TEST(GetWindowsFolder, TakesTheDirectoryUpToItsZeroWithoutASeparator) {
  Harness h;
  std::string folder;
  GetWindowsFolder(h.context, folder);
  EXPECT_EQ("C:\\WINDOWS", folder);
}

TEST(GetWindowsFolder, FailedQueryRaisesAndLeavesTheFolder) {
  Harness h;
  h.system.windows_directory.reset();
  std::string folder = "kept";
  EXPECT_THROW(GetWindowsFolder(h.context, folder), std::exception);
  EXPECT_EQ("kept", folder);
}

TEST(GetWindowsFolder, DirectoryTooLongForTheBufferRaises) {
  Harness h;
  h.system.windows_directory = "C:\\" + std::string(252, 'w');  // 255 bytes with its zero: no room
  std::string folder;
  EXPECT_THROW(GetWindowsFolder(h.context, folder), std::exception);
  EXPECT_TRUE(folder.empty());

  h.system.windows_directory = "C:\\" + std::string(251, 'w');  // exactly 255 with its zero
  GetWindowsFolder(h.context, folder);
  EXPECT_EQ(254u, folder.size());
}

}  // namespace
}  // namespace kelvoro
