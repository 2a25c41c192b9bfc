#include "app/startup.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

using Events = std::vector<std::string>;
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

TEST_F(StartupTest, EachPlatformGetsItsButtonSet) {
  const Control set_a[] = {Control::Command1, Control::Command2, Control::Command3};
  const Control set_b[] = {Control::Command5, Control::Command6, Control::Command7};
  // The family text and the platform id per identifier are GetPlatformId's and
  // ShowWindowsFamily's own tests.
  for (const auto queried : std::initializer_list<std::optional<std::uint32_t>>{0, 1, 2, 3, {}}) {
    Harness run;
    run.system.platform_id = queried;
    Form_Load(run.ports, run.facts);
    const bool shows_a = queried.value_or(0) < 2;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(shows_a ? 0u : 1u, run.form1.hidden.count(set_a[i])) << queried.value_or(99);
      EXPECT_EQ(shows_a ? 1u : 0u, run.form1.hidden.count(set_b[i])) << queried.value_or(99);
      // Set A keeps its design colours; set B takes the window colour.
      EXPECT_EQ(0u, run.form1.colours.count(set_a[i])) << queried.value_or(99);
      EXPECT_EQ(shows_a ? 0u : 1u, run.form1.colours.count(set_b[i])) << queried.value_or(99);
    }
  }
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

// The reads' own handlers, which report their failures, are ReadDefaultEmptySound's and
// ReadVoiceStatus's tests.
TEST_F(StartupTest, RaisedStatementIsAbandonedAloneAndSilently) {
  h.system.platform_id = 1;
  h.system.windows_directory.reset();
  for (const char* raised :
       {"BackColour Form1", "Hide Command6", "Picture Image1", "SetCaption Label12", "Check1="}) {
    h.form1.RaiseOn(raised);
  }
  h.registry.FailWith(std::string("Open ") + kSettings + " read", kRaise, 1);
  h.registry.Put(kSettings, "Voicestat", DwordValue(1));
  Form_Load(h.ports, h.facts);
  EXPECT_EQ(1u, h.form1.colours.count(Control::Check1));
  EXPECT_EQ((std::set<Control>{Control::Command5, Control::Command7}), h.form1.hidden);
  EXPECT_EQ((std::map<Control, int>{{Control::Image3, 1}, {Control::Image4, 2}}), h.form1.pictures);
  EXPECT_EQ("Label12", h.form1.store.Get(Control::Label12));
  EXPECT_EQ(Events{}, h.log.Matching("Create ")) << "EnsureSettingsKey was abandoned";
  EXPECT_EQ(kStock, h.form1.store.Get(Control::lbldefvoice));
  EXPECT_EQ("1", h.form1.store.Get(Control::txtvoicestat));
  EXPECT_EQ(0, h.form1.check1);
  EXPECT_EQ(1, h.facts.PlatformId);
  EXPECT_EQ("", h.facts.WindowsFolder);
  EXPECT_EQ(Events{}, h.messages.Shown()) << h.log.Dump();
}

TEST_F(StartupTest, RaisedFailureWhileCreatingTheKeyEndsTheProgramBeforeLaterSteps) {
  h.registry.FailWith("Create ", kRaise);
  EXPECT_THROW(Form_Load(h.ports, h.facts), ProgramEnded);
  EXPECT_EQ(1u, h.messages.Shown().size());
  EXPECT_EQ(-1, h.log.IndexOf("Query "));
  EXPECT_EQ("", h.facts.WindowsFolder);
}

}  // namespace
}  // namespace kelvoro
