#include "sound/sound_switcher.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

using Events = std::vector<std::string>;
constexpr char kStock[] = "%SystemRoot%\\media\\Windows Recycle.wav";

class SoundSwitcherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.registry.Put(kStockSound, "", TextValue(kStock, ValueType::kExpandSz));
    h.registry.Put(kCurrentSound, "", own);
  }
  std::optional<RegValue> Current() const { return h.registry.Get(kCurrentSound, ""); }

  const RegValue own = TextValue("C:\\Users\\me\\own.wav", ValueType::kExpandSz);
  Harness h;
};

// The replacement file in any letter case, below a Windows directory that starts with a Z.
TEST_F(SoundSwitcherTest, TakeBackReplacesOnlyTheReplacementAndLeavesAnyOtherSound) {
  const std::string ours = "Z:\\WINDOWS\\media\\dravik.wav";
  const std::pair<RegValue, bool> cases[] = {
      {TextValue(ours), true},
      {TextValue("z:\\windows\\MEDIA\\Dravik.WAV", ValueType::kExpandSz), true},
      {RegValue{ValueType::kSz, {ours.begin(), ours.end()}}, true},  // without its zero
      {own, false},
      {TextValue(""), false},
      {RegValue{ValueType::kSz, {}}, false},
      {TextValue(ours, static_cast<ValueType>(3)), false},         // REG_BINARY
      {TextValue(ours + '\0', static_cast<ValueType>(7)), false},  // REG_MULTI_SZ
      {TextValue(ours + "x"), false},
      {TextValue(ours.substr(1)), false},
      {TextValue(ours + std::string(300, ' ')), false}};  // too long to read
  h.form1.store.Set(Control::lbldefvoice, kStock);
  for (const auto& [current, replaced] : cases) {
    h.registry.Put(kCurrentSound, "", current);
    TakeBackEmptySound(h.registry, h.form1, "Z:\\WINDOWS");
    EXPECT_EQ(replaced ? TextValue(kStock, ValueType::kExpandSz) : current, Current()) << current;
  }
  h.registry.Remove(kCurrentSound, "");
  TakeBackEmptySound(h.registry, h.form1, "Z:\\WINDOWS");
  EXPECT_EQ(std::nullopt, Current());
}

TEST_F(SoundSwitcherTest, TakeBackWritesNothingUnlessItCanReadTheReplacementName) {
  h.form1.store.Set(Control::lbldefvoice, kStock);
  h.registry.Put(kCurrentSound, "", TextValue("\\media\\dravik.wav"));
  TakeBackEmptySound(h.registry, h.form1, "");
  h.registry.Put(kCurrentSound, "", TextValue(kReplacementSound));
  h.registry.FailWith(std::string("Open ") + kCurrentSound + " read", kAccessDenied, 1);
  TakeBackEmptySound(h.registry, h.form1, "C:\\WINDOWS");  // it cannot tell whose sound it is
  h.registry.FailWith("Query ", kRaise);
  TakeBackEmptySound(h.registry, h.form1, "C:\\WINDOWS");
  EXPECT_EQ(Events{}, h.log.Matching("Set "));
  EXPECT_EQ(Events{}, h.messages.Shown());
}

}  // namespace
}  // namespace kelvoro
