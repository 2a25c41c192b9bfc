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

}  // namespace
}  // namespace kelvoro
