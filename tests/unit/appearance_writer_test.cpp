#include "appearance/appearance_writer.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

using Events = std::vector<std::string>;
const std::string kApplied = "Message 64: " + Text(TextId::kAppliedMessage);
const std::string kRestored = "Message 64: " + Text(TextId::kRestoredMessage);
const std::string kError = "Message 16: " + Text(TextId::kAccessDeniedMessage);
const std::string kFolderName = "Message 16: " + Text(TextId::kFolderNameMessage);
const std::u16string kFarFolder = u"C:\\\u0418\u0432\u0430\u043D \u6E2C\u8A66 Kelvoro";

// The values written and what may change them are the runs' properties; these are the messages.
TEST(AppearanceWriter, EachFamilysKeysTakeTheLookWithItsMessageAndARaisedFailureShowsTheError) {
  const RegValue nt_full = WideTextValue(u"C:\\Tools\\white.ico,0");
  const RegValue x9_full = TextValue("C:\\Tools\\white.ico,0");
  for (const auto& [keys, icon, klass, full] : {std::tuple{&kNTKeys, kNTIcon, kNTClass, nt_full},
                                                std::tuple{&k9xKeys, k9xIcon, k9xClass, x9_full}}) {
    Harness h;
    h.registry.AddKey(icon);
    ApplyIcons(h.registry, h.system, h.messages, h.form1, *keys);
    ApplyName(h.registry, h.system, h.messages, h.form1, *keys);
    EXPECT_EQ(full, h.registry.Get(icon, "Full"));
    EXPECT_EQ(TextValue("Kelvoro"), h.registry.Get(klass, ""));
    RestoreIcons(h.registry, h.messages, h.form1, *keys);
    RestoreName(h.registry, h.system, h.messages, h.form1, *keys);
    EXPECT_EQ((Events{kApplied, kRestored}), h.messages.Shown());
  }
  Harness h;
  h.registry.AddKey(kNTIcon);
  h.form1.RaiseOn("Caption Label7");
  ApplyIcons(h.registry, h.system, h.messages, h.form1, kNTKeys);
  EXPECT_EQ(WideTextValue(u"C:\\Tools\\black.ico,0"), h.registry.Get(kNTIcon, "Empty"));
  EXPECT_EQ(Events{kError}, h.messages.Shown());
  EXPECT_GT(h.log.IndexOf("Close "), h.log.IndexOf(kError))
      << "the box shows before the key closes";
  h.registry.FailWith("Set ", kRaise);
  RestoreName(h.registry, h.system, h.messages, h.form1, kNTKeys);
  EXPECT_EQ((Events{kError, kError}), h.messages.Shown());
}

// NT keeps the exact folder whatever its characters; 9x, whose registry keeps code-page texts
// only, writes nothing for a folder the code page cannot write and says why.
TEST(AppearanceWriter, AFolderOutsideTheCodePageIsWrittenExactlyOnNTAndRefusedOn9x) {
  Harness h;
  h.system.program_folder = kFarFolder;
  h.registry.AddKey(kNTIcon);
  ApplyIcons(h.registry, h.system, h.messages, h.form1, kNTKeys);
  for (const char* name : {"", "Empty"}) {
    EXPECT_EQ(WideTextValue(kFarFolder + u"\\black.ico,0"), h.registry.Get(kNTIcon, name));
  }
  EXPECT_EQ(WideTextValue(kFarFolder + u"\\white.ico,0"), h.registry.Get(kNTIcon, "Full"));
  EXPECT_EQ(Events{kApplied}, h.messages.Shown());

  h.log.events.clear();
  h.registry.AddKey(k9xIcon);
  ApplyIcons(h.registry, h.system, h.messages, h.form1, k9xKeys);
  EXPECT_EQ(Events{kFolderName}, h.messages.Shown());
  EXPECT_EQ(-1, h.log.IndexOf("Open ")) << h.log.Dump();
  EXPECT_EQ(std::nullopt, h.registry.Get(k9xIcon, ""));
}

}  // namespace
}  // namespace kelvoro
