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

// Short data fills the number from its low end; the rest of it stays 0, whatever it held.
TEST(RegKey, QueryDwordReadsShortDataIntoTheLowBytes) {
  EventLog log;
  MemoryRegistry registry(log);
  registry.Put(kA, "n", RegValue{ValueType::kSz, {0x34, 0x12}});
  RegKey key(registry);
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, "Software\\A", KeyAccess::kRead));
  std::uint32_t value = 0xFFFFFFFF;
  ASSERT_EQ(kRegSuccess, key.QueryDword("n", value));
  EXPECT_EQ(0x1234u, value);
}

}  // namespace
}  // namespace kelvoro
