#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/value_store.h"
#include "settings/settings_store.h"
#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

constexpr char kStock[] = "%SystemRoot%\\media\\stock.wav";

// A first run on the NT family: HKCU\Software and the stock sound, nothing else.
struct StartupTest : ::testing::Test {
  void SetUp() override {
    h.registry.AddKey("HKCU\\Software");
    h.registry.Put(kStockSound, "", TextValue(kStock, ValueType::kExpandSz));
  }
  Harness h;
};

TEST_F(StartupTest, NTFirstRunRunsEveryStatementInOrder) {
  Form_Load(h.ports, h.facts);
  EXPECT_TRUE(h.log.InOrder(
      {"BackColour Form1", "BackColour Check1", "BackColour Command5", "BackColour Command6",
       "BackColour Command7", "Hide Command1", "Hide Command2", "Hide Command3", "Picture Image1=3",
       "Picture Image3=1", "Picture Image4=2", "SetCaption Label12=Windows NT",
       "Create " + std::string(kSettings), "Set " + std::string(kSettings) + ":Voicestat",
       "SetCaption lbldefvoice=" + std::string(kStock), "SetCaption txtvoicestat=0", "Check1=0"}))
      << h.log.Dump();
  EXPECT_EQ(2, h.facts.PlatformId);
  EXPECT_EQ("C:\\WINDOWS", h.facts.WindowsFolder);
  EXPECT_EQ(kWindowColour, h.form1.colours.at(Control::Form1));
  EXPECT_EQ(Events{}, h.messages.Shown());
}

TEST_F(StartupTest, NineXAndWin32sHideButtonSetBAndLeaveSetAItsColours) {
  h.system.platform_id = 1;
  Form_Load(h.ports, h.facts);
  EXPECT_EQ((Events{"Hide Command5", "Hide Command6", "Hide Command7"}), h.log.Matching("Hide "));
  EXPECT_EQ(Events{}, h.log.Matching("BackColour Command"));
}

TEST_F(StartupTest, StoredStatusTicksOrClearsTheCheckBoxOrLeavesIt) {
  struct Case {
    std::optional<std::uint32_t> stored;
    int before, after;
  };
  for (const Case& c : {Case{1, 0, 1}, {0, 1, 0}, {7, 0, 0}, {7, 1, 1}, {{}, 1, 0}}) {
    Harness run;
    run.registry.AddKey(kSettings);
    if (c.stored) run.registry.Put(kSettings, "Voicestat", DwordValue(*c.stored));
    run.form1.check1 = c.before;
    Form_Load(run.ports, run.facts);
    EXPECT_EQ(c.after, run.form1.check1) << "stored " << c.stored.value_or(99) << ", " << c.before;
  }
}

// The status read and written in a whole run is the runs' property; these are the levels of the
// settings key and the failure that ends the program.
TEST_F(StartupTest, FirstRunCreatesEachSettingsLevelUnderItsParentAndARaisedFailureEndsIt) {
  const std::string maker = "HKCU\\Software\\Orvane's Software", product = maker + "\\Kelvoro";
  const std::string settings = kSettings;
  EnsureSettingsKey(h.registry, h.messages, h.system);
  EXPECT_EQ(
      (Events{"Open " + settings + " read", "Open HKCU\\Software write", "Open " + maker + " write",
              "Open " + product + " write", "Open " + settings + " write"}),
      h.log.Matching("Open "));
  EXPECT_TRUE(h.log.InOrder({"Create " + maker, "Create " + product, "Create " + settings,
                             "Set " + settings + ":Voicestat REG_DWORD 0"}))
      << h.log.Dump();
  EXPECT_EQ(Events{}, h.messages.Shown());

  Harness failing;
  failing.registry.AddKey("HKCU\\Software");
  failing.registry.FailWith("Create " + product, kRaise);
  EXPECT_THROW(EnsureSettingsKey(failing.registry, failing.messages, failing.system), ProgramEnded);
  EXPECT_EQ(Events{"Message 48: Unable to create necessary Registry values. Contact "
                   "support@orvane.exampleInjected failure in: Create " +
                   product},
            failing.messages.Shown());
}

TEST(ValueStore, HoldsTheValueLabelsAloneFromTheirLayoutCaptionsOn) {
  ValueStore store;
  EXPECT_EQ("defvoice", store.Get(Control::lbldefvoice));
  store.Set(Control::txtvoicestat, "1");
  EXPECT_EQ("1", store.Get(Control::txtvoicestat));
  EXPECT_THROW(store.Get(Control::Check1), Failure);
  EXPECT_THROW(store.Set(Control::Form1, "x"), Failure);
}

}  // namespace
}  // namespace kelvoro
