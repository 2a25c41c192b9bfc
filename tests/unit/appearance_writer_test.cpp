#include "appearance/appearance_writer.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/registry_paths.h"

namespace kelvoro {
namespace {

using testing::Harness;
using namespace testing;  // the registry places

constexpr char kApplied[] =
    "Message 64: The changes have been made to the Recycle Bin successfully. Press "
    "'F5'(Refresh) Key several times on the Desktop to Display the changes.";
constexpr char kRestored[] =
    "Message 64: Recycle Bin defaults restored. Press 'F5'(Refresh) Key several times on the "
    "Desktop to Display the changes.";
constexpr char kError[] =
    "Message 16: Error while performing the operation.Access Denied. Check permission";

// Seeds a family's keys with the stock look.
void SeedStock(Harness& h, const char* icon, const char* klass) {
  h.registry.SetString(klass, "", "Recycle Bin");
  h.registry.SetString(icon, "", kStockEmptyIcon);
  h.registry.SetString(icon, "Empty", kStockEmptyIcon);
  h.registry.SetString(icon, "Full", kStockFullIcon);
}

class AppearanceWriterTest : public ::testing::Test {
 protected:
  Harness h;
  void SetUp() override {
    SeedStock(h, kNTIcon, kNTClass);
    SeedStock(h, k9xIcon, k9xClass);
  }
  std::optional<std::string> Text(const char* key, const char* name) const {
    return h.registry.GetString(key, name);
  }
};

TEST_F(AppearanceWriterTest, ApplyIconsWritesTheThreeValuesThenShowsTheAppliedMessage) {
  ApplyIconsNT(h.context);
  const std::vector<std::string> expected = {
      "ProgramFolder",
      std::string("Open ") + kNTIcon + " write",
      std::string("Set ") + kNTIcon + ": REG_SZ C:\\Tools\\black.ico,0",
      std::string("Set ") + kNTIcon + ":Empty REG_SZ C:\\Tools\\black.ico,0",
      std::string("Set ") + kNTIcon + ":Full REG_SZ C:\\Tools\\white.ico,0",
      kApplied,
      std::string("Close ") + kNTIcon,
  };
  EXPECT_EQ(expected, h.log.Events()) << h.log.Dump();
}

TEST_F(AppearanceWriterTest, The9xTwinWritesTheSameUnderTheMachineWideKey) {
  ApplyIcons9x(h.context);
  ApplyName9x(h.context);
  EXPECT_EQ("C:\\Tools\\black.ico,0", Text(k9xIcon, ""));
  EXPECT_EQ("C:\\Tools\\black.ico,0", Text(k9xIcon, "Empty"));
  EXPECT_EQ("C:\\Tools\\white.ico,0", Text(k9xIcon, "Full"));
  EXPECT_EQ("Kelvoro", Text(k9xClass, ""));
  EXPECT_EQ(kStockEmptyIcon, Text(kNTIcon, ""));  // the per-user keys are not touched
  EXPECT_EQ("Recycle Bin", Text(kNTClass, ""));
  EXPECT_EQ(std::vector<std::string>{kApplied}, h.messages.Shown());
}

TEST_F(AppearanceWriterTest, RestoreIconsWritesTheStockTextUnexpandedAsPlainText) {
  ApplyIconsNT(h.context);
  RestoreIconsNT(h.context);
  for (const char* name : {"", "Empty"}) {
    EXPECT_EQ(kStockEmptyIcon, Text(kNTIcon, name)) << "value '" << name << "'";
    EXPECT_EQ(ValueType::kSz, h.registry.Get(kNTIcon, name)->type);
  }
  EXPECT_EQ(kStockFullIcon, Text(kNTIcon, "Full"));
  EXPECT_EQ(kRestored, h.messages.Shown().back());
  // The stock look needs no program folder.
  EXPECT_EQ(1u, h.log.Matching("ProgramFolder").size());
}

TEST_F(AppearanceWriterTest, NamesAreWrittenWithoutAnyMessage) {
  ApplyNameNT(h.context);
  EXPECT_EQ("Kelvoro", Text(kNTClass, ""));
  RestoreName9x(h.context);
  EXPECT_EQ("Recycle Bin", Text(k9xClass, ""));
  EXPECT_TRUE(h.messages.Shown().empty());
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(AppearanceWriterTest, ValuesAreReadAfreshFromTheStoreAtEachWrite) {
  h.form1.store.Set("Label6", "other.ico,2");
  h.form1.store.Set("Label8", "");
  ApplyIconsNT(h.context);
  ApplyNameNT(h.context);
  EXPECT_EQ("C:\\Tools\\other.ico,2", Text(kNTIcon, "Empty"));
  // An empty caption is an empty string: one byte, its zero.
  EXPECT_EQ(std::vector<std::uint8_t>{0}, h.registry.Get(kNTClass, "")->bytes);
}

TEST_F(AppearanceWriterTest, MissingIconKeyWritesNothingAndSaysNothing) {
  Harness bare;
  ApplyIconsNT(bare.context);
  RestoreIcons9x(bare.context);
  EXPECT_TRUE(bare.log.Matching("Set ").empty());
  EXPECT_TRUE(bare.messages.Shown().empty());
  EXPECT_FALSE(bare.registry.HasKey(kNTIcon));
  EXPECT_TRUE(bare.log.Matching("Close ").empty());
}

TEST_F(AppearanceWriterTest, RefusedOpenIsSilentDespiteTheAccessDeniedWording) {
  h.registry.FailWith("Open ", testing::kAccessDenied);
  ApplyIconsNT(h.context);
  ApplyNameNT(h.context);
  EXPECT_TRUE(h.messages.Shown().empty());
  EXPECT_EQ(kStockEmptyIcon, Text(kNTIcon, ""));
}

TEST_F(AppearanceWriterTest, FailedFullWriteKeepsTheEarlierValuesAndShowsNoMessage) {
  h.registry.FailWith(std::string("Set ") + kNTIcon + ":Full", testing::kAccessDenied);
  ApplyIconsNT(h.context);
  EXPECT_EQ("C:\\Tools\\black.ico,0", Text(kNTIcon, ""));
  EXPECT_EQ("C:\\Tools\\black.ico,0", Text(kNTIcon, "Empty"));
  EXPECT_EQ(kStockFullIcon, Text(kNTIcon, "Full"));
  EXPECT_TRUE(h.messages.Shown().empty());
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(AppearanceWriterTest, FailedEmptyWriteStopsBeforeFull) {
  h.registry.FailWith(std::string("Set ") + kNTIcon + ":Empty", testing::kAccessDenied);
  RestoreIconsNT(h.context);
  EXPECT_TRUE(h.log.Matching(std::string("Set ") + kNTIcon + ":Full").empty());
  EXPECT_TRUE(h.messages.Shown().empty());
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(AppearanceWriterTest, RaisedFailureShowsTheErrorOnceThenClosesTheKey) {
  h.form1.RaiseOn("Caption Label7");
  ApplyIconsNT(h.context);
  EXPECT_EQ(std::vector<std::string>{kError}, h.messages.Shown());
  EXPECT_EQ(std::string("Close ") + kNTIcon, h.log.Events().back()) << h.log.Dump();
  EXPECT_EQ("C:\\Tools\\black.ico,0", Text(kNTIcon, "Empty"));
  EXPECT_EQ(kStockFullIcon, Text(kNTIcon, "Full"));
}

TEST_F(AppearanceWriterTest, RaisedFailureInANameOperationShowsTheErrorOnce) {
  h.registry.RaiseOn("Set ");
  RestoreNameNT(h.context);
  EXPECT_EQ(std::vector<std::string>{kError}, h.messages.Shown());
  EXPECT_EQ(0, h.registry.OpenHandles());
}

TEST_F(AppearanceWriterTest, ProgramFolderThatCannotBeObtainedWritesNoIcons) {
  h.system.program_folder.reset();  // for example, not expressible in the ANSI code page
  ApplyIconsNT(h.context);
  EXPECT_EQ(std::vector<std::string>{kError}, h.messages.Shown());
  EXPECT_TRUE(h.log.Matching("Set ").empty());
  EXPECT_TRUE(h.log.Matching("Open ").empty());
}

TEST_F(AppearanceWriterTest, ProgramFolderIsAskedForAnewEachTime) {
  ApplyIconsNT(h.context);
  h.system.program_folder = "D:\\Moved";
  ApplyIconsNT(h.context);
  EXPECT_EQ("D:\\Moved\\white.ico,0", Text(kNTIcon, "Full"));
}

}  // namespace
}  // namespace kelvoro
