// The About window: one, brought to the front by a second click, taking no input behind Apply's
// message, centred when reopened, outliving the main window; the program ends with it.
#include <cstdlib>
#include <string>

#include "scenario.h"

namespace kelvoro::e2e {
namespace {

using About = Scenario;
TEST_F(About, OneWindowBlockedByMessagesCentredWhenReopenedOutlivingTheMainWindow) {
  const auto CloseAndWait = [](HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitFor([window] { return !IsWindow(window); });
  };
  ASSERT_NO_FATAL_FAILURE(Start());
  const HWND about = ClickAbout();
  ASSERT_NE(about, nullptr);
  SetForegroundWindow(main_);
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main_; }));
  EXPECT_EQ(ClickAbout(), about) << "a second click made another window";
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == about; })) << "or left it behind";

  ClickButton(GetDlgItem(main_, IDC_COMMAND7));
  const auto box = FindMessageBox(app_.Id(), kUiTimeoutMs);
  ASSERT_TRUE(box.has_value()) << "no message after Apply";
  EXPECT_FALSE(IsWindowEnabled(main_)) << "the main window takes input behind the message";
  EXPECT_FALSE(IsWindowEnabled(about)) << "the About window takes input behind the message";
  ASSERT_TRUE(DismissMessageBox(box->hwnd));
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main_) && IsWindowEnabled(about); }));

  ASSERT_TRUE(SetWindowPos(about, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
  ASSERT_TRUE(CloseAndWait(about));
  EXPECT_TRUE(IsWindowVisible(main_));
  const HWND again = ClickAbout();
  RECT rect{};
  ASSERT_TRUE(GetWindowRect(again, &rect));
  EXPECT_LE(std::abs(rect.left + rect.right - GetSystemMetrics(SM_CXSCREEN)), 4) << rect.left;
  EXPECT_LE(std::abs(rect.top + rect.bottom - GetSystemMetrics(SM_CYSCREEN)), 4) << rect.top;

  ASSERT_TRUE(CloseAndWait(main_));
  Sleep(kSettleMs);
  ASSERT_TRUE(app_.Running()) << "the program ended with the main window";
  EXPECT_TRUE(IsWindowVisible(again));
  ASSERT_TRUE(CloseAndWait(again));
  ASSERT_TRUE(WaitFor([&] { return !app_.Running(); })) << "the program outlives its windows";
  EXPECT_EQ(app_.ExitCode(), 0u);
}

}  // namespace
}  // namespace kelvoro::e2e
