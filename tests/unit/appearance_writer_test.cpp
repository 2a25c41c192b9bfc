#include "appearance/appearance_writer.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

using Events = std::vector<std::string>;
const std::string kApplied = std::string("Message 64: ") + kAppliedMessage;
const std::string kRestored = std::string("Message 64: ") + kRestoredMessage;
const std::string kError = std::string("Message 16: ") + kAppearanceErrorMessage;

// The values written and what may change them are the runs' properties; these are the messages.
TEST(AppearanceWriter, EachFamilysKeysTakeTheLookWithItsMessageAndARaisedFailureShowsTheError) {
  for (const auto& [keys, icon, klass] :
       {std::tuple{&kNTKeys, kNTIcon, kNTClass}, std::tuple{&k9xKeys, k9xIcon, k9xClass}}) {
    Harness h;
    h.registry.AddKey(icon);
    ApplyIcons(h.registry, h.system, h.messages, h.form1, *keys);
    ApplyName(h.registry, h.messages, h.form1, *keys);
    EXPECT_EQ(TextValue("C:\\Tools\\white.ico,0"), h.registry.Get(icon, "Full"));
    EXPECT_EQ(TextValue("Kelvoro"), h.registry.Get(klass, ""));
    RestoreIcons(h.registry, h.messages, h.form1, *keys);
    RestoreName(h.registry, h.messages, h.form1, *keys);
    EXPECT_EQ((Events{kApplied, kRestored}), h.messages.Shown());
  }
  Harness h;
  h.registry.AddKey(kNTIcon);
  h.form1.RaiseOn("Caption Label7");
  ApplyIcons(h.registry, h.system, h.messages, h.form1, kNTKeys);
  EXPECT_EQ(TextValue("C:\\Tools\\black.ico,0"), h.registry.Get(kNTIcon, "Empty"));
  EXPECT_EQ(Events{kError}, h.messages.Shown());
  EXPECT_GT(h.log.IndexOf("Close "), h.log.IndexOf(kError))
      << "the box shows before the key closes";
  h.registry.FailWith("Set ", kRaise);
  RestoreName(h.registry, h.messages, h.form1, kNTKeys);
  EXPECT_EQ((Events{kError, kError}), h.messages.Shown());
}

}  // namespace
}  // namespace kelvoro
