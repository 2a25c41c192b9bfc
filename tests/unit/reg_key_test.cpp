#include "platform/reg_key.h"

#include <gtest/gtest.h>

#include "support/memory_registry.h"

namespace kelvoro {
namespace {

using namespace testing;

using Paths = std::vector<std::string>;
constexpr char kA[] = "HKCU\\Software\\A";

// That a key closes as it goes out of scope is the runs' property.
TEST(RegKey, EveryWayOfTakingAnotherKeyClosesTheOneItHeldAndCloseClosesIt) {
  EventLog log;
  MemoryRegistry registry(log);
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
  key.Close();
  EXPECT_FALSE(key.Valid());
  EXPECT_EQ(Paths{}, registry.OpenKeys());
  EXPECT_EQ(0, registry.StrayCloses()) << log.Dump();
}

}  // namespace
}  // namespace kelvoro
