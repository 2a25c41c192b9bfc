#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

using Events = std::vector<std::string>;
const std::string kMaker = "HKCU\\Software\\Orvane's Software";
const std::string kProduct = kMaker + "\\Kelvoro";

// The status read and written in a whole run is the runs' property; these are the levels of the
// settings key and the failure that ends the program.
TEST(SettingsStore, FirstRunCreatesEachLevelUnderItsParentAndARaisedFailureEndsTheProgram) {
  Harness h;
  h.registry.AddKey("HKCU\\Software");
  EnsureSettingsKey(h.registry, h.messages, h.system);
  const std::string settings = kSettings;
  EXPECT_EQ((Events{"Open " + settings + " read", "Open HKCU\\Software write",
                    "Open " + kMaker + " write", "Open " + kProduct + " write",
                    "Open " + settings + " write"}),
            h.log.Matching("Open "));
  EXPECT_TRUE(h.log.InOrder({"Create " + kMaker, "Create " + kProduct, "Create " + settings,
                             "Set " + settings + ":Voicestat REG_DWORD 0"}))
      << h.log.Dump();
  EXPECT_EQ(Events{}, h.messages.Shown());

  Harness failing;
  failing.registry.AddKey("HKCU\\Software");
  failing.registry.FailWith("Create " + kProduct, kRaise);
  EXPECT_THROW(EnsureSettingsKey(failing.registry, failing.messages, failing.system), ProgramEnded);
  EXPECT_EQ(Events{"Message 48: Unable to create necessary Registry values. Contact "
                   "support@orvane.exampleInjected failure in: Create " +
                   kProduct},
            failing.messages.Shown());
}

}  // namespace
}  // namespace kelvoro
