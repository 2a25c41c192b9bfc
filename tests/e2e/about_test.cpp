// The About window and the web links as a user meets them: one About window however often About
// is clicked, centred each time it is loaded, living on after the main window; and each link click
// handing its own address to a browser, once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

constexpr char kAboutClass[] = "KelvoroForm2";
constexpr char kAboutTitle[] = "About";
constexpr char kMakerPage[] = "http://orvane.example/";
constexpr char kSecondPage[] = "http://orvane.example/kelvoro/";
constexpr char kAppliedMessage[] =
    "The changes have been made to the Recycle Bin successfully. Press 'F5'(Refresh) Key several "
    "times on the Desktop to Display the changes.";

// The browser automation object: its server registration, and the frame class of its windows.
constexpr char kAutomationServerKey[] =
    "Software\\Classes\\CLSID\\{0002DF01-0000-0000-C000-000000000046}\\LocalServer32";
constexpr char kBrowserFrameClass[] = "IEFrame";

// Time that a second, unwanted effect of one click (another About window, another browser) is
// given to show itself before the test counts.
constexpr DWORD kSettleMs = 1500;
// A browser hand-off goes through the shell and a separate process: slower than a window.
constexpr DWORD kBrowserTimeoutMs = 20000;

std::string Quoted(const std::vector<std::string>& items) {
  std::string out = "{";
  for (const std::string& item : items) out += (out.size() > 1 ? ", \"" : "\"") + item + "\"";
  return out + "}";
}

// ---------------------------------------------------------------------------------------------
// Windows

std::vector<HWND> VisibleWindowsOfClass(DWORD pid, const char* class_name) {
  std::vector<HWND> found;
  for (HWND hwnd : TopLevelWindowsOf(pid)) {
    if (IsWindowVisible(hwnd) && ClassNameOf(hwnd) == class_name) found.push_back(hwnd);
  }
  return found;
}

struct FrameSearch {
  const char* class_name;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleFrame(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<FrameSearch*>(param);
  if (IsWindowVisible(hwnd) && ClassNameOf(hwnd) == search->class_name) {
    search->found.push_back(hwnd);
  }
  return TRUE;
}

// The visible browser windows of the automation object, whichever process shows them.
std::vector<HWND> VisibleBrowserFrames() {
  FrameSearch search{kBrowserFrameClass, {}};
  EnumWindows(CollectVisibleFrame, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK CollectEditText(HWND hwnd, LPARAM param) {
  if (_stricmp(ClassNameOf(hwnd).c_str(), "Edit") == 0) {
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(TextOf(hwnd));
  }
  return TRUE;
}

// Clicks the About button of button set B and returns once its handler has run: showing the
// About window is modeless, so the handler never waits for the user and a sent click is safe.
bool ClickAboutAndWait(HWND main) {
  HWND about_button = GetDlgItem(main, IDC_COMMAND5);
  if (about_button == nullptr) return false;
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(about_button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kUiTimeoutMs,
                             &result) != 0;
}

// A mouse click at the centre of a static control, as the control receives it. Posted: the
// handler starts a browser and must not hold the driver.
void ClickLabel(HWND label) {
  RECT client{};
  GetClientRect(label, &client);
  const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  PostMessageA(label, WM_LBUTTONUP, 0, centre);
}

std::string DescribeRect(const RECT& rect) {
  return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ")-(" +
         std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

// ---------------------------------------------------------------------------------------------
// Wine's hand-off to the default browser

// test.sh makes a script that appends its first argument as a line to a record file and names
// both by their Unix paths in these variables; Wine passes the environment through.
struct BrowserRecorder {
  std::string script;  // Unix path
  std::string record;  // Windows path (drive Z: is the Unix root)
};

std::optional<BrowserRecorder> RecorderFromEnvironment() {
  const char* script = std::getenv("KELVORO_BROWSER_RECORDER");
  const char* record = std::getenv("KELVORO_BROWSER_RECORD");
  if (script == nullptr || record == nullptr || *script != '/' || *record != '/') {
    return std::nullopt;
  }
  std::string windows_record = std::string("Z:") + record;
  for (char& c : windows_record) {
    if (c == '/') c = '\\';
  }
  return BrowserRecorder{script, windows_record};
}

bool ClearRecord(const BrowserRecorder& recorder) {
  HANDLE file = CreateFileA(recorder.record.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                            /*lpSecurityAttributes=*/nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            /*hTemplateFile=*/nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// The addresses recorded so far, one a line.
std::vector<std::string> ReadRecord(const BrowserRecorder& recorder) {
  std::vector<std::string> lines;
  HANDLE file = CreateFileA(recorder.record.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, /*lpSecurityAttributes=*/nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, /*hTemplateFile=*/nullptr);
  if (file == INVALID_HANDLE_VALUE) return lines;
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, /*lpOverlapped=*/nullptr) && read > 0) {
    text.append(buffer, read);
  }
  CloseHandle(file);
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// Waits for the first record, then gives a second one time to arrive, and returns them all.
std::vector<std::string> RecordAfterOneClick(const BrowserRecorder& recorder) {
  WaitFor([&] { return !ReadRecord(recorder).empty(); }, kBrowserTimeoutMs);
  Sleep(kSettleMs);
  return ReadRecord(recorder);
}

// Under Wine the automation browser accepts "Visible" and "Navigate" but, with no HTML engine in
// the test prefix (mshtml is disabled), it opens an empty window and hands the address to no one,
// so no test can see where a click led. While an instance of this class lives, the class has no
// server registration, creating it fails, and a click takes the program's other path, the
// default browser, whose hand-off a test can record. The destructor puts the registration back.
class AutomationBrowserWithdrawn {
 public:
  AutomationBrowserWithdrawn() {
    saved_ = ReadRegValue(HKEY_LOCAL_MACHINE, kAutomationServerKey, "");
    status_ = DeleteRegTree(HKEY_LOCAL_MACHINE, kAutomationServerKey);
  }
  AutomationBrowserWithdrawn(const AutomationBrowserWithdrawn&) = delete;
  AutomationBrowserWithdrawn& operator=(const AutomationBrowserWithdrawn&) = delete;
  ~AutomationBrowserWithdrawn() {
    if (saved_.Found()) {
      WriteRegString(HKEY_LOCAL_MACHINE, kAutomationServerKey, "", saved_.type, saved_.AsString());
    }
  }

  LONG Status() const { return status_; }

 private:
  RegValue saved_;
  LONG status_ = ERROR_SUCCESS;
};

// ---------------------------------------------------------------------------------------------
// Fixtures

// Each test starts the program as the NT family sees it, after a first run on an account with
// the stock Recycle Bin values in place, and waits for its main window.
class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(PrepareFirstRun("win10")); }

  void Start() { ASSERT_TRUE(StartProgram(app_, &main_)); }

  // Clicks About and waits for a visible About window; fails the test when none comes.
  void OpenAbout(HWND* about) {
    ASSERT_TRUE(ClickAboutAndWait(main_)) << "the About button did not take the click";
    *about = nullptr;
    WaitFor(
        [&] {
          const auto windows = VisibleWindowsOfClass(app_.Id(), kAboutClass);
          if (!windows.empty()) *about = windows.front();
          return *about != nullptr;
        },
        kUiTimeoutMs);
    ASSERT_NE(*about, nullptr) << "no visible " << kAboutClass << " window after About";
  }

  // Closes `window` with its close box and waits until it is gone.
  static bool CloseWindowAndWait(HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitFor([window] { return !IsWindow(window); }, kCloseTimeoutMs);
  }

  bool WaitForExit() {
    return WaitFor([this] { return !app_.Running(); }, kCloseTimeoutMs);
  }

  void TearDown() override {
    // Whatever a test left open: the message boxes first, then every window.
    while (auto box = FindMessageBox(app_.Id())) {
      if (!DismissMessageBox(box->hwnd)) break;
    }
    if (app_.Running()) app_.Close();
  }

  AppProcess app_;
  HWND main_ = nullptr;
};

// Link tests: the program's clicks reach a recording script in place of a browser.
class WebLinkTest : public AboutTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(AboutTest::SetUp());
    if (!RunningUnderWine()) {
      GTEST_SKIP() << "the default browser can be replaced by a recording script only under "
                      "Wine (HKCU\\Software\\Wine\\WineBrowser)";
    }
    recorder_ = RecorderFromEnvironment();
    if (!recorder_) {
      GTEST_SKIP() << "KELVORO_BROWSER_RECORDER and KELVORO_BROWSER_RECORD are not set to Unix "
                      "paths (test.sh sets them)";
    }
    ASSERT_EQ(WriteRegString(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", "Browsers", REG_SZ,
                             recorder_->script),
              ERROR_SUCCESS);
    ASSERT_TRUE(ClearRecord(*recorder_)) << "cannot write " << recorder_->record;
    withdrawn_.emplace();
    ASSERT_EQ(withdrawn_->Status(), ERROR_SUCCESS)
        << "the automation browser's server registration could not be removed";
    ASSERT_NO_FATAL_FAILURE(Start());
  }

  std::optional<BrowserRecorder> recorder_;
  std::optional<AutomationBrowserWithdrawn> withdrawn_;
};

// Automation tests: the browser automation object as the system has it registered. Every
// browser window that a test opens is closed again, its process ended.
class AutomationBrowserTest : public AboutTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(AboutTest::SetUp());
    ASSERT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, kAutomationServerKey))
        << "the browser automation object has no server registered at HKLM\\"
        << kAutomationServerKey;
    before_ = VisibleBrowserFrames();
    ASSERT_NO_FATAL_FAILURE(Start());
  }

  // The browser windows that appeared since the test began.
  std::vector<HWND> NewBrowserFrames() const {
    std::vector<HWND> fresh;
    for (HWND frame : VisibleBrowserFrames()) {
      bool known = false;
      for (HWND old : before_) known = known || old == frame;
      if (!known) fresh.push_back(frame);
    }
    return fresh;
  }

  void TearDown() override {
    AboutTest::TearDown();
    // All windows first: one browser process may show several of them. A process that is ended
    // by force would leave its class registered for the next test, so it gets time to go itself.
    std::vector<DWORD> pids;
    for (HWND frame : NewBrowserFrames()) {
      DWORD pid = 0;
      GetWindowThreadProcessId(frame, &pid);
      bool known = false;
      for (DWORD other : pids) known = known || other == pid;
      if (!known) pids.push_back(pid);
      PostMessageA(frame, WM_CLOSE, 0, 0);
    }
    for (DWORD pid : pids) {
      HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
      if (process == nullptr) continue;
      if (WaitForSingleObject(process, kCloseTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the browser process " << pid << " did not end within " << kCloseTimeoutMs
                      << " ms after its windows were closed";
        TerminateProcess(process, /*uExitCode=*/1);
        WaitForSingleObject(process, kCloseTimeoutMs);
      }
      CloseHandle(process);
    }
  }

  std::vector<HWND> before_;
};

// ---------------------------------------------------------------------------------------------
// The About window

TEST_F(AboutTest, FirstAboutClickShowsOneWindowTitledAbout) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  Sleep(kSettleMs);
  EXPECT_EQ(VisibleWindowsOfClass(app_.Id(), kAboutClass).size(), 1u);
  EXPECT_EQ(TextOf(about), kAboutTitle);
}

TEST_F(AboutTest, SecondAboutClickKeepsOneWindow) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  ASSERT_TRUE(ClickAboutAndWait(main_));
  Sleep(kSettleMs);
  const auto windows = VisibleWindowsOfClass(app_.Id(), kAboutClass);
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows.front(), about) << "the second click made a new About window";
}

TEST_F(AboutTest, SecondAboutClickBringsTheWindowToTheFront) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  SetForegroundWindow(main_);
  ASSERT_TRUE(WaitFor([this] { return GetForegroundWindow() == main_; }, kUiTimeoutMs))
      << "the main window could not be brought to the front; in front: \""
      << ClassNameOf(GetForegroundWindow()) << "\"";
  ASSERT_TRUE(ClickAboutAndWait(main_));
  WaitFor([about] { return GetForegroundWindow() == about; }, kUiTimeoutMs);
  EXPECT_EQ(ClassNameOf(GetForegroundWindow()), kAboutClass);
}

TEST_F(AboutTest, ClosingAboutDestroysIt) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  EXPECT_TRUE(CloseWindowAndWait(about))
      << "the About window still exists after WM_CLOSE; visible: " << IsWindowVisible(about);
  EXPECT_TRUE(IsWindowVisible(main_)) << "the main window went with the About window";
}

TEST_F(AboutTest, AboutAfterCloseShowsTheWindowAgainCentredOnTheScreen) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND first = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&first));
  // Away from the centre, so that a window that kept its old place would show.
  ASSERT_TRUE(SetWindowPos(first, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
  ASSERT_TRUE(CloseWindowAndWait(first)) << "the About window did not close";

  HWND again = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&again));
  RECT rect{};
  ASSERT_TRUE(GetWindowRect(again, &rect));
  const int screen_width = GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = GetSystemMetrics(SM_CYSCREEN);
  const int dx = (rect.left + rect.right) - screen_width;  // twice the distance, in pixels
  const int dy = (rect.top + rect.bottom) - screen_height;
  EXPECT_LE(std::abs(dx), 4) << "window " << DescribeRect(rect) << " on a screen of "
                             << screen_width << " x " << screen_height;
  EXPECT_LE(std::abs(dy), 4) << "window " << DescribeRect(rect) << " on a screen of "
                             << screen_width << " x " << screen_height;
  EXPECT_EQ(TextOf(again), kAboutTitle);
}

TEST_F(AboutTest, ClosingMainWindowLeavesTheProgramRunningWithAbout) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  ASSERT_TRUE(CloseWindowAndWait(main_)) << "the main window did not close";
  Sleep(kSettleMs);
  EXPECT_TRUE(app_.Running()) << "the program ended with exit code " << app_.ExitCode();
  EXPECT_TRUE(IsWindow(about) && IsWindowVisible(about))
      << "the About window went with the main window";
}

TEST_F(AboutTest, ClosingAboutAfterTheMainWindowEndsTheProgramWithExitCodeZero) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  ASSERT_TRUE(CloseWindowAndWait(main_)) << "the main window did not close";
  ASSERT_TRUE(app_.Running()) << "the program ended with the main window, exit code "
                              << app_.ExitCode();
  ASSERT_TRUE(CloseWindowAndWait(about)) << "the About window did not close";
  ASSERT_TRUE(WaitForExit()) << "the program still runs " << kCloseTimeoutMs
                             << " ms after its last window closed";
  EXPECT_EQ(app_.ExitCode(), 0u);
}

TEST_F(AboutTest, ApplyShowsItsMessageWhileAboutIsOpen) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  ClickButton(GetDlgItem(main_, IDC_COMMAND7));
  std::optional<MessageBoxInfo> box;
  WaitFor([&] { return (box = FindMessageBox(app_.Id())).has_value(); }, kUiTimeoutMs);
  ASSERT_TRUE(box.has_value()) << "no message box after Apply";
  EXPECT_EQ(box->title, "Kelvoro");
  EXPECT_EQ(box->text, kAppliedMessage);
  EXPECT_TRUE(DismissMessageBox(box->hwnd));
}

TEST_F(AboutTest, ApplysMessageBlocksTheAboutWindowAsWellAsTheMainWindow) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  ClickButton(GetDlgItem(main_, IDC_COMMAND7));
  std::optional<MessageBoxInfo> box;
  WaitFor([&] { return (box = FindMessageBox(app_.Id())).has_value(); }, kUiTimeoutMs);
  ASSERT_TRUE(box.has_value()) << "no message box after Apply";
  EXPECT_FALSE(IsWindowEnabled(main_)) << "the main window takes input behind the message";
  EXPECT_FALSE(IsWindowEnabled(about)) << "the About window takes input behind the message";
  ASSERT_TRUE(DismissMessageBox(box->hwnd));
  EXPECT_TRUE(
      WaitFor([&] { return IsWindowEnabled(main_) && IsWindowEnabled(about); }, kUiTimeoutMs))
      << "after the message: main window enabled " << IsWindowEnabled(main_)
      << ", About window enabled " << IsWindowEnabled(about);
}

// ---------------------------------------------------------------------------------------------
// Web links, through the default browser

TEST_F(WebLinkTest, Label13OpensTheMakersPage) {
  ClickLabel(GetDlgItem(main_, IDC_LABEL13));
  EXPECT_EQ(Quoted(RecordAfterOneClick(*recorder_)), Quoted({kMakerPage}));
}

TEST_F(WebLinkTest, Label8OpensTheMakersPageWithoutTheLeadingBlank) {
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  HWND label8 = GetDlgItem(about, IDC_ABOUT_LABEL8);
  ASSERT_NE(label8, nullptr);
  ASSERT_EQ(TextOf(label8), std::string(" ") + kMakerPage) << "not the caption this test knows";
  ClickLabel(label8);
  EXPECT_EQ(Quoted(RecordAfterOneClick(*recorder_)), Quoted({kMakerPage}));
}

TEST_F(WebLinkTest, Label8OpensTheMakersPageWhateverItsTextIsChangedTo) {
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  HWND label8 = GetDlgItem(about, IDC_ABOUT_LABEL8);
  ASSERT_NE(label8, nullptr);
  // Any program may send a window a new text.
  const char kOther[] = " http://elsewhere.example/";
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutA(label8, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kOther),
                                  SMTO_ABORTIFHUNG, kUiTimeoutMs, &result));
  ASSERT_EQ(TextOf(label8), kOther);
  ClickLabel(label8);
  EXPECT_EQ(Quoted(RecordAfterOneClick(*recorder_)), Quoted({kMakerPage}));
}

TEST_F(WebLinkTest, Label9OpensTheSecondPage) {
  HWND about = nullptr;
  ASSERT_NO_FATAL_FAILURE(OpenAbout(&about));
  HWND label9 = GetDlgItem(about, IDC_ABOUT_LABEL9);
  ASSERT_NE(label9, nullptr);
  ClickLabel(label9);
  EXPECT_EQ(Quoted(RecordAfterOneClick(*recorder_)), Quoted({kSecondPage}));
}

TEST_F(WebLinkTest, EachClickOpensThePageAgain) {
  HWND label13 = GetDlgItem(main_, IDC_LABEL13);
  ClickLabel(label13);
  ASSERT_EQ(Quoted(RecordAfterOneClick(*recorder_)), Quoted({kMakerPage}));
  ClickLabel(label13);
  WaitFor([&] { return ReadRecord(*recorder_).size() >= 2; }, kBrowserTimeoutMs);
  Sleep(kSettleMs);
  EXPECT_EQ(Quoted(ReadRecord(*recorder_)), Quoted({kMakerPage, kMakerPage}));
}

// ---------------------------------------------------------------------------------------------
// Web links, through the browser automation object

TEST_F(AutomationBrowserTest, EachLinkClickOpensAnotherVisibleBrowserWindow) {
  HWND label13 = GetDlgItem(main_, IDC_LABEL13);
  ClickLabel(label13);
  WaitFor([this] { return !NewBrowserFrames().empty(); }, kBrowserTimeoutMs);
  ASSERT_EQ(NewBrowserFrames().size(), 1u) << "after the first click";
  ClickLabel(label13);
  WaitFor([this] { return NewBrowserFrames().size() >= 2; }, kBrowserTimeoutMs);
  Sleep(kSettleMs);
  EXPECT_EQ(NewBrowserFrames().size(), 2u) << "after the second click";
}

TEST_F(AutomationBrowserTest, BrowserThatTakesTheClickIsTheOnlyOne) {
  if (!RunningUnderWine()) {
    GTEST_SKIP() << "the default browser can be replaced by a recording script only under Wine "
                    "(HKCU\\Software\\Wine\\WineBrowser)";
  }
  const auto recorder = RecorderFromEnvironment();
  if (!recorder) {
    GTEST_SKIP() << "KELVORO_BROWSER_RECORDER and KELVORO_BROWSER_RECORD are not set to Unix "
                    "paths (test.sh sets them)";
  }
  ASSERT_EQ(WriteRegString(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", "Browsers", REG_SZ,
                           recorder->script),
            ERROR_SUCCESS);
  ASSERT_TRUE(ClearRecord(*recorder));
  ClickLabel(GetDlgItem(main_, IDC_LABEL13));
  ASSERT_TRUE(WaitFor([this] { return !NewBrowserFrames().empty(); }, kBrowserTimeoutMs))
      << "no browser window after the click";
  Sleep(kSettleMs);
  EXPECT_EQ(Quoted(ReadRecord(*recorder)), Quoted({})) << "the default browser was opened as well";
}

TEST_F(AutomationBrowserTest, LinkClickShowsTheAddressInTheBrowser) {
  if (RunningUnderWine()) {
    GTEST_SKIP() << "Wine's automation browser, without an HTML engine in the test prefix "
                    "(mshtml disabled), accepts Navigate but never shows the address or passes "
                    "it on";
  }
  ClickLabel(GetDlgItem(main_, IDC_LABEL13));
  // The address bar is an edit control somewhere inside the browser's frame.
  std::vector<std::string> shown;
  const bool found = WaitFor(
      [&] {
        shown.clear();
        for (HWND frame : NewBrowserFrames()) {
          EnumChildWindows(frame, CollectEditText, reinterpret_cast<LPARAM>(&shown));
        }
        for (const std::string& text : shown) {
          if (text == kMakerPage) return true;
        }
        return false;
      },
      kBrowserTimeoutMs);
  EXPECT_TRUE(found) << "the browser's edit controls show " << Quoted(shown);
}

}  // namespace
}  // namespace kelvoro::e2e
