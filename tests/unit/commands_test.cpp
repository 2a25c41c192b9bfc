#include "appearance/commands.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/registry_paths.h"

namespace kelvoro {
namespace {

using testing::Harness;
using namespace testing;  // the registry places

constexpr char kStockSound[] = "%SystemRoot%\\media\\Windows Recycle.wav";
constexpr char kError[] =
    "Message 16: Error while performing the operation.Access Denied. Check permission";

// Every command ends by writing the user's hive through and then telling the shell.
bool EndsWithFlushAndRefresh(const testing::EventLog& log) {
  const auto& events = log.Events();
  return events.size() >= 2 && events[events.size() - 2] == "Flush HKCU" &&
         events.back() == "NotifyIconsChanged";
}

class CommandsTest : public ::testing::Test {
 protected:
  Harness h;
  void SetUp() override {
    for (const char* icon : {kNTIcon, k9xIcon}) {
      h.registry.SetString(icon, "", "%SystemRoot%\\System32\\shell32.dll,31");
      h.registry.SetString(icon, "Empty", "%SystemRoot%\\System32\\shell32.dll,31");
      h.registry.SetString(icon, "Full", "%SystemRoot%\\System32\\shell32.dll,32");
    }
    h.registry.SetString(kNTClass, "", "Recycle Bin");
    h.registry.SetString(k9xClass, "", "Recycle Bin");
    h.registry.SetString(kCurrentSoundPath, "", kStockSound, ValueType::kExpandSz);
    h.registry.SetDwordValue(kSettings, "Voicestat", 0);
    h.state.PlatformId = 2;
    h.state.WindowsFolder = "C:\\WINDOWS";
    h.form1.store.Set("Label12", "Windows NT");
    h.form1.store.Set("lbldefvoice", kStockSound);
  }
  std::optional<std::string> Text(const char* key, const char* name = "") const {
    return h.registry.GetString(key, name);
  }
  // The effects that matter for order: writes, messages, check box and flush.
  std::vector<std::string> Effects() const {
    std::vector<std::string> effects;
    for (const std::string& event : h.log.Events()) {
      for (const char* kind :
           {"Set ", "Message ", "SetCaption txtvoicestat", "Check1=", "Flush", "Notify"}) {
        if (event.rfind(kind, 0) == 0) effects.push_back(event);
      }
    }
    return effects;
  }
};

TEST_F(CommandsTest, ApplyOnNTWithTheSoundTickedRunsItsEffectsInOrder) {
  h.form1.check1 = 1;
  ApplyCommand(h.context);
  const std::vector<std::string> expected = {
      std::string("Set ") + kNTIcon + ": REG_SZ C:\\Tools\\black.ico,0",
      std::string("Set ") + kNTIcon + ":Empty REG_SZ C:\\Tools\\black.ico,0",
      std::string("Set ") + kNTIcon + ":Full REG_SZ C:\\Tools\\white.ico,0",
      "Message 64: The changes have been made to the Recycle Bin successfully. Press "
      "'F5'(Refresh) Key several times on the Desktop to Display the changes.",
      std::string("Set ") + kNTClass + ": REG_SZ Kelvoro",
      std::string("Set ") + kCurrentSoundPath + ": REG_EXPAND_SZ C:\\WINDOWS\\media\\dravik.wav",
      std::string("Set ") + kSettings + ":Voicestat REG_DWORD 1",
      "SetCaption txtvoicestat=1",
      "Check1=1",
      "Flush HKCU",
      "NotifyIconsChanged",
  };
  EXPECT_EQ(expected, Effects()) << h.log.Dump();
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(CommandsTest, ApplyWithTheSoundClearRestoresTheStockSoundAndStoresZero) {
  h.registry.SetDwordValue(kSettings, "Voicestat", 1);
  h.registry.SetString(kCurrentSoundPath, "", "C:\\WINDOWS\\media\\dravik.wav",
                       ValueType::kExpandSz);
  h.form1.check1 = 0;
  ApplyCommand(h.context);
  EXPECT_EQ(kStockSound, Text(kCurrentSoundPath));
  EXPECT_EQ(ValueType::kExpandSz, h.registry.Get(kCurrentSoundPath, "")->type);
  EXPECT_EQ(0u, h.registry.GetDword(kSettings, "Voicestat"));
  EXPECT_EQ(0, h.form1.check1);
  EXPECT_EQ("Kelvoro", Text(kNTClass));
}

TEST_F(CommandsTest, ApplyWithTheSoundClearLeavesTheUsersOwnSoundAndStoresZero) {
  h.registry.SetDwordValue(kSettings, "Voicestat", 1);
  h.registry.SetString(kCurrentSoundPath, "", "C:\\Users\\me\\own.wav");
  const auto before = h.registry.Get(kCurrentSoundPath, "");
  h.form1.check1 = 0;
  ApplyCommand(h.context);
  const auto after = h.registry.Get(kCurrentSoundPath, "");
  EXPECT_EQ(before->type, after->type);
  EXPECT_EQ(before->bytes, after->bytes) << *Text(kCurrentSoundPath);
  EXPECT_EQ(0u, h.registry.GetDword(kSettings, "Voicestat"));
  EXPECT_EQ(0, h.form1.check1);
}

TEST_F(CommandsTest, FamilyTextPicksTheFamilyExactly) {
  struct Case {
    const char* family;
    const char* written_class;  // nullptr: no appearance change at all
  };
  for (const Case& c : {Case{"Windows 9X", k9xClass}, Case{"Windows NT", kNTClass},
                        Case{"Windows 32s ", nullptr}, Case{"", nullptr}, Case{"Label12", nullptr},
                        Case{"windows nt", nullptr}, Case{"Windows NT ", nullptr}}) {
    for (bool apply : {true, false}) {
      SetUp();
      h.log.Clear();
      h.form1.store.Set("Label12", c.family);
      h.form1.check1 = 1;
      if (apply) {
        ApplyCommand(h.context);
      } else {
        h.registry.SetString(kNTClass, "", "Kelvoro");
        h.registry.SetString(k9xClass, "", "Kelvoro");
        RestoreCommand(h.context);
      }
      const std::string label = std::string("'") + c.family + "' " + (apply ? "Apply" : "Restore");
      for (const char* klass : {kNTClass, k9xClass}) {
        const bool written = c.written_class != nullptr && klass == c.written_class;
        EXPECT_EQ(written ? 1u : 0u, h.log.Matching(std::string("Set ") + klass + ":").size())
            << label << " " << klass;
      }
      EXPECT_EQ(c.written_class ? 1u : 0u, h.messages.Shown().size()) << label;
      // Sound, status, check box and flush happen whatever the family.
      EXPECT_EQ(1u, h.log.Matching(std::string("Set ") + kCurrentSoundPath).size()) << label;
      EXPECT_EQ(1u, h.log.Matching(std::string("Set ") + kSettings).size()) << label;
      EXPECT_TRUE(EndsWithFlushAndRefresh(h.log)) << label;
    }
  }
}

TEST_F(CommandsTest, ApplyOn9xWritesTheMachineWideKeysAndFlushesOnlyTheUserHive) {
  h.state.PlatformId = 1;
  h.form1.store.Set("Label12", "Windows 9X");
  h.form1.check1 = 1;
  ApplyCommand(h.context);
  EXPECT_EQ("C:\\Tools\\black.ico,0", Text(k9xIcon));
  EXPECT_EQ("Kelvoro", Text(k9xClass));
  EXPECT_EQ("%SystemRoot%\\System32\\shell32.dll,31", Text(kNTIcon));
  EXPECT_EQ(ValueType::kSz, h.registry.Get(kCurrentSoundPath, "")->type);
  EXPECT_EQ(std::vector<std::string>{"Flush HKCU"}, h.log.Matching("Flush"));
}

TEST_F(CommandsTest, RestoreWithTheBoxTickedRestoresTheSoundAndUnticksIt) {
  h.registry.SetString(kNTClass, "", "Kelvoro");
  // Restore takes back any current sound, the user's own as well.
  h.registry.SetString(kCurrentSoundPath, "", "C:\\Users\\me\\own.wav");
  h.registry.SetDwordValue(kSettings, "Voicestat", 1);
  h.form1.check1 = 1;
  RestoreCommand(h.context);
  EXPECT_EQ("Recycle Bin", Text(kNTClass));
  EXPECT_EQ("%SystemRoot%\\System32\\shell32.dll,32", Text(kNTIcon, "Full"));
  EXPECT_EQ(kStockSound, Text(kCurrentSoundPath));
  EXPECT_EQ(0u, h.registry.GetDword(kSettings, "Voicestat"));
  EXPECT_EQ(0, h.form1.check1);
  EXPECT_EQ("0", h.form1.store.Get("txtvoicestat"));
  EXPECT_EQ(std::vector<std::string>{"Message 64: Recycle Bin defaults restored. Press "
                                     "'F5'(Refresh) Key several times on the Desktop to Display "
                                     "the changes."},
            h.messages.Shown());
}

TEST_F(CommandsTest, MissingSettingsKeyLeavesTheBoxUntickedAfterEitherCommand) {
  Harness bare;
  bare.form1.store.Set("Label12", "Windows NT");
  for (bool apply : {true, false}) {
    bare.form1.check1 = 1;
    apply ? ApplyCommand(bare.context) : RestoreCommand(bare.context);
    EXPECT_EQ(0, bare.form1.check1) << (apply ? "Apply" : "Restore");
    EXPECT_FALSE(bare.registry.HasKey(kSettings));
    EXPECT_TRUE(EndsWithFlushAndRefresh(bare.log));
  }
}

TEST_F(CommandsTest, StoredStatusOutsideZeroAndOneLeavesTheBoxAlone) {
  h.form1.check1 = 1;
  h.registry.FailWith(std::string("Set ") + kSettings, testing::kAccessDenied);
  h.registry.SetDwordValue(kSettings, "Voicestat", 7);
  ApplyCommand(h.context);
  EXPECT_EQ(1, h.form1.check1);
  EXPECT_EQ("7", h.form1.store.Get("txtvoicestat"));
}

TEST_F(CommandsTest, SilentAppearanceFailureDoesNotStopTheRest) {
  h.registry.FailWith(std::string("Open ") + kNTIcon, testing::kFileNotFound);
  h.form1.check1 = 1;
  ApplyCommand(h.context);
  EXPECT_TRUE(h.messages.Shown().empty());
  EXPECT_EQ("Kelvoro", Text(kNTClass));
  EXPECT_EQ("C:\\WINDOWS\\media\\dravik.wav", Text(kCurrentSoundPath));
  EXPECT_EQ(1u, h.registry.GetDword(kSettings, "Voicestat"));
  EXPECT_EQ(1, h.registry.Flushes());
}

TEST_F(CommandsTest, RaisedFailureInEachOperationIsReportedByItAloneAndTheCommandGoesOn) {
  const std::string applied = "Message 64: The changes have been made";
  const std::string injected = "Message 64: Injected failure";
  struct Case {
    std::string raise_on;
    std::vector<std::string> message_prefixes;  // every message box the command shows, in order
  };
  const Case cases[] = {
      {std::string("Set ") + kNTIcon + ":Empty", {kError}},
      {std::string("Set ") + kNTClass + ":", {applied, kError}},
      {std::string("Set ") + kCurrentSoundPath + ":", {applied}},  // the sound switch is silent
      {std::string("Set ") + kSettings + ":", {applied, injected}},
      {std::string("Query ") + kSettings + ":", {applied, injected}},
  };
  for (const Case& c : cases) {
    SetUp();
    h.log.Clear();
    h.form1.check1 = 1;
    h.registry.RaiseOn(c.raise_on, 1);
    ApplyCommand(h.context);
    const auto shown = h.messages.Shown();
    ASSERT_EQ(c.message_prefixes.size(), shown.size()) << c.raise_on << "\n" << h.log.Dump();
    for (std::size_t i = 0; i < shown.size(); ++i) {
      EXPECT_EQ(0u, shown[i].rfind(c.message_prefixes[i], 0)) << c.raise_on << ": " << shown[i];
    }
    EXPECT_TRUE(EndsWithFlushAndRefresh(h.log)) << c.raise_on;
    EXPECT_EQ(0, h.registry.OpenHandles()) << c.raise_on;
  }
}

}  // namespace
}  // namespace kelvoro
