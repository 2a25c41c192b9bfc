// The main window from the keyboard, as a user drives it: Enter clicks the push button that has
// the focus, as Space does.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "e2e_support.h"
#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

constexpr char kAppliedMessage[] =
    "The changes have been made to the Recycle Bin successfully. Press 'F5'(Refresh) Key several "
    "times on the Desktop to Display the changes.";

struct Family {
  const char* wine_version;  // as HKCU\Software\Wine\AppDefaults takes it
  int apply_id;              // set B's system push button, or set A's owner-drawn one
};

void PrintTo(const Family& family, std::ostream* out) { *out << family.wine_version; }

// The control that has the keyboard focus in the program's user-interface thread.
HWND FocusOf(HWND main) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(main, /*lpdwProcessId=*/nullptr);
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

std::string Describe(HWND window) {
  if (window == nullptr) return "nothing";
  return ClassNameOf(window) + " \"" + TextOf(window) + "\" (id " +
         std::to_string(GetDlgCtrlID(window)) + ")";
}

// A key pressed and released, delivered as the keyboard delivers it: to the control with the
// focus, through the program's own message loop.
void PressKey(HWND focus, WORD key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(focus, WM_KEYDOWN, key, 1 | scan);
  PostMessageA(focus, WM_KEYUP, key, 1 | scan | (LPARAM{3} << 30));
}

class KeyboardTest : public ::testing::TestWithParam<Family> {
 protected:
  void SetUp() override {
    if (!RunningUnderWine() && std::string(GetParam().wine_version) != "win10") {
      GTEST_SKIP() << "the Windows family can be chosen per program only under Wine";
    }
    ASSERT_TRUE(PrepareFirstRun(GetParam().wine_version));
    ASSERT_TRUE(StartProgram(app_, &main_));
  }

  void TearDown() override {
    while (auto box = FindMessageBox(app_.Id())) {
      if (!DismissMessageBox(box->hwnd)) break;
    }
    if (app_.Running()) app_.Close();
  }

  // Waits for Apply's message box, checks it and presses its OK.
  void ExpectAppliedMessage(const char* when) {
    std::optional<MessageBoxInfo> box;
    WaitFor([&] { return (box = FindMessageBox(app_.Id())).has_value(); }, kUiTimeoutMs);
    ASSERT_TRUE(box.has_value()) << "no message box " << when;
    EXPECT_EQ(box->text, kAppliedMessage) << when;
    ASSERT_TRUE(DismissMessageBox(box->hwnd)) << "the message box " << when << " stayed open";
  }

  AppProcess app_;
  HWND main_ = nullptr;
};

// After a mouse click on Apply and its message, Apply keeps the focus without being a default
// button; Enter then runs Apply again.
TEST_P(KeyboardTest, EnterOnTheFocusedApplyButtonRunsApply) {
  const HWND apply = GetDlgItem(main_, GetParam().apply_id);
  ASSERT_NE(apply, nullptr);
  ClickButton(apply);
  ASSERT_NO_FATAL_FAILURE(ExpectAppliedMessage("after a click on Apply"));
  ASSERT_TRUE(WaitFor([&] { return FocusOf(main_) == apply; }, kUiTimeoutMs))
      << "Apply lost the focus after its message; it is on " << Describe(FocusOf(main_));

  PressKey(apply, VK_RETURN);
  ExpectAppliedMessage("after Enter on Apply");
}

INSTANTIATE_TEST_SUITE_P(Families, KeyboardTest,
                         ::testing::Values(Family{"win10", IDC_COMMAND7},
                                           Family{"win98", IDC_COMMAND1}),
                         [](const ::testing::TestParamInfo<Family>& info) {
                           return std::string(info.param.wine_version);
                         });

}  // namespace
}  // namespace kelvoro::e2e
