#include "platform/reg_key.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>

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

}  // namespace
}  // namespace kelvoro
