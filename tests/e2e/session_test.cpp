// Per family, a session from the first start to Restore Defaults; and the install test's scenarios.
#include <string>

#include "scenario.h"

namespace kelvoro::e2e {
namespace {

const char kApplied[] =
    "Kelvoro: The changes have been made to the Recycle Bin successfully. Press 'F5'(Refresh) Key "
    "several times on the Desktop to Display the changes.\n";
const char kRestored[] =
    "Kelvoro: Recycle Bin defaults restored. Press 'F5'(Refresh) Key several times on the Desktop "
    "to Display the changes.\n";

std::string VisibleButtons(HWND main) {
  std::string out;
  for (int n : {1, 2, 3, 5, 6, 7}) {
    if (IsWindowVisible(GetDlgItem(main, IDC_COMMAND1 - 1 + n))) out += std::to_string(n) + " ";
  }
  return out;
}

// ---- Per family: the start, Apply with the sound ticked (clicked, then Enter), Restore Defaults.

class Session : public Scenario, public ::testing::WithParamInterface<Family> {};

TEST_P(Session, StartApplyEnterRestoreLeavesTheStockLook) {
  const Family& family = GetParam();
  ASSERT_NO_FATAL_FAILURE(Start(family.version));
  if (IsSkipped()) return;
  EXPECT_EQ(VisibleButtons(main_), family.buttons);
  EXPECT_EQ(Voicestat(), Dword(0)) << "the first start makes the settings";
  EXPECT_EQ(Check1(), "unticked");
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));

  // The icons come before the command's one message, the name after it; Win32s has neither.
  const bool looks = family.root != nullptr;
  std::string during;
  const auto seen = [&] { during += looks ? Appearance(family) : "a box"; };
  EXPECT_EQ(Run(family.apply, seen), looks ? kApplied : "");
  EXPECT_EQ(during, looks ? NewLook("Recycle Bin") : "");
  EXPECT_EQ(CurrentSound(), ReplacementSound(family.sound_type));
  EXPECT_EQ(Voicestat(), Dword(1));
  EXPECT_EQ(Check1(), "ticked");

  // Apply keeps the focus after its message, without being a default button; Enter runs it again.
  const HWND apply = GetDlgItem(main_, family.apply);
  EXPECT_TRUE(WaitFor([&] { return FocusOf(main_) == apply; }))
      << "the focus is on control " << GetDlgCtrlID(FocusOf(main_));
  PressKey(apply, VK_RETURN);
  if (looks) {
    const auto box = FindMessageBox(app_.Id(), kUiTimeoutMs);
    EXPECT_EQ(box ? box->text + "\n" : "no message", kApplied) << "after Enter on Apply";
    if (box) DismissMessageBox(box->hwnd);
  }

  during.clear();
  EXPECT_EQ(Run(family.restore, seen), looks ? kRestored : "");
  EXPECT_EQ(during, looks ? StockLook("Kelvoro") : "");
  EXPECT_EQ(Check1(), "unticked");
  EXPECT_TRUE(app_.Close());

  // Both families hold the stock look, the stock sound is back byte for byte, settings stay.
  for (const Family& place : {kWin10, kWin98}) {
    EXPECT_EQ(Appearance(place), StockLook("Recycle Bin")) << place.version;
  }
  EXPECT_EQ(CurrentSound(), Text(REG_EXPAND_SZ, "%SystemRoot%\\media\\Windows Recycle.wav"));
  EXPECT_EQ(Voicestat(), Dword(0));
}

INSTANTIATE_TEST_SUITE_P(Families, Session, ::testing::Values(kWin10, kWin98, kWin31),
                         [](const auto& info) { return std::string(info.param.version); });

// ---- For the install test's filter: the installed program applies with the sound ticked and
// leaves it; after the uninstall, the bin has the name Windows gives it in the display language.

using Install = Scenario;
TEST_F(Install, ApplyTickedAndLeaveIt) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));
  EXPECT_EQ(Run(IDC_COMMAND7), kApplied);
  EXPECT_TRUE(app_.Close());
}

TEST_F(Install, BinNamedAsWindowsNamesIt) {
  EXPECT_EQ(Show(kWin10.root, kWin10.class_key), Text(REG_SZ, SystemBinName()));
}

}  // namespace
}  // namespace kelvoro::e2e
