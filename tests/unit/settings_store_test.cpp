#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/registry_paths.h"

namespace kelvoro {
namespace {

using testing::Harness;
using namespace testing;  // the registry places
using testing::ProgramEnded;

class SettingsStoreTest : public ::testing::Test {
 protected:
  Harness h;
  void SetUp() override { h.registry.AddKey("HKCU\\Software"); }
};

TEST_F(SettingsStoreTest, FirstRunCreatesEachLevelThenWritesVoicestatZero) {
  EnsureSettingsKey(h.context);
  EXPECT_TRUE(h.registry.HasKey(kSettings));
  EXPECT_EQ(0u, h.registry.GetDword(kSettings, "Voicestat"));
  EXPECT_EQ(ValueType::kDword, h.registry.Get(kSettings, "Voicestat")->type);
  const std::vector<std::string> expected = {
      "Open HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1 read",
      "Open HKCU\\Software write",
      "Create HKCU\\Software\\Orvane's Software",
      "Close HKCU\\Software\\Orvane's Software",
      "Close HKCU\\Software",
      "Open HKCU\\Software\\Orvane's Software write",
      "Create HKCU\\Software\\Orvane's Software\\Kelvoro",
      "Close HKCU\\Software\\Orvane's Software\\Kelvoro",
      "Close HKCU\\Software\\Orvane's Software",
      "Open HKCU\\Software\\Orvane's Software\\Kelvoro write",
      "Create HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1",
      "Close HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1",
      "Close HKCU\\Software\\Orvane's Software\\Kelvoro",
      "Open HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1 write",
      "Set HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1:Voicestat REG_DWORD 0",
      "Close HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1",
  };
  EXPECT_EQ(expected, h.log.Events()) << h.log.Dump();
  EXPECT_TRUE(h.messages.Shown().empty());
}

TEST_F(SettingsStoreTest, PresentKeyIsOnlyOpenedAndClosed) {
  h.registry.SetDwordValue(kSettings, "Voicestat", 1);
  EnsureSettingsKey(h.context);
  EXPECT_EQ(1u, h.registry.GetDword(kSettings, "Voicestat"));
  EXPECT_EQ(2u, h.log.Events().size()) << h.log.Dump();
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SettingsStoreTest, PresentKeyWithoutVoicestatStaysWithout) {
  h.registry.AddKey(kSettings);
  EnsureSettingsKey(h.context);
  EXPECT_FALSE(h.registry.Get(kSettings, "Voicestat"));
}

TEST_F(SettingsStoreTest, ExistingMakerLevelIsOpenedAndTheChainGoesOn) {
  h.registry.AddKey("HKCU\\Software\\Orvane's Software");
  EnsureSettingsKey(h.context);
  EXPECT_EQ(0u, h.registry.GetDword(kSettings, "Voicestat"));
}

TEST_F(SettingsStoreTest, SoftwareRefusedForWritingCreatesNothingAndSaysNothing) {
  h.registry.FailWith("Open HKCU\\Software", testing::kAccessDenied);
  EnsureSettingsKey(h.context);
  EXPECT_FALSE(h.registry.HasKey("HKCU\\Software\\Orvane's Software"));
  EXPECT_TRUE(h.log.Matching("Set ").empty());
  EXPECT_TRUE(h.messages.Shown().empty());
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SettingsStoreTest, RaisedFailureWhileCreatingShowsTheMessageAndEndsTheProgram) {
  h.registry.RaiseOn("Create HKCU\\Software\\Orvane's Software\\Kelvoro");
  EXPECT_THROW(EnsureSettingsKey(h.context), ProgramEnded);
  const auto shown = h.messages.Shown();
  ASSERT_EQ(1u, shown.size()) << h.log.Dump();
  EXPECT_EQ(
      "Message 48: Unable to create necessary Registry values. Contact "
      "support@orvane.exampleInjected failure in: Create "
      "HKCU\\Software\\Orvane's Software\\Kelvoro",
      shown[0]);
  EXPECT_EQ("EndProgram", h.log.Events().back());
  // Nothing after the product level ran.
  EXPECT_FALSE(h.registry.HasKey(kSettings));
}

TEST_F(SettingsStoreTest, StatusWritesStoreTheirNumber) {
  h.registry.AddKey(kSettings);
  SetVoiceStatusOn(h.context);
  EXPECT_EQ(1u, h.registry.GetDword(kSettings, "Voicestat"));
  SetVoiceStatusOff(h.context);
  EXPECT_EQ(0u, h.registry.GetDword(kSettings, "Voicestat"));
  SetVoiceStatusOn(h.context);
  InitVoiceStatus(h.context);
  EXPECT_EQ(0u, h.registry.GetDword(kSettings, "Voicestat"));
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SettingsStoreTest, StatusWriteWithoutTheKeyWritesNothingAndCreatesNothing) {
  SetVoiceStatusOn(h.context);
  EXPECT_FALSE(h.registry.HasKey(kSettings));
  EXPECT_TRUE(h.messages.Shown().empty());
}

TEST_F(SettingsStoreTest, RaisedFailureInAStatusWriteShowsItsDescriptionAndReturns) {
  h.registry.AddKey(kSettings);
  h.registry.RaiseOn("Set ");
  SetVoiceStatusOn(h.context);
  EXPECT_EQ(std::vector<std::string>{"Message 64: Injected failure in: Set "
                                     "HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1:Voicestat "
                                     "REG_DWORD 1"},
            h.messages.Shown());
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SettingsStoreTest, ReadFillsTheStatusAndTheTextBox) {
  for (std::uint32_t stored : {0u, 1u, 7u}) {
    h.registry.SetDwordValue(kSettings, "Voicestat", stored);
    VoiceStatus status;
    ReadVoiceStatus(h.context, status);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(stored, *status);
    EXPECT_EQ(std::to_string(stored), h.form1.store.Get("txtvoicestat"));
  }
}

TEST_F(SettingsStoreTest, ReadWithoutValueLeavesStatusAndTextBoxAlone) {
  h.registry.AddKey(kSettings);
  h.form1.store.Set("txtvoicestat", "earlier");
  VoiceStatus status;
  ReadVoiceStatus(h.context, status);
  EXPECT_FALSE(status.has_value());
  EXPECT_EQ("earlier", h.form1.store.Get("txtvoicestat"));
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(SettingsStoreTest, ReadWithoutKeyLeavesTheStatusEmpty) {
  VoiceStatus status;
  ReadVoiceStatus(h.context, status);
  EXPECT_FALSE(status.has_value());
  EXPECT_TRUE(VoiceStatusEquals(status, 0));
  EXPECT_FALSE(VoiceStatusEquals(status, 1));
}

TEST_F(SettingsStoreTest, ReadTakesShortDataOfAnyTypeFromItsLowEndAndRejectsLongData) {
  h.registry.SetRaw(kSettings, "Voicestat", ValueType::kSz, {5});
  VoiceStatus status;
  ReadVoiceStatus(h.context, status);
  EXPECT_EQ(std::optional<std::uint32_t>(5), status);

  h.registry.SetRaw(kSettings, "Voicestat", ValueType::kSz, {1, 0, 0, 0, 0, 0});
  VoiceStatus long_status;
  ReadVoiceStatus(h.context, long_status);
  EXPECT_FALSE(long_status.has_value());
}

TEST_F(SettingsStoreTest, RaisedFailureInTheReadShowsItsDescriptionAndLeavesTheStatus) {
  h.registry.SetDwordValue(kSettings, "Voicestat", 1);
  h.form1.RaiseOn("SetCaption txtvoicestat");
  VoiceStatus status;
  ReadVoiceStatus(h.context, status);
  ASSERT_EQ(1u, h.messages.Shown().size());
  EXPECT_EQ(0u, h.messages.Shown()[0].rfind("Message 64: Injected failure", 0));
  EXPECT_EQ(0, h.registry.OpenHandles());
}

}  // namespace
}  // namespace kelvoro
