#include "platform/reg_key.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <cstring>

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

// That a key closes as it goes out of scope is the runs' property.
TEST_F(RegKeyTest, EveryWayOfTakingAnotherKeyClosesTheOneItHeldAndCloseClosesIt) {
  RegKey key = Opened("Software\\A");
  ASSERT_EQ(kRegSuccess, key.Open(RootKey::kCurrentUser, "Software\\B", KeyAccess::kWrite));
  EXPECT_EQ(Paths{"HKCU\\Software\\B"}, registry.OpenKeys()) << "after Open";
  ASSERT_EQ(kRegSuccess, key.Create(key, "C"));
  EXPECT_EQ(Paths{"HKCU\\Software\\B\\C"}, registry.OpenKeys()) << "after Create";
  key = Opened("Software\\A");
  EXPECT_EQ(Paths{kA}, registry.OpenKeys()) << "after a move onto it";
  key.Close();
  EXPECT_FALSE(key.Valid());
  EXPECT_EQ(Paths{}, registry.OpenKeys());
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

RC_GTEST_PROP(RegKey, WritesTextWithItsZeroCountedAndNumbersLittleEndian,
              (const std::string& text, std::uint32_t number)) {
  EventLog log;
  MemoryRegistry registry(log);
  registry.AddKey(kA);
  RegKey key(registry);
  RC_ASSERT(key.Open(RootKey::kCurrentUser, "Software\\A", KeyAccess::kWrite) == kRegSuccess);
  const auto type = *rc::gen::element(ValueType::kSz, ValueType::kExpandSz);
  RC_ASSERT(key.SetText("T", type, text) == kRegSuccess);
  RC_ASSERT(key.SetDword("N", number) == kRegSuccess);
  RC_ASSERT(registry.Get(kA, "T") == TextValue(text, type));
  RC_ASSERT(registry.Get(kA, "N") == DwordValue(number));
}

// Any stored value, of any type and size, with or without zeros. The registry leaves 0xCD past
// the data, so only the returned size tells where a value without its terminating zero ends.
RC_GTEST_PROP(RegKey, ReadsTakeWhatFitsTheirBufferAndLeaveTheOutputsAloneOtherwise, ()) {
  const auto byte = rc::gen::weightedOneOf<std::uint8_t>(
      {{1, rc::gen::just<std::uint8_t>(0)}, {8, rc::gen::arbitrary<std::uint8_t>()}});
  const RegValue stored{
      static_cast<ValueType>(*rc::gen::arbitrary<std::uint32_t>()),
      *rc::gen::container<std::vector<std::uint8_t>>(
          *rc::gen::weightedOneOf<std::size_t>({{1, rc::gen::inRange<std::size_t>(0, 8)},
                                                {1, rc::gen::inRange<std::size_t>(250, 260)},
                                                {1, rc::gen::inRange<std::size_t>(0, 300)}}),
          byte)};
  EventLog log;
  MemoryRegistry registry(log);
  registry.Put(kA, "", stored);
  RegKey key(registry);
  RC_ASSERT(key.Open(RootKey::kCurrentUser, "Software\\A", KeyAccess::kRead) == kRegSuccess);
  std::string text = "sentinel";
  auto type = static_cast<ValueType>(0xDEAD);
  std::uint32_t number = 0xDEADBEEF;
  const auto& bytes = stored.bytes;
  const bool text_fits = bytes.size() <= 255, number_fits = bytes.size() <= 4;
  RC_ASSERT((key.QueryText("", text, type) == kRegSuccess) == text_fits);
  RC_ASSERT((key.QueryDword("", number) == kRegSuccess) == number_fits);
  RC_ASSERT(text == (text_fits
                         ? std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0))
                         : "sentinel"));
  RC_ASSERT(type == (text_fits ? stored.type : static_cast<ValueType>(0xDEAD)));
  std::uint32_t low_end_first = 0;  // the bytes fill the number from its low end
  for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) low_end_first |= bytes[i] << (8 * i);
  RC_ASSERT(number == (number_fits ? low_end_first : 0xDEADBEEF));
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
