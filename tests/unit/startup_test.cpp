#include "app/startup.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/registry_paths.h"

namespace kelvoro {
namespace {

using testing::Harness;
using namespace testing;  // the registry places
using testing::ProgramEnded;

class StartupTest : public ::testing::Test {
 protected:
  Harness h;
  void SetUp() override {
    h.registry.AddKey("HKCU\\Software");
    h.registry.SetString(kStockSoundPath, "", "%SystemRoot%\\media\\stock.wav",
                         ValueType::kExpandSz);
  }
  bool Hidden(const char* name) const { return h.form1.hidden.count(name) != 0; }
};

TEST_F(StartupTest, NTFirstRunRunsEveryStatementInOrder) {
  h.system.platform_id = 2;
  Form_Load(h.context);
  // Registry traffic of the settings chain is summarised by its first and last entries.
  std::vector<std::string> ui;
  for (const std::string& event : h.log.Events()) {
    if (event.rfind("Open ", 0) == 0 || event.rfind("Close ", 0) == 0 ||
        event.rfind("Create ", 0) == 0) {
      continue;
    }
    ui.push_back(event);
  }
  const std::vector<std::string> expected = {
      "BackColour Form1",
      "BackColour Check1",
      "BackColour Command5",
      "BackColour Command6",
      "BackColour Command7",
      "Hide Command1",
      "Hide Command2",
      "Hide Command3",
      "Picture Image1=3",
      "Picture Image3=1",
      "Picture Image4=2",
      "SetCaption Label12=Windows NT",
      "Set HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1:Voicestat REG_DWORD 0",
      "Query HKCU\\AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Default:",
      "SetCaption lbldefvoice=%SystemRoot%\\media\\stock.wav",
      "Query HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1:Voicestat",
      "SetCaption txtvoicestat=0",
      "Check1=0",
  };
  EXPECT_EQ(expected, ui) << h.log.Dump();
  EXPECT_EQ(2, h.state.PlatformId);
  EXPECT_EQ("C:\\WINDOWS", h.state.WindowsFolder);
  EXPECT_EQ(kWindowColour, h.form1.colours.at("Form1"));
  EXPECT_EQ(0, h.registry.OpenHandles());
  EXPECT_TRUE(h.messages.Shown().empty());
}

TEST_F(StartupTest, EachPlatformGetsItsButtonSetAndFamilyText) {
  struct Case {
    std::uint32_t id;
    const char* family;
    bool set_a;
  };
  for (const Case& c : {Case{0, "Windows 32s ", true}, Case{1, "Windows 9X", true},
                        Case{2, "Windows NT", false}, Case{3, "", false}}) {
    Harness run;
    run.system.platform_id = c.id;
    Form_Load(run.context);
    const char* shown[] = {"Command1", "Command2", "Command3"};
    const char* hidden[] = {"Command5", "Command6", "Command7"};
    for (int i = 0; i < 3; ++i) {
      const char* kept = c.set_a ? shown[i] : hidden[i];
      const char* gone = c.set_a ? hidden[i] : shown[i];
      EXPECT_EQ(0u, run.form1.hidden.count(kept)) << kept << " platform " << c.id;
      EXPECT_EQ(1u, run.form1.hidden.count(gone)) << gone << " platform " << c.id;
      // Set A keeps its design colours; set B takes the window colour.
      EXPECT_EQ(c.set_a ? 0u : 1u, run.form1.colours.count(hidden[i])) << "platform " << c.id;
    }
    EXPECT_EQ(c.family, run.form1.store.Get("Label12")) << "platform " << c.id;
    EXPECT_EQ(static_cast<std::int32_t>(c.id), run.state.PlatformId);
  }
}

TEST_F(StartupTest, FailedVersionQueryShowsSetAAndReportsOnce) {
  h.system.platform_id.reset();
  Form_Load(h.context);
  EXPECT_EQ(0, h.state.PlatformId);
  EXPECT_TRUE(Hidden("Command7"));
  EXPECT_FALSE(Hidden("Command1"));
  EXPECT_EQ("Label12", h.form1.store.Get("Label12"));
  EXPECT_EQ(std::vector<std::string>{"Message 0: Error Getting Version Information"},
            h.messages.Shown());
}

TEST_F(StartupTest, StoredStatusSetsTheCheckBox) {
  const std::pair<std::optional<std::uint32_t>, int> cases[] = {
      {1, 1}, {0, 0}, {7, 1}, {std::nullopt, 0}};
  for (const auto& [stored, expected] : cases) {
    Harness run;
    run.registry.AddKey(kSettings);
    if (stored) run.registry.SetDwordValue(kSettings, "Voicestat", *stored);
    run.form1.check1 = 1;  // shows whether start-up set it or left it
    Form_Load(run.context);
    EXPECT_EQ(expected, run.form1.check1)
        << "stored " << (stored ? std::to_string(*stored) : "nothing");
    // A start never writes the status of an existing key again.
    EXPECT_TRUE(run.log.Matching("Set ").empty()) << run.log.Dump();
  }
}

TEST_F(StartupTest, FailedDirectoryQueryLeavesTheFolderEmptySilently) {
  h.system.windows_directory.reset();
  Form_Load(h.context);
  EXPECT_TRUE(h.state.WindowsFolder.empty());
  EXPECT_TRUE(h.messages.Shown().empty());
}

TEST_F(StartupTest, RaisedStatementIsAbandonedAloneAndStartUpGoesOn) {
  h.system.platform_id = 1;
  h.form1.RaiseOn("BackColour Form1");
  h.form1.RaiseOn("Hide Command6");
  h.form1.RaiseOn("Picture Image1");
  Form_Load(h.context);
  EXPECT_EQ(0u, h.form1.colours.count("Form1"));
  EXPECT_EQ(1u, h.form1.colours.count("Check1"));
  EXPECT_TRUE(Hidden("Command5"));
  EXPECT_FALSE(Hidden("Command6"));
  EXPECT_TRUE(Hidden("Command7"));
  EXPECT_EQ(0u, h.form1.pictures.count("Image1"));
  EXPECT_EQ(1, h.form1.pictures.at("Image3"));
  EXPECT_EQ(2, h.form1.pictures.at("Image4"));
  EXPECT_EQ("Windows 9X", h.form1.store.Get("Label12"));
  EXPECT_EQ("C:\\WINDOWS", h.state.WindowsFolder);
  EXPECT_TRUE(h.messages.Shown().empty()) << h.log.Dump();
}

TEST_F(StartupTest, RaisedFailureInAStepWithoutHandlerIsSilent) {
  h.form1.RaiseOn("SetCaption Label12");  // inside ShowWindowsFamily, which has no handler
  h.registry.RaiseOn("Open HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1 read", 1);
  Form_Load(h.context);
  EXPECT_EQ("Label12", h.form1.store.Get("Label12"));
  // EnsureSettingsKey was abandoned, so nothing was created; the read found no key.
  EXPECT_FALSE(h.registry.HasKey(kSettings));
  EXPECT_EQ(0, h.form1.check1);
  EXPECT_EQ("%SystemRoot%\\media\\stock.wav", h.form1.store.Get("lbldefvoice"));
  EXPECT_EQ("C:\\WINDOWS", h.state.WindowsFolder);
  EXPECT_TRUE(h.messages.Shown().empty()) << h.log.Dump();
}

TEST_F(StartupTest, RaisedFailureInTheStockSoundReadIsReportedAndStartUpGoesOn) {
  h.form1.RaiseOn("SetCaption lbldefvoice");
  Form_Load(h.context);
  ASSERT_EQ(1u, h.messages.Shown().size());
  EXPECT_EQ(0u, h.messages.Shown()[0].rfind("Message 48: ", 0));
  EXPECT_EQ("0", h.form1.store.Get("txtvoicestat"));
  EXPECT_EQ("C:\\WINDOWS", h.state.WindowsFolder);
}

TEST_F(StartupTest, RaisedFailureInTheStatusReadIsReportedAndTheBoxStaysUnticked) {
  h.registry.SetDwordValue(kSettings, "Voicestat", 1);
  h.registry.RaiseOn("Query HKCU\\Software\\Orvane's Software");
  Form_Load(h.context);
  ASSERT_EQ(1u, h.messages.Shown().size());
  EXPECT_EQ(0u, h.messages.Shown()[0].rfind("Message 64: Injected failure in: Query", 0));
  EXPECT_EQ(0, h.form1.check1);
  EXPECT_EQ("C:\\WINDOWS", h.state.WindowsFolder);
}

TEST_F(StartupTest, RaisedFailureWhileCreatingTheKeyEndsTheProgramBeforeLaterSteps) {
  h.registry.RaiseOn("Create ");
  EXPECT_THROW(Form_Load(h.context), ProgramEnded);
  EXPECT_EQ(1u, h.messages.Shown().size());
  EXPECT_EQ(-1, h.log.IndexOf("Query "));
  EXPECT_TRUE(h.state.WindowsFolder.empty());
}

}  // namespace
}  // namespace kelvoro
