#include "sound/sound_switcher.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/registry_paths.h"

namespace kelvoro {
namespace {

using testing::Harness;
using namespace testing;  // the registry places

constexpr char kStockSound[] = "%SystemRoot%\\media\\Windows Recycle.wav";

class SoundSwitcherTest : public ::testing::Test {
 protected:
  Harness h;
  void SetUp() override {
    h.registry.SetString(kStockSoundPath, "", kStockSound, ValueType::kExpandSz);
    h.registry.SetString(kCurrentSoundPath, "", "C:\\Users\\me\\own.wav", ValueType::kExpandSz);
    h.state.WindowsFolder = "C:\\WINDOWS";
  }
  std::string Label() const { return h.form1.store.Get("lbldefvoice"); }
};

TEST_F(SoundSwitcherTest, ReadDefaultCopiesTheStockTextUnexpanded) {
  ReadDefaultEmptySound(h.context);
  EXPECT_EQ(kStockSound, Label());
  EXPECT_EQ(0, h.registry.OpenHandles());
  EXPECT_EQ(1u, h.log.Matching("Close ").size());
}

TEST_F(SoundSwitcherTest, ReadDefaultTakesAnEmptyStockSound) {
  h.registry.SetString(kStockSoundPath, "", "");
  ReadDefaultEmptySound(h.context);
  EXPECT_EQ("", Label());
}

TEST_F(SoundSwitcherTest, ReadDefaultStopsAtTheStoredSizeWhenTheZeroIsMissing) {
  h.registry.SetRaw(kStockSoundPath, "", ValueType::kSz, {'d', 'i', 'n', 'g'});
  ReadDefaultEmptySound(h.context);
  EXPECT_EQ("ding", Label());
}

TEST_F(SoundSwitcherTest, ReadDefaultKeepsThePlaceholderWhenTheSoundCannotBeRead) {
  h.registry.SetString(kStockSoundPath, "", std::string(255, 'x'));  // needs 256 bytes
  ReadDefaultEmptySound(h.context);
  EXPECT_EQ("defvoice", Label());
  EXPECT_EQ(0, h.registry.OpenHandles());

  h.registry.DeleteValue(kStockSoundPath, "");
  ReadDefaultEmptySound(h.context);
  EXPECT_EQ("defvoice", Label());

  Harness missing;
  ReadDefaultEmptySound(missing.context);
  EXPECT_EQ("defvoice", missing.form1.store.Get("lbldefvoice"));
  EXPECT_TRUE(missing.messages.Shown().empty());
}

TEST_F(SoundSwitcherTest, ReadDefaultReportsARaisedStepAndStillClosesTheKey) {
  h.form1.RaiseOn("SetCaption lbldefvoice");
  ReadDefaultEmptySound(h.context);
  ASSERT_EQ(1u, h.messages.Shown().size()) << h.log.Dump();
  EXPECT_EQ(0u, h.messages.Shown()[0].rfind("Message 48: Injected failure in: SetCaption", 0));
  EXPECT_GT(h.log.IndexOf("Close "), h.log.IndexOf("Message 48"));
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SoundSwitcherTest, ReadDefaultReportsARaisedQueryAndKeepsThePlaceholder) {
  h.registry.RaiseOn("Query ");
  ReadDefaultEmptySound(h.context);
  ASSERT_EQ(1u, h.messages.Shown().size()) << h.log.Dump();
  EXPECT_EQ(0u, h.messages.Shown()[0].rfind("Message 48: Injected failure in: Query", 0));
  EXPECT_EQ("defvoice", Label());
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SoundSwitcherTest, SetEmptySoundWritesTheReplacementAsExpandableOnNT) {
  h.state.PlatformId = 2;
  SetEmptySound(h.context);
  auto value = h.registry.Get(kCurrentSoundPath, "");
  ASSERT_TRUE(value);
  EXPECT_EQ(ValueType::kExpandSz, value->type);
  EXPECT_EQ("C:\\WINDOWS\\media\\dravik.wav", h.registry.GetString(kCurrentSoundPath, ""));
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SoundSwitcherTest, SetEmptySoundWritesPlainTextBelowNT) {
  for (std::int32_t id : {0, 1}) {
    h.state.PlatformId = id;
    SetEmptySound(h.context);
    EXPECT_EQ(ValueType::kSz, h.registry.Get(kCurrentSoundPath, "")->type) << "platform " << id;
    EXPECT_EQ("C:\\WINDOWS\\media\\dravik.wav", h.registry.GetString(kCurrentSoundPath, ""));
  }
}

TEST_F(SoundSwitcherTest, SetEmptySoundWritesNothingWithoutTheWindowsDirectory) {
  h.state.WindowsFolder.clear();
  SetEmptySound(h.context);
  EXPECT_EQ("C:\\Users\\me\\own.wav", h.registry.GetString(kCurrentSoundPath, ""));
  EXPECT_TRUE(h.log.Matching("Open ").empty());
}

TEST_F(SoundSwitcherTest, NeitherWriterCreatesAMissingCurrentKey) {
  Harness bare;
  bare.state.WindowsFolder = "C:\\WINDOWS";
  bare.form1.store.Set("lbldefvoice", kStockSound);
  SetEmptySound(bare.context);
  RestoreEmptySound(bare.context);
  EXPECT_FALSE(bare.registry.HasKey(kCurrentSoundPath));
  EXPECT_TRUE(bare.log.Matching("Set ").empty());
  EXPECT_TRUE(bare.messages.Shown().empty());
}

TEST_F(SoundSwitcherTest, RestoreWritesTheStockTextAsExpandableWhateverThePlatform) {
  ReadDefaultEmptySound(h.context);
  h.state.PlatformId = 1;
  RestoreEmptySound(h.context);
  EXPECT_EQ(ValueType::kExpandSz, h.registry.Get(kCurrentSoundPath, "")->type);
  EXPECT_EQ(kStockSound, h.registry.GetString(kCurrentSoundPath, ""));
}

TEST_F(SoundSwitcherTest, RestoreWritesAnEmptyStockSound) {
  h.form1.store.Set("lbldefvoice", "");
  RestoreEmptySound(h.context);
  EXPECT_EQ(std::vector<std::uint8_t>{0}, h.registry.Get(kCurrentSoundPath, "")->bytes);
}

TEST_F(SoundSwitcherTest, RestoreNeverWritesThePlaceholder) {
  RestoreEmptySound(h.context);  // start-up never read a stock sound
  EXPECT_EQ("C:\\Users\\me\\own.wav", h.registry.GetString(kCurrentSoundPath, ""));
  EXPECT_TRUE(h.log.Matching("Set ").empty());
}

TEST_F(SoundSwitcherTest, RaisedFailuresInTheWritersAreSilent) {
  h.form1.store.Set("lbldefvoice", kStockSound);
  h.registry.RaiseOn("Set ");
  SetEmptySound(h.context);
  RestoreEmptySound(h.context);
  EXPECT_TRUE(h.messages.Shown().empty());
  EXPECT_EQ(0, h.registry.OpenHandles());
  EXPECT_EQ(2u, h.log.Matching("Close ").size());
}

TEST_F(SoundSwitcherTest, TakeBackReplacesOnlyTheReplacementAndLeavesAnyOtherSoundAsItIs) {
  const std::string ours = "C:\\WINDOWS\\media\\dravik.wav";
  const auto bytes = [](const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end() + 1);  // with the zero
  };
  struct Case {
    const char* what;
    ValueType type;
    std::vector<std::uint8_t> bytes;
    bool replacement;
  };
  const Case cases[] = {
      {"ours, plain", ValueType::kSz, bytes(ours), true},
      {"ours, other case, expandable", ValueType::kExpandSz,
       bytes("c:\\Windows\\MEDIA\\Dravik.WAV"), true},
      {"ours without its zero", ValueType::kSz, {ours.begin(), ours.end()}, true},
      {"the user's own", ValueType::kExpandSz, bytes("C:\\Users\\me\\own.wav"), false},
      {"empty", ValueType::kSz, {0}, false},
      {"no bytes", ValueType::kSz, {}, false},
      {"binary", static_cast<ValueType>(3), bytes(ours), false},
      {"multi-string", static_cast<ValueType>(7), bytes(ours + '\0'), false},
      {"longer", ValueType::kSz, bytes(ours + "x"), false},
      {"too long to read", ValueType::kSz, bytes(ours + std::string(300, ' ')), false},
  };
  h.form1.store.Set("lbldefvoice", kStockSound);
  for (const Case& c : cases) {
    h.registry.SetRaw(kCurrentSoundPath, "", c.type, c.bytes);
    TakeBackEmptySound(h.context);
    const auto after = h.registry.Get(kCurrentSoundPath, "");
    ASSERT_TRUE(after) << c.what;
    EXPECT_EQ(c.replacement ? ValueType::kExpandSz : c.type, after->type) << c.what;
    EXPECT_EQ(c.replacement ? bytes(kStockSound) : c.bytes, after->bytes) << c.what;
  }
  h.registry.DeleteValue(kCurrentSoundPath, "");
  TakeBackEmptySound(h.context);
  EXPECT_FALSE(h.registry.Get(kCurrentSoundPath, "")) << "missing";
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SoundSwitcherTest, TakeBackKnowsNoReplacementWithoutTheWindowsDirectory) {
  h.form1.store.Set("lbldefvoice", kStockSound);
  h.registry.SetString(kCurrentSoundPath, "", "\\media\\dravik.wav");
  h.state.WindowsFolder.clear();
  TakeBackEmptySound(h.context);
  EXPECT_EQ("\\media\\dravik.wav", h.registry.GetString(kCurrentSoundPath, ""));
}

TEST_F(SoundSwitcherTest, TakeBackWritesNothingAfterARaisedReadAndSaysNothing) {
  h.form1.store.Set("lbldefvoice", kStockSound);
  h.registry.SetString(kCurrentSoundPath, "", "C:\\WINDOWS\\media\\dravik.wav");
  h.registry.RaiseOn("Query ");
  TakeBackEmptySound(h.context);
  EXPECT_EQ("C:\\WINDOWS\\media\\dravik.wav", h.registry.GetString(kCurrentSoundPath, ""));
  EXPECT_TRUE(h.messages.Shown().empty());
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SoundSwitcherTest, ApplyThenRestoreGivesBackTheStockSoundByteForByte) {
  ReadDefaultEmptySound(h.context);
  const auto before = h.registry.Get(kStockSoundPath, "");
  h.state.PlatformId = 2;
  SetEmptySound(h.context);
  RestoreEmptySound(h.context);
  const auto after = h.registry.Get(kCurrentSoundPath, "");
  ASSERT_TRUE(after);
  EXPECT_EQ(before->type, after->type);
  EXPECT_EQ(before->bytes, after->bytes);
}

}  // namespace
}  // namespace kelvoro
