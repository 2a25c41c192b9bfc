// The web links, under Wine only (its scratch prefix may lose the browser automation object). The
// default browser is a script recording each address given (KELVORO_BROWSER_RECORDER, _RECORD).
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "scenario.h"

namespace kelvoro::e2e {
namespace {

using Lines = std::vector<std::string>;
const char kAutomationServerKey[] =
    "Software\\Classes\\CLSID\\{0002DF01-0000-0000-C000-000000000046}\\LocalServer32";
const char kMakerPage[] = "http://orvane.example/";
const char kProductPage[] = "http://orvane.example/kelvoro/";
constexpr DWORD kBrowserTimeoutMs = 20000;

class Links : public Scenario {
 protected:
  void SetUp() override {
    const char* script = std::getenv("KELVORO_BROWSER_RECORDER");
    const char* record = std::getenv("KELVORO_BROWSER_RECORD");
    if (!RunningUnderWine() || script == nullptr || record == nullptr) {
      GTEST_SKIP() << "needs Wine and its recording browser (test.sh sets it up)";
    }
    ASSERT_NO_FATAL_FAILURE(Prepare("win10"));
    record_ = std::string("Z:") + record;
    std::replace(record_.begin(), record_.end(), '/', '\\');
    DeleteFileA(record_.c_str());
    ASSERT_EQ(WriteText(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", "Browsers", script), 0);
    before_ = VisibleWindows(0, "IEFrame");
  }
  void TearDown() override { CloseBrowsers(); }

  // From both registry views: COM hands a program the other view's server when its own has none.
  static void RemoveAutomation() {
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
      ASSERT_EQ(DeleteTree(HKEY_LOCAL_MACHINE, kAutomationServerKey, view), 0) << view;
    }
  }
  void CloseBrowsers() {  // the scenario's browser windows, and their processes end
    std::vector<HANDLE> processes;
    for (HWND frame : BrowserWindows()) {
      DWORD pid = 0;
      GetWindowThreadProcessId(frame, &pid);
      processes.push_back(OpenProcess(SYNCHRONIZE, FALSE, pid));
      PostMessageA(frame, WM_CLOSE, 0, 0);
    }
    for (HANDLE process : processes) {
      EXPECT_EQ(WaitForSingleObject(process, kUiTimeoutMs), WAIT_OBJECT_0) << "a browser stays";
      CloseHandle(process);
    }
  }
  std::vector<HWND> BrowserWindows() const {  // the ones that the scenario opened
    std::vector<HWND> fresh;
    for (HWND frame : VisibleWindows(0, "IEFrame")) {
      if (std::count(before_.begin(), before_.end(), frame) == 0) fresh.push_back(frame);
    }
    return fresh;
  }
  Lines Record() const {  // the addresses handed to the browser so far
    std::ifstream file(record_);
    Lines lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }
  // Waits until the record holds `count` addresses; Settled then lets any more come.
  void AwaitRecord(std::size_t count) const {
    WaitFor([&] { return Record().size() >= count; }, kBrowserTimeoutMs);
  }
  Lines Settled(std::size_t count) const { return AwaitRecord(count), Sleep(kSettleMs), Record(); }

  std::string record_;
  std::vector<HWND> before_;
};

// Through the automation object each click opens one more browser window, never the default
// browser as well (Wine's automation browser tells no one where it was sent).
TEST_F(Links, EachClickOpensOneBrowserWindowThroughTheAutomationObject) {
  ASSERT_NE(Show(HKEY_LOCAL_MACHINE, kAutomationServerKey), "missing")
      << "no browser automation object is registered";
  ASSERT_TRUE(app_.Start(&main_));
  for (std::size_t click = 1; click <= 2; ++click) {
    ClickLabel(GetDlgItem(main_, IDC_LABEL13));
    WaitFor([&] { return BrowserWindows().size() >= click; }, kBrowserTimeoutMs);
  }
  Sleep(kSettleMs);
  EXPECT_EQ(BrowserWindows().size(), 2u) << "browser windows after two clicks";
  EXPECT_EQ(Record(), Lines{}) << "the default browser was opened as well";
  EXPECT_TRUE(app_.Close());
}

// Without the automation object, the default browser, whose record shows each address: Tab
// reaches each link after the other controls, with the focus rectangle while focused; Enter or
// Space (also held down), a click or the default action opens it once.
TEST_F(Links, TabReachesEachLinkLastAndEnterSpaceOrTheDefaultActionOpensItOnce) {
  ASSERT_NO_FATAL_FAILURE(RemoveAutomation());
  ASSERT_TRUE(app_.Start(&main_));
  const HWND link = GetDlgItem(main_, IDC_LABEL13);
  Sleep(kSettleMs);  // painted
  const std::vector<DWORD> unfocused = PixelsOf(link);
  const auto tab = [](HWND window) {
    const HWND from = FocusOf(window);
    PressKey(from, VK_TAB);
    WaitFor([&] { return FocusOf(window) != from; });
    return GetDlgCtrlID(FocusOf(window));
  };
  const auto default_action = [](HWND control) {
    HRESULT done = E_FAIL;
    WithAccessible(control, [&](IAccessible& object, VARIANT self) {
      done = object.accDoDefaultAction(self);
    });
    return done;
  };
  ASSERT_TRUE(WaitFor([&] { return FocusOf(main_) == GetDlgItem(main_, IDC_CHECK1); }));
  std::vector<int> order;
  for (int press = 0; press < 5; ++press) {
    order.push_back(tab(main_));
    if (order.back() == IDC_LABEL13) {
      Sleep(300);  // painted with its focus rectangle
      EXPECT_NE(PixelsOf(link), unfocused) << "no focus rectangle on the focused link";
    }
  }
  EXPECT_EQ(order,
            (std::vector<int>{IDC_COMMAND5, IDC_COMMAND6, IDC_COMMAND7, IDC_LABEL13, IDC_CHECK1}));
  Sleep(300);
  EXPECT_EQ(PixelsOf(link), unfocused) << "the focus rectangle stays after the focus has gone";
  while (FocusOf(main_) != link && order.size() < 12) order.push_back(tab(main_));

  const LPARAM held = static_cast<LPARAM>(MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC)) << 16 | 1 |
                      LPARAM{1} << 30;  // a repeat: the key was down already
  PressKey(link, VK_RETURN);
  PostMessageA(link, WM_KEYDOWN, VK_RETURN, held);
  AwaitRecord(1);
  PressKey(link, VK_SPACE);
  AwaitRecord(2);
  EXPECT_EQ(default_action(link), S_OK);
  AwaitRecord(3);

  // In the About window Tab moves between its two links.
  const HWND about = ClickAbout();
  std::vector<int> about_order;
  for (int press = 0; press < 3; ++press) about_order.push_back(tab(about));
  EXPECT_EQ(about_order, (std::vector<int>{IDC_ABOUT_LABEL9, IDC_ABOUT_LABEL8, IDC_ABOUT_LABEL9}));
  PressKey(GetDlgItem(about, IDC_ABOUT_LABEL9), VK_SPACE);
  AwaitRecord(4);
  tab(about);
  const HWND label8 = GetDlgItem(about, IDC_ABOUT_LABEL8);
  PressKey(label8, VK_RETURN);
  AwaitRecord(5);
  // Any program may give a window another text; the link keeps its laid-out address.
  Send(label8, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L" http://elsewhere.example/"));
  ClickLabel(label8);
  AwaitRecord(6);
  Lines opened{kMakerPage, kMakerPage, kMakerPage,  kProductPage,
               kMakerPage, kMakerPage, kProductPage};
  const HRESULT about_action = default_action(GetDlgItem(about, IDC_ABOUT_LABEL9));
  if (about_action == HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE) && RunningUnderWine()) {
    // Wine's 32-bit prefix only, about one run in four: the call is lost in Wine's cross-process
    // COM ("RPC server unavailable") before the program sees it. Reported rather than failed.
    std::cout << "Wine lost the default action of the About window's link on its way\n";
    opened.pop_back();
  } else {
    EXPECT_EQ(about_action, S_OK);
  }
  EXPECT_EQ(Settled(opened.size()), opened);
  EXPECT_TRUE(app_.Close());
}

}  // namespace
}  // namespace kelvoro::e2e
