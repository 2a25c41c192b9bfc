#include "platform/reg_key.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "support/memory_registry.h"

namespace kelvoro {
namespace {

using namespace testing;

using Paths = std::vector<std::string>;
constexpr char kA[] = "HKCU\\Software\\A";

class RegKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.AddKey(kA);
    registry.AddKey("HKCU\\Software\\B");
  }
  void TearDown() override { EXPECT_EQ(0, registry.StrayCloses()) << log.Dump(); }
  RegKey Opened(const char* path, KeyAccess access = KeyAccess::kWrite) {
    RegKey key(registry);
    EXPECT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, path, access));
    return key;
  }

  EventLog log;
  MemoryRegistry registry{log};
};

TEST_F(RegKeyTest, ClosesItsKeyWhenItGoesOutOfScopeOrOnClose) {
  {
    const RegKey key = Opened("Software\\A");
    EXPECT_EQ(Paths{kA}, registry.OpenKeys());
  }
  EXPECT_EQ(Paths{}, registry.OpenKeys());
  RegKey key = Opened("Software\\A");
  key.Close();
  EXPECT_FALSE(key.Valid());
  EXPECT_EQ(Paths{}, registry.OpenKeys());
}

TEST_F(RegKeyTest, EveryWayOfTakingAnotherKeyClosesTheOneItHeld) {
  RegKey key = Opened("Software\\A");
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, "Software\\B", KeyAccess::kWrite));
  EXPECT_EQ(Paths{"HKCU\\Software\\B"}, registry.OpenKeys()) << "after Open";
  ASSERT_EQ(kRegSuccess, key.Create(key, "C"));
  EXPECT_EQ(Paths{"HKCU\\Software\\B\\C"}, registry.OpenKeys()) << "after Create";
  key = Opened("Software\\A");
  EXPECT_EQ(Paths{kA}, registry.OpenKeys()) << "after a move onto it";
}

TEST_F(RegKeyTest, FailedOpenOrCreateKeepsTheKeyItHeldAndCreatesNothing) {
  RegKey key = Opened("Software\\A", KeyAccess::kRead);
  EXPECT_EQ(kFileNotFound, key.Open(RootKey::kCurrentUser, "Software\\Missing", KeyAccess::kWrite));
  EXPECT_EQ(kAccessDenied, key.Create(key, "C"));  // a parent opened for reading
  EXPECT_EQ(Paths{kA}, registry.OpenKeys());
  EXPECT_FALSE(registry.HasKey("HKCU\\Software\\Missing"));
  EXPECT_FALSE(registry.HasKey("HKCU\\Software\\A\\C"));
}

TEST_F(RegKeyTest, AMovedKeyIsClosedOnceByItsLastOwnerAndATakenOneNotAtAll) {
  RegKey first = Opened("Software\\A");
  RegKey second(std::move(first));
  RegKey third(registry);
  third = std::move(second);
  EXPECT_FALSE(first.Valid() || second.Valid());
  const KeyHandle held = third.Handle();
  const KeyHandle taken = third.Take();
  EXPECT_EQ(held, taken);
  EXPECT_FALSE(third.Valid());
  third.Close();
  EXPECT_EQ(Paths{kA}, registry.OpenKeys());
  registry.CloseKey(taken);
}

TEST_F(RegKeyTest, WritesTextWithItsZeroCountedAndNumbersLittleEndian) {
  const RegKey key = Opened("Software\\A");
  ASSERT_EQ(kRegSuccess, key.SetText("Name", ValueType::kExpandSz, "%a,\xE9"));
  ASSERT_EQ(kRegSuccess, key.SetText("Empty", ValueType::kSz, ""));
  ASSERT_EQ(kRegSuccess, key.SetDword("N", 0x01020304));
  EXPECT_EQ((RegValue{ValueType::kExpandSz, {'%', 'a', ',', 0xE9, 0}}), registry.Get(kA, "Name"));
  EXPECT_EQ((RegValue{ValueType::kSz, {0}}), registry.Get(kA, "Empty"));
  EXPECT_EQ((RegValue{ValueType::kDword, {4, 3, 2, 1}}), registry.Get(kA, "N"));
}

// The registry leaves 0xCD past the data it returns: only the returned size tells where a value
// without its terminating zero ends.
TEST_F(RegKeyTest, ReadsTakeWhatFitsTheirBufferAndLeaveTheOutputsAloneOtherwise) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::optional<std::string> text;
    std::optional<std::uint32_t> number;
  };
  const Case cases[] = {{{'w', 'a', 'v'}, "wav", 0x766177},
                        {{'a', 0, 'b', 0}, "a", 0x00620061},
                        {{}, "", 0},
                        {{5}, "\x05", 5},
                        {std::vector<std::uint8_t>(255, 'x'), std::string(255, 'x'), {}},
                        {std::vector<std::uint8_t>(256, 'y'), {}, {}}};
  for (const Case& c : cases) {
    registry.Put(kA, "", RegValue{static_cast<ValueType>(3), c.bytes});
    const RegKey key = Opened("Software\\A", KeyAccess::kRead);
    std::string text = "sentinel";
    auto type = static_cast<ValueType>(0xDEAD);
    std::uint32_t number = 0xDEADBEEF;
    EXPECT_EQ(c.text.has_value(), key.QueryText("", text, type) == kRegSuccess);
    EXPECT_EQ(c.number.has_value(), key.QueryDword("", number) == kRegSuccess);
    EXPECT_EQ(c.text.value_or("sentinel"), text);
    EXPECT_EQ(static_cast<ValueType>(c.text ? 3 : 0xDEAD), type);
    EXPECT_EQ(c.number.value_or(0xDEADBEEF), number);
  }
}

// A registry that claims more data than the buffer holds, and fills the buffer without a zero.
class Overclaiming : public MemoryRegistry {
 public:
  using MemoryRegistry::MemoryRegistry;
  RegStatus QueryValue(KeyHandle, const std::string&, ValueType& type, void* data,
                       std::uint32_t& size) override {
    std::memset(data, 'x', size);
    size += 100;
    type = ValueType::kSz;
    return kRegSuccess;
  }
};

TEST_F(RegKeyTest, ReadsStayInsideTheirBufferWhateverSizeTheRegistryClaims) {
  Overclaiming liar(log);
  liar.AddKey(kA);
  RegKey key(liar);
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, "Software\\A", KeyAccess::kRead));
  std::string text;
  ASSERT_EQ(kRegSuccess, key.QueryText("", text));
  EXPECT_EQ(std::string(RegKey::kTextBufferSize, 'x'), text);
  std::uint32_t value = 0;
  ASSERT_EQ(kRegSuccess, key.QueryDword("", value));
  EXPECT_EQ(0x78787878u, value);
}

}  // namespace
}  // namespace kelvoro
