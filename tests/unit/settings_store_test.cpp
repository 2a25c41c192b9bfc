#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

using Events = std::vector<std::string>;
const std::string kMaker = "HKCU\\Software\\Orvane's Software";
const std::string kProduct = kMaker + "\\Kelvoro";

struct SettingsStoreTest : ::testing::Test {
  void SetUp() override { h.registry.AddKey("HKCU\\Software"); }
  void Ensure() { EnsureSettingsKey(h.registry, h.messages, h.system); }
  Harness h;
};

TEST_F(SettingsStoreTest, FirstRunCreatesEachLevelUnderItsParentThenWritesVoicestatZero) {
  Ensure();
  const std::string settings = kSettings;
  EXPECT_EQ((Events{"Open " + settings + " read", "Open HKCU\\Software write",
                    "Open " + kMaker + " write", "Open " + kProduct + " write",
                    "Open " + settings + " write"}),
            h.log.Matching("Open "));
  EXPECT_TRUE(h.log.InOrder({"Create " + kMaker, "Create " + kProduct, "Create " + settings,
                             "Set " + settings + ":Voicestat REG_DWORD 0"}))
      << h.log.Dump();
  EXPECT_EQ(DwordValue(0), h.registry.Get(kSettings, "Voicestat"));
  EXPECT_EQ(Events{}, h.messages.Shown());
}

TEST_F(SettingsStoreTest, PresentKeyIsLeftAsItIsWithOrWithoutVoicestat) {
  h.registry.AddKey(kSettings);
  Ensure();
  EXPECT_EQ(std::nullopt, h.registry.Get(kSettings, "Voicestat"));
  h.registry.Put(kSettings, "Voicestat", DwordValue(1));
  Ensure();
  EXPECT_EQ(DwordValue(1), h.registry.Get(kSettings, "Voicestat"));
  EXPECT_EQ(Events{}, h.log.Matching("Create "));
  EXPECT_EQ(Events{}, h.log.Matching("Set "));
}

TEST_F(SettingsStoreTest, RefusedParentCreatesNothingSilentlyButARaisedFailureEndsTheProgram) {
  h.registry.FailWith("Open HKCU\\Software write", kAccessDenied, 1);
  Ensure();
  EXPECT_FALSE(h.registry.HasKey(kMaker));
  EXPECT_EQ(Events{}, h.messages.Shown());
  h.registry.FailWith("Create " + kProduct, kRaise);
  EXPECT_THROW(Ensure(), ProgramEnded);
  EXPECT_EQ(Events{"Message 48: Unable to create necessary Registry values. Contact "
                   "support@orvane.exampleInjected failure in: Create " +
                   kProduct},
            h.messages.Shown());
  EXPECT_EQ("EndProgram", h.log.events.back());
}

TEST_F(SettingsStoreTest, StatusWritesStoreTheirNumberOnlyInAnExistingKey) {
  using Write = void (*)(RegistryPort&, MessagePort&);
  const std::pair<Write, std::uint32_t> cases[] = {
      {InitVoiceStatus, 0}, {SetVoiceStatusOn, 1}, {SetVoiceStatusOff, 0}};
  for (const auto& [write, number] : cases) {
    Harness bare;
    write(bare.registry, bare.messages);
    EXPECT_FALSE(bare.registry.HasKey(kSettings));
    h.registry.Put(kSettings, "Voicestat", DwordValue(7));
    write(h.registry, h.messages);
    EXPECT_EQ(DwordValue(number), h.registry.Get(kSettings, "Voicestat"));
  }
  h.registry.FailWith("Set ", kRaise);
  SetVoiceStatusOn(h.registry, h.messages);
  EXPECT_EQ(Events{"Message 64: Injected failure in: Set " + std::string(kSettings) +
                   ":Voicestat REG_DWORD 1"},
            h.messages.Shown());
}

TEST_F(SettingsStoreTest, ReadFillsStatusAndTextBoxFromReadableDataAlone) {
  const std::pair<std::optional<RegValue>, VoiceStatus> cases[] = {
      {DwordValue(0), 0},
      {DwordValue(1), 1},
      {DwordValue(0xFFFFFFFF), 0xFFFFFFFF},
      {RegValue{ValueType::kSz, {5}}, 5},
      {RegValue{ValueType::kSz, {1, 0, 0, 0, 0}}, {}},
      {{}, {}}};
  for (const auto& [stored, expected] : cases) {
    Harness run;
    run.registry.AddKey(kSettings);
    if (stored) run.registry.Put(kSettings, "Voicestat", *stored);
    run.form1.store.Set(Control::txtvoicestat, "earlier");
    VoiceStatus status;
    ReadVoiceStatus(run.registry, run.messages, run.form1, status);
    EXPECT_EQ(expected, status);
    // The text box shows the number as the program holds it, a signed 32-bit integer.
    EXPECT_EQ(expected ? std::to_string(static_cast<std::int32_t>(*expected)) : "earlier",
              run.form1.store.Get(Control::txtvoicestat));
  }
  VoiceStatus status;
  ReadVoiceStatus(h.registry, h.messages, h.form1, status);
  EXPECT_EQ(std::nullopt, status) << "without the key";
}

TEST_F(SettingsStoreTest, RaisedFailureInTheReadShowsItsDescriptionAndReturns) {
  h.registry.Put(kSettings, "Voicestat", DwordValue(1));
  h.registry.FailWith("Query ", kRaise, 1);
  h.form1.RaiseOn("SetCaption txtvoicestat");
  VoiceStatus status;
  ReadVoiceStatus(h.registry, h.messages, h.form1, status);
  EXPECT_EQ(std::nullopt, status);
  ReadVoiceStatus(h.registry, h.messages, h.form1, status);
  EXPECT_EQ(
      Events({"Message 64: Injected failure in: Query " + std::string(kSettings) + ":Voicestat",
              "Message 64: Injected failure in: SetCaption txtvoicestat=1"}),
      h.messages.Shown());
}

}  // namespace
}  // namespace kelvoro
