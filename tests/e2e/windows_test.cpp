// The About window beside the main window, and the web links, in real runs on the NT family.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

constexpr char kMakerPage[] = "http://orvane.example/";
constexpr DWORD kBrowserTimeoutMs = 20000;

bool CloseAndWait(HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  return WaitFor([window] { return !IsWindow(window); });
}

// A mouse click on a label, as the label receives it.
void ClickLabel(HWND label) {
  PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

class WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(PrepareFirstRun("win10")); }

  // Clicks About (the handler shows the window modeless and returns, so the click may be sent)
  // and returns the one visible About window.
  HWND ClickAbout() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(main_, IDC_COMMAND5), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG,
                        kUiTimeoutMs, &ignored);
    WaitFor([&] { return !VisibleWindows(app_.Id(), "KelvoroForm2").empty(); });
    Sleep(kSettleMs);
    const auto found = VisibleWindows(app_.Id(), "KelvoroForm2");
    EXPECT_EQ(found.size(), 1u) << "About windows";
    return found.empty() ? nullptr : found[0];
  }

  AppProcess app_;
  HWND main_ = nullptr;
};

// ---- One About window, brought to the front by a second click, centred when reopened, living on
// after the main window; the program ends with it.

using About = WindowsTest;
TEST_F(About, OneWindowCentredWhenReopenedOutlivingTheMainWindow) {
  ASSERT_TRUE(app_.Start(&main_));
  const HWND about = ClickAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TextOf(about), "About");
  SetForegroundWindow(main_);
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main_; }));
  EXPECT_EQ(ClickAbout(), about) << "a second click made another window";
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == about; })) << "or left it behind";

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

// ---- While Apply's message is open, neither window takes input.

TEST_F(About, ApplysMessageDisablesBothWindows) {
  ASSERT_TRUE(app_.Start(&main_));
  const HWND about = ClickAbout();
  ClickButton(GetDlgItem(main_, IDC_COMMAND7));
  const auto box = FindMessageBox(app_.Id(), kUiTimeoutMs);
  ASSERT_TRUE(box.has_value()) << "no message after Apply";
  EXPECT_FALSE(IsWindowEnabled(main_)) << "the main window takes input behind the message";
  EXPECT_FALSE(IsWindowEnabled(about)) << "the About window takes input behind the message";
  ASSERT_TRUE(DismissMessageBox(box->hwnd));
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main_) && IsWindowEnabled(about); }));
  EXPECT_TRUE(app_.Close());
}

// ---- The web links. Under Wine the default browser is a script that records each address it is
// given (test.sh names it and its record, as Unix paths, in KELVORO_BROWSER_RECORDER and
// KELVORO_BROWSER_RECORD).

class Links : public WindowsTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WindowsTest::SetUp());
    const char* script = std::getenv("KELVORO_BROWSER_RECORDER");
    const char* record = std::getenv("KELVORO_BROWSER_RECORD");
    if (!RunningUnderWine() || script == nullptr || record == nullptr) {
      GTEST_SKIP() << "needs Wine and its recording browser (test.sh sets it up)";
    }
    record_ = std::string("Z:") + record;
    std::replace(record_.begin(), record_.end(), '/', '\\');
    DeleteFileA(record_.c_str());
    ASSERT_EQ(
        WriteValue(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", "Browsers", REG_SZ, script),
        0);
    before_ = VisibleWindows(0, "IEFrame");
  }

  // Every browser window that the scenario opened goes, and its process with it.
  void TearDown() override {
    std::vector<HANDLE> processes;
    for (HWND frame : BrowserWindows()) {
      DWORD pid = 0;
      GetWindowThreadProcessId(frame, &pid);
      processes.push_back(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid));
      PostMessageA(frame, WM_CLOSE, 0, 0);
    }
    for (HANDLE process : processes) {
      if (WaitForSingleObject(process, kUiTimeoutMs) != WAIT_OBJECT_0) TerminateProcess(process, 1);
      CloseHandle(process);
    }
  }

  // The browser windows that the scenario opened.
  std::vector<HWND> BrowserWindows() const {
    std::vector<HWND> fresh;
    for (HWND frame : VisibleWindows(0, "IEFrame")) {
      if (std::find(before_.begin(), before_.end(), frame) == before_.end()) fresh.push_back(frame);
    }
    return fresh;
  }

  // The addresses recorded so far, a line each.
  std::vector<std::string> Record() const {
    HANDLE file = CreateFileA(record_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    std::string text(65536, '\0');
    DWORD read = 0;
    text.resize(ReadFile(file, text.data(), 65536, &read, nullptr) ? read : 0);
    CloseHandle(file);
    std::vector<std::string> lines;
    for (std::size_t end; (end = text.find('\n')) != std::string::npos; text.erase(0, end + 1)) {
      lines.push_back(text.substr(0, end));
    }
    return lines;
  }

  void ClickAndWait(HWND label) {
    const std::size_t seen = Record().size();
    ClickLabel(label);
    WaitFor([&] { return Record().size() > seen; }, kBrowserTimeoutMs);
  }

  std::string record_;
  std::vector<HWND> before_;
};

TEST_F(Links, EachLinkOpensItsAddressOnce) {
  // Wine's automation browser shows no page and tells no one where it was sent; without it the
  // program takes its other way, the default browser, whose record shows.
  ASSERT_EQ(DeleteTree(HKEY_LOCAL_MACHINE, kAutomationServerKey), 0);
  ASSERT_TRUE(app_.Start(&main_));
  ClickAndWait(GetDlgItem(main_, IDC_LABEL13));
  const HWND about = ClickAbout();
  const HWND label8 = GetDlgItem(about, IDC_ABOUT_LABEL8);
  EXPECT_EQ(TextOf(label8), std::string(" ") + kMakerPage);
  ClickAndWait(label8);
  // Any program may give a window another text; the link keeps its laid-out address.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(label8, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(" http://elsewhere.example/"),
                      SMTO_ABORTIFHUNG, kUiTimeoutMs, &ignored);
  ClickAndWait(label8);
  ClickAndWait(GetDlgItem(about, IDC_ABOUT_LABEL9));
  Sleep(kSettleMs);
  EXPECT_EQ(Record(), (std::vector<std::string>{kMakerPage, kMakerPage, kMakerPage,
                                                "http://orvane.example/kelvoro/"}));
  EXPECT_TRUE(app_.Close());
}

// Through the automation object as registered: each click opens one more browser window, and
// never the default browser as well.
TEST_F(Links, AutomationBrowserOpensOneWindowPerClickAndNothingElse) {
  ASSERT_TRUE(ReadRegValue(HKEY_LOCAL_MACHINE, kAutomationServerKey, ""))
      << "no browser automation object is registered";
  ASSERT_TRUE(app_.Start(&main_));
  for (std::size_t click = 1; click <= 2; ++click) {
    ClickLabel(GetDlgItem(main_, IDC_LABEL13));
    WaitFor([&] { return BrowserWindows().size() >= click; }, kBrowserTimeoutMs);
  }
  Sleep(kSettleMs);
  EXPECT_EQ(BrowserWindows().size(), 2u) << "browser windows after two clicks";
  EXPECT_EQ(Record(), std::vector<std::string>{}) << "the default browser was opened as well";
  EXPECT_TRUE(app_.Close());
}

}  // namespace
}  // namespace kelvoro::e2e
