#include "platform/reg_key.h"

#include <gtest/gtest.h>

#include "support/memory_registry.h"

namespace kelvoro {
namespace {

using testing::EventLog;
using testing::MemoryRegistry;

constexpr char kPath[] = "Software\\Test";
constexpr char kFull[] = "HKCU\\Software\\Test";

class RegKeyTest : public ::testing::Test {
 protected:
  EventLog log;
  MemoryRegistry registry{log};
  void SetUp() override { registry.AddKey(kFull); }
};

TEST_F(RegKeyTest, ClosesItsKeyWhenItGoesOutOfScope) {
  {
    RegKey key(registry);
    ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, kPath, KeyAccess::kRead));
    EXPECT_EQ(1, registry.OpenHandles());
  }
  EXPECT_EQ(0, registry.OpenHandles());
  EXPECT_EQ("Close HKCU\\Software\\Test", log.Events().back());
}

TEST_F(RegKeyTest, FailedOpenLeavesTheKeyInvalidAndCreatesNothing) {
  RegKey key(registry);
  EXPECT_NE(kRegSuccess, key.Open(RootKey::kCurrentUser, "Software\\Missing", KeyAccess::kWrite));
  EXPECT_FALSE(key.Valid());
  EXPECT_FALSE(registry.HasKey("HKCU\\Software\\Missing"));
  EXPECT_EQ(0, registry.OpenHandles());
}

TEST_F(RegKeyTest, MovedKeyIsClosedOnce) {
  RegKey outer(registry);
  {
    RegKey inner(registry);
    ASSERT_EQ(kRegSuccess, inner.Open(RootKey::kCurrentUser, kPath, KeyAccess::kRead));
    outer = std::move(inner);
  }
  EXPECT_TRUE(outer.Valid());
  EXPECT_EQ(1, registry.OpenHandles());
  outer.Close();
  EXPECT_EQ(0, registry.OpenHandles());
  EXPECT_EQ(1u, log.Matching("Close ").size());
}

TEST_F(RegKeyTest, TextIsWrittenWithItsTerminatingZeroCounted) {
  RegKey key(registry);
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, kPath, KeyAccess::kWrite));
  ASSERT_EQ(kRegSuccess, key.SetText("Name", ValueType::kExpandSz, "abc"));
  ASSERT_EQ(kRegSuccess, key.SetText("Empty", ValueType::kSz, ""));
  auto value = registry.Get(kFull, "Name");
  ASSERT_TRUE(value);
  EXPECT_EQ(ValueType::kExpandSz, value->type);
  EXPECT_EQ((std::vector<std::uint8_t>{'a', 'b', 'c', 0}), value->bytes);
  // An empty text is one byte: its zero.
  EXPECT_EQ(std::vector<std::uint8_t>{0}, registry.Get(kFull, "Empty")->bytes);
}

TEST_F(RegKeyTest, DwordIsFourLittleEndianBytes) {
  RegKey key(registry);
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, kPath, KeyAccess::kWrite));
  ASSERT_EQ(kRegSuccess, key.SetDword("N", 0x01020304));
  auto value = registry.Get(kFull, "N");
  ASSERT_TRUE(value);
  EXPECT_EQ(ValueType::kDword, value->type);
  EXPECT_EQ((std::vector<std::uint8_t>{4, 3, 2, 1}), value->bytes);
}

TEST_F(RegKeyTest, TextWithoutTerminatingZeroEndsAtTheReturnedSize) {
  registry.SetRaw(kFull, "", ValueType::kSz, {'w', 'a', 'v'});
  RegKey key(registry);
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, kPath, KeyAccess::kRead));
  std::string text = "sentinel";
  ASSERT_EQ(kRegSuccess, key.QueryText("", text));
  EXPECT_EQ("wav", text);
}

TEST_F(RegKeyTest, TextEndsAtTheFirstZeroWithinTheReturnedSize) {
  registry.SetRaw(kFull, "", ValueType::kSz, {'a', 0, 'b', 'c', 0});
  RegKey key(registry);
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, kPath, KeyAccess::kRead));
  std::string text;
  ASSERT_EQ(kRegSuccess, key.QueryText("", text));
  EXPECT_EQ("a", text);
}

TEST_F(RegKeyTest, TextOf254CharactersFitsAndOf255DoesNot) {
  registry.SetString(kFull, "fits", std::string(254, 'x'));
  registry.SetString(kFull, "long", std::string(255, 'y'));
  RegKey key(registry);
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, kPath, KeyAccess::kRead));
  std::string text;
  ASSERT_EQ(kRegSuccess, key.QueryText("fits", text));
  EXPECT_EQ(254u, text.size());
  text = "untouched";
  EXPECT_NE(kRegSuccess, key.QueryText("long", text));
  EXPECT_EQ("untouched", text);
}

TEST_F(RegKeyTest, DwordReadFillsFromTheLowEndWhateverTheType) {
  registry.SetRaw(kFull, "one", ValueType::kSz, {5});
  registry.SetRaw(kFull, "two", ValueType::kSz, {0x34, 0x12});
  registry.SetRaw(kFull, "five", ValueType::kSz, {1, 2, 3, 4, 5});
  RegKey key(registry);
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, kPath, KeyAccess::kRead));
  std::uint32_t value = 99;
  ASSERT_EQ(kRegSuccess, key.QueryDword("one", value));
  EXPECT_EQ(5u, value);
  ASSERT_EQ(kRegSuccess, key.QueryDword("two", value));
  EXPECT_EQ(0x1234u, value);
  value = 99;
  EXPECT_NE(kRegSuccess, key.QueryDword("five", value));
  EXPECT_EQ(99u, value);
}

}  // namespace
}  // namespace kelvoro
