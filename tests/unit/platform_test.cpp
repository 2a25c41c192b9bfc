#include <gtest/gtest.h>

#include "platform/reg_key.h"
#include "platform/windows_version.h"
#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

using Paths = std::vector<std::string>;
constexpr char kA[] = "HKCU\\Software\\A";

// That a key closes as it goes out of scope is the runs' property. Short data fills a number from
// its low end; the rest of it stays 0, whatever it held.
TEST(RegKey, EveryWayOfTakingAnotherKeyClosesTheOneItHeldAndANumberReadsShortData) {
  Harness h;  // and no key closed twice
  MemoryRegistry& registry = h.registry;
  registry.AddKey(kA);
  registry.AddKey("HKCU\\Software\\B");
  const auto opened = [&] {
    RegKey key(registry);
    EXPECT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, "Software\\A", KeyAccess::kWrite));
    return key;
  };
  RegKey key = opened();
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, "Software\\B", KeyAccess::kWrite));
  EXPECT_EQ(Paths{"HKCU\\Software\\B"}, registry.OpenKeys()) << "after Open";
  ASSERT_EQ(kRegSuccess, key.Create(key, "C"));
  EXPECT_EQ(Paths{"HKCU\\Software\\B\\C"}, registry.OpenKeys()) << "after Create";
  key = opened();
  EXPECT_EQ(Paths{kA}, registry.OpenKeys()) << "after a move onto it";
  registry.Put(kA, "n", RegValue{ValueType::kSz, {0x34, 0x12}});
  std::uint32_t value = 0xFFFFFFFF;
  ASSERT_EQ(kRegSuccess, key.QueryDword("n", value));
  EXPECT_EQ(0x1234u, value);
  key.Close();
  EXPECT_FALSE(key.Valid());
  EXPECT_EQ(Paths{}, registry.OpenKeys());
}

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
    const Events reported{"Message 0: Error Getting Version Information"};
    EXPECT_EQ(queried ? Events{} : reported, h.messages.Shown());
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
