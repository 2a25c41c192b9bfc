#include "appearance/appearance_writer.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

using Events = std::vector<std::string>;
const std::string kApplied =
    "Message 64: The changes have been made to the Recycle Bin successfully. Press "
    "'F5'(Refresh) Key several times on the Desktop to Display the changes.";
const std::string kRestored =
    "Message 64: Recycle Bin defaults restored. Press 'F5'(Refresh) Key several times on the "
    "Desktop to Display the changes.";
const std::string kError =
    "Message 16: Error while performing the operation.Access Denied. Check permission";

struct Family {
  const char* icon;
  const char* klass;
  const FamilyKeys& keys;
};
const Family kNT{kNTIcon, kNTClass, kNTKeys};
const Family k9x{k9xIcon, k9xClass, k9xKeys};

class AppearanceWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const Family& family : {kNT, k9x}) {
      h.registry.Put(family.icon, "", TextValue("old"));
      h.registry.Put(family.icon, "Empty", TextValue("old"));
      h.registry.Put(family.icon, "Full", TextValue("old"));
      h.registry.Put(family.klass, "", TextValue("old"));
    }
  }
  void ApplyIcons(const Family& family = kNT) {
    kelvoro::ApplyIcons(h.registry, h.system, h.messages, h.form1, family.keys);
  }
  // The default value, "Empty" and "Full" of a family's icon key.
  std::vector<std::optional<RegValue>> Icons(const Family& family = kNT) const {
    return {h.registry.Get(family.icon, ""), h.registry.Get(family.icon, "Empty"),
            h.registry.Get(family.icon, "Full")};
  }
  static std::vector<std::optional<RegValue>> Expect(const std::string& empty,
                                                     const std::string& full) {
    return {TextValue(empty), TextValue(empty), TextValue(full)};
  }

  Harness h;
};

TEST_F(AppearanceWriterTest, EachFamilyWritesItsOwnKeysThenItsMessage) {
  for (const Family& family : {kNT, k9x}) {
    SetUp();
    h.log.events.clear();
    ApplyIcons(family);
    EXPECT_EQ(Expect("C:\\Tools\\black.ico,0", "C:\\Tools\\white.ico,0"), Icons(family));
    EXPECT_GT(h.log.IndexOf(kApplied), h.log.IndexOf(std::string("Set ") + family.icon + ":Full"));
    EXPECT_GT(h.log.IndexOf(std::string("Close ") + family.icon), h.log.IndexOf(kApplied));
    ApplyName(h.registry, h.messages, h.form1, family.keys);
    EXPECT_EQ(TextValue("Kelvoro"), h.registry.Get(family.klass, ""));
    // The stock values Restore Defaults writes, and that the other family stays as it was, are
    // the runs' properties.
    RestoreIcons(h.registry, h.messages, h.form1, family.keys);
    RestoreName(h.registry, h.messages, h.form1, family.keys);
    EXPECT_EQ((Events{kApplied, kRestored}), h.messages.Shown());
    EXPECT_EQ(1u, h.log.Matching("ProgramFolder").size()) << "the stock look joins no folder";
  }
}

TEST_F(AppearanceWriterTest, ValuesAreReadAfreshAtEachWriteAndTheFolderAskedForEachTime) {
  h.form1.store.Set(Control::Label6, "other.ico,2");
  h.form1.store.Set(Control::Label8, "");
  h.system.program_folder = "D:\\Moved";
  ApplyIcons();
  ApplyName(h.registry, h.messages, h.form1, kNTKeys);
  EXPECT_EQ(Expect("D:\\Moved\\other.ico,2", "D:\\Moved\\white.ico,0"), Icons());
  EXPECT_EQ((RegValue{ValueType::kSz, {0}}), h.registry.Get(kNTClass, ""));
}

TEST_F(AppearanceWriterTest, RefusedOpenOrWriteEndsTheOperationSilently) {
  const std::string set = std::string("Set ") + kNTIcon;
  const std::pair<std::string, int> cases[] = {// the refused call, the values written before it
                                               {"Open ", 0},
                                               {set + ": ", 0},
                                               {set + ":Empty", 1},
                                               {set + ":Full", 2}};
  for (const auto& [refused, written] : cases) {
    SetUp();
    h.log.events.clear();
    h.registry.FailWith(refused, kAccessDenied, 1);
    ApplyIcons();
    const auto applied = Expect("C:\\Tools\\black.ico,0", "C:\\Tools\\white.ico,0");
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(i < written ? applied[i] : TextValue("old"), Icons()[i]) << refused << ", " << i;
    }
    EXPECT_EQ(Events{}, h.messages.Shown()) << refused;
  }
  h.registry.FailWith("Open ", kFileNotFound);
  RestoreName(h.registry, h.messages, h.form1, k9xKeys);
  EXPECT_EQ(TextValue("old"), h.registry.Get(k9xClass, ""));
  EXPECT_EQ(Events{}, h.messages.Shown());
}

TEST_F(AppearanceWriterTest, RaisedFailureShowsTheErrorOnceThenClosesTheKey) {
  h.form1.RaiseOn("Caption Label7");
  ApplyIcons();
  EXPECT_EQ(Expect("C:\\Tools\\black.ico,0", "old"), Icons());
  EXPECT_EQ(Events{kError}, h.messages.Shown());
  EXPECT_GT(h.log.IndexOf("Close "), h.log.IndexOf(kError));
  h.registry.FailWith("Set ", kRaise);
  RestoreName(h.registry, h.messages, h.form1, kNTKeys);
  EXPECT_EQ((Events{kError, kError}), h.messages.Shown());
  h.system.program_folder = "";  // that no icon is written then is the runs' property
  ApplyIcons();
  EXPECT_EQ((Events{kError, kError, kError}), h.messages.Shown());
}

}  // namespace
}  // namespace kelvoro
