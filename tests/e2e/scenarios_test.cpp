// The program in real runs, one launch a scenario: what only a real run shows, the windows, the
// input, the message boxes and the registry as Windows stores it. The logic behind them belongs to
// the host unit tests.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

const char kApplied[] =
    "Kelvoro: The changes have been made to the Recycle Bin successfully. Press 'F5'(Refresh) Key "
    "several times on the Desktop to Display the changes.\n";
const char kRestored[] =
    "Kelvoro: Recycle Bin defaults restored. Press 'F5'(Refresh) Key several times on the Desktop "
    "to Display the changes.\n";
const char kStockEmpty[] = "%SystemRoot%\\System32\\shell32.dll,31";
const char kStockFull[] = "%SystemRoot%\\System32\\shell32.dll,32";
const char kStockSound[] = "%SystemRoot%\\media\\Windows Recycle.wav";
const char kMakerPage[] = "http://orvane.example/";
constexpr DWORD kBrowserTimeoutMs = 20000;

struct Family {
  const char* version;  // as Wine's AppDefaults take it
  const char* buttons;  // the visible Command buttons
  int apply, restore;
  HKEY root;  // where the family keeps the Recycle Bin's name and icons; none for Win32s
  const char* class_key;
  DWORD sound_type;  // of the replacement sound
};
const Family kWin10{"win10",           "5 6 7",     IDC_COMMAND7, IDC_COMMAND6,
                    HKEY_CURRENT_USER, kUserBinKey, REG_EXPAND_SZ};
const Family kWin98{"win98",        "1 2 3", IDC_COMMAND1, IDC_COMMAND2, HKEY_LOCAL_MACHINE,
                    kMachineBinKey, REG_SZ};
const Family kWin31{"win31", "1 2 3", IDC_COMMAND1, IDC_COMMAND2, nullptr, nullptr, REG_SZ};
void PrintTo(const Family& family, std::ostream* out) { *out << family.version; }

std::string VisibleButtons(HWND main) {
  std::string out;
  for (int n : {1, 2, 3, 5, 6, 7}) {
    if (IsWindowVisible(GetDlgItem(main, IDC_COMMAND1 - 1 + n))) {
      out += (out.empty() ? "" : " ") + std::to_string(n);
    }
  }
  return out;
}

std::string CurrentSound() { return Show(HKEY_CURRENT_USER, kCurrentSoundKey); }
std::string Voicestat() { return Show(HKEY_CURRENT_USER, kSettingsKey, "Voicestat"); }
std::string ReplacementSound(DWORD type) {
  char folder[MAX_PATH] = {};
  return Text(type,
              std::string(folder, GetWindowsDirectoryA(folder, MAX_PATH)) + "\\media\\dravik.wav");
}

// The Recycle Bin's name and icons (default, Empty, Full) in the family's place, and as expected.
std::string Appearance(const Family& family) {
  const std::string icons = std::string(family.class_key) + "\\DefaultIcon";
  return Show(family.root, family.class_key) + "; " + Show(family.root, icons) + ", " +
         Show(family.root, icons, "Empty") + ", " + Show(family.root, icons, "Full");
}
std::string Appearance(const std::string& name, const std::string& empty, const std::string& full) {
  return Text(REG_SZ, name) + "; " + Text(REG_SZ, empty) + ", " + Text(REG_SZ, empty) + ", " +
         Text(REG_SZ, full);
}

// The user's registry and the machine's software, but for the live performance counters and the
// session's system parameters that Wine keeps while any window is open.
Snapshot Everything() {
  Snapshot all;
  EXPECT_EQ(TakeSnapshot({HKEY_CURRENT_USER, ""}, &all, "\\Wine\\Temporary System Parameters"), 0);
  EXPECT_EQ(TakeSnapshot({HKEY_LOCAL_MACHINE, "Software"}, &all, "\\CurrentVersion\\Perflib"), 0);
  return all;
}

DWORD WINAPI SendClick(void* button) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(static_cast<HWND>(button), BM_CLICK, 0, 0, SMTO_NORMAL, 3 * kUiTimeoutMs,
                      &ignored);
  return 0;
}

void ClickLabel(HWND label) {  // as the mouse clicks it
  PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

bool CloseAndWait(HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  return WaitFor([window] { return !IsWindow(window); });
}

class Scenario : public ::testing::Test {
 protected:
  void Prepare(const char* version) {
    if (!RunningUnderWine() && std::string(version) != "win10") {
      GTEST_SKIP() << "only Wine lets one program see another Windows family";
    }
    ASSERT_TRUE(PrepareFirstRun(version));
  }
  void Start(const char* version = "win10") {
    ASSERT_NO_FATAL_FAILURE(Prepare(version));
    if (!IsSkipped()) {
      ASSERT_TRUE(app_.Start(&main_));
    }
  }

  std::string Check1() {
    DWORD_PTR state = 3;
    SendMessageTimeoutA(GetDlgItem(main_, IDC_CHECK1), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG,
                        kUiTimeoutMs, &state);
    return state == BST_CHECKED ? "ticked" : state == BST_UNCHECKED ? "unticked" : "unknown";
  }
  void ClickCheck1(const char* until) {
    ClickButton(GetDlgItem(main_, IDC_CHECK1));
    ASSERT_TRUE(WaitFor([&] { return Check1() == until; })) << "Check1 stays " << Check1();
  }

  // Clicks the button and runs its command to the end: the click is sent from a thread of its
  // own, whose return marks the end of the handler; meanwhile each message box is handed to
  // `on_box` and dismissed. Returns the boxes' texts, a line each.
  std::string Run(
      int id, const std::function<void()>& on_box = [] {}) {
    HANDLE thread = CreateThread(nullptr, 0, SendClick, GetDlgItem(main_, id), 0, nullptr);
    std::string boxes;
    WaitFor(
        [&] {
          const auto box = FindMessageBox(app_.Id());
          if (box) on_box();
          if (box) boxes += box->text + "\n";
          return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0 ||
                 (box && !DismissMessageBox(box->hwnd));
        },
        3 * kUiTimeoutMs);
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "still running after " << boxes;
    CloseHandle(thread);
    return boxes;
  }

  // Clicks About (its handler shows the window modeless and returns, so the click may be sent)
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

// ---- Per family, a session: the start, Apply with the sound ticked (by a click, then by Enter
// on the focused button), Restore Defaults. Afterwards the whole registry differs from before only
// by the settings key.

class Session : public Scenario, public ::testing::WithParamInterface<Family> {};

TEST_P(Session, StartApplyEnterRestoreLeavesOnlyTheSettings) {
  const Family& family = GetParam();
  ASSERT_NO_FATAL_FAILURE(Prepare(family.version));
  const Snapshot before = Everything();
  ASSERT_TRUE(app_.Start(&main_));
  EXPECT_EQ(VisibleButtons(main_), family.buttons);
  EXPECT_EQ(Voicestat(), Dword(0)) << "the first start makes the settings";
  EXPECT_EQ(Check1(), "unticked");
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));

  // Each command writes the icons before its one message and the name after it; on Win32s it
  // changes no appearance and says nothing.
  const bool looks = family.root != nullptr;
  const std::string& program = TheOptions().program;
  const std::string folder = program.substr(0, program.find_last_of("\\/"));
  std::string during;
  const auto seen = [&] { during += looks ? Appearance(family) : "a box"; };
  EXPECT_EQ(Run(family.apply, seen), looks ? kApplied : "");
  EXPECT_EQ(
      during,
      looks ? Appearance("Recycle Bin", folder + "\\black.ico,0", folder + "\\white.ico,0") : "");
  EXPECT_EQ(CurrentSound(), ReplacementSound(family.sound_type));
  EXPECT_EQ(Voicestat(), Dword(1));
  EXPECT_EQ(Check1(), "ticked");

  // After the click and its message, Apply keeps the focus without being a default button;
  // Enter runs Apply again.
  const HWND apply = GetDlgItem(main_, family.apply);
  GUITHREADINFO focus{};
  EXPECT_TRUE(WaitFor([&] {
    focus.cbSize = sizeof focus;
    return GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &focus) &&
           focus.hwndFocus == apply;
  })) << "the focus is on control "
      << GetDlgCtrlID(focus.hwndFocus);
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(apply, WM_KEYDOWN, VK_RETURN, 1 | scan);
  PostMessageA(apply, WM_KEYUP, VK_RETURN, 1 | scan | LPARAM{3} << 30);
  if (looks) {
    const auto box = FindMessageBox(app_.Id(), kUiTimeoutMs);
    EXPECT_EQ(box ? box->text + "\n" : "no message", kApplied) << "after Enter on Apply";
    if (box) DismissMessageBox(box->hwnd);
  }

  during.clear();
  EXPECT_EQ(Run(family.restore, seen), looks ? kRestored : "");
  EXPECT_EQ(during, looks ? Appearance("Kelvoro", kStockEmpty, kStockFull) : "");
  EXPECT_EQ(Check1(), "unticked");
  EXPECT_TRUE(app_.Close());

  // Byte for byte: the "%SystemRoot%" stock sound is back, the other family's place untouched.
  const std::string settings = std::string("HKCU\\") + kSettingsKey;
  EXPECT_EQ(
      Differences(before, Everything()),
      (std::vector<std::string>{"+ HKCU\\Software\\Orvane's Software",
                                "+ HKCU\\Software\\Orvane's Software\\Kelvoro", "+ " + settings,
                                "+ " + settings + " [Voicestat] = " + Dword(0)}));
}

INSTANTIATE_TEST_SUITE_P(Families, Session, ::testing::Values(kWin10, kWin98, kWin31),
                         [](const auto& info) { return std::string(info.param.version); });

// ---- A stored status 1 ticks the box at the start; Apply with the box clear takes back the
// program's own sound only, never the user's own.

using Sound = Scenario;
TEST_F(Sound, ApplyClearTakesBackOnlyTheProgramsOwnSound) {
  const char own[] = "C:\\Users\\Public\\chime of my own.wav";
  ASSERT_NO_FATAL_FAILURE(Prepare("win10"));
  ASSERT_EQ(WriteValue(HKEY_CURRENT_USER, kSettingsKey, "Voicestat", REG_DWORD, {"\1\0\0\0", 4}),
            0);
  ASSERT_EQ(WriteValue(HKEY_CURRENT_USER, kCurrentSoundKey, "", REG_SZ, own), 0);
  ASSERT_TRUE(app_.Start(&main_));
  EXPECT_EQ(Check1(), "ticked") << "with status 1 stored";

  ASSERT_NO_FATAL_FAILURE(ClickCheck1("unticked"));
  Run(IDC_COMMAND7);
  EXPECT_EQ(CurrentSound(), Text(REG_SZ, own)) << "the user's own sound stays";
  EXPECT_EQ(Voicestat(), Dword(0));
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));
  Run(IDC_COMMAND7);
  EXPECT_EQ(CurrentSound(), ReplacementSound(REG_EXPAND_SZ));
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("unticked"));
  Run(IDC_COMMAND7);
  EXPECT_EQ(CurrentSound(), Text(REG_EXPAND_SZ, kStockSound)) << "the program's own sound goes";
  EXPECT_TRUE(app_.Close());
}

// ---- The About window: one, brought to the front by a second click, centred when reopened,
// living on after the main window; the program ends with it.

using About = Scenario;
TEST_F(About, OneWindowCentredWhenReopenedOutlivingTheMainWindow) {
  ASSERT_NO_FATAL_FAILURE(Start());
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

// While Apply's message is open, neither window takes input.
TEST_F(About, ApplysMessageDisablesBothWindows) {
  ASSERT_NO_FATAL_FAILURE(Start());
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
    const char browser_key[] = "Software\\Wine\\WineBrowser";
    ASSERT_EQ(WriteValue(HKEY_CURRENT_USER, browser_key, "Browsers", REG_SZ, script), 0);
    before_ = VisibleWindows(0, "IEFrame");
  }

  // The browser windows that the scenario opened close, and their processes end with them.
  void TearDown() override {
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

  std::vector<std::string> Record() const {  // the addresses handed to the browser so far
    std::ifstream file(record_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
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
  ASSERT_NE(Show(HKEY_LOCAL_MACHINE, kAutomationServerKey), "missing")
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

// ---- For the install test, with --keep-registry only: the installed program applies the new
// look with the sound ticked on the NT family and leaves what it wrote.

using Install = Scenario;
TEST_F(Install, ApplyTickedAndLeaveIt) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));
  EXPECT_EQ(Run(IDC_COMMAND7), kApplied);
  EXPECT_TRUE(app_.Close());
}

}  // namespace
}  // namespace kelvoro::e2e
