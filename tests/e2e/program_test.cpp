// The main window in real runs, one launch per scenario: the button set and the first-run settings
// per Windows family; what Apply and Restore Defaults write, and when their message shows; the
// user's own sound; Enter on the focused Apply button.
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
const char kUserSound[] = "C:\\Users\\Public\\chime of my own.wav";

struct Family {
  const char* version;  // as Wine's AppDefaults take it
  const char* buttons;  // the visible ones
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
std::string NameOf(const ::testing::TestParamInfo<Family>& info) { return info.param.version; }

// The numbers of the visible Command buttons.
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

// The Recycle Bin's name and icons (default, Empty, Full) in the family's place.
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

class ProgramTest : public ::testing::Test {
 protected:
  void Prepare(const char* version) {
    if (!RunningUnderWine() && std::string(version) != "win10") {
      GTEST_SKIP() << "only Wine lets one program see another Windows family";
    }
    ASSERT_TRUE(PrepareFirstRun(version));
  }
  void Start(const char* version) {
    ASSERT_NO_FATAL_FAILURE(Prepare(version));
    if (!IsSkipped()) {
      ASSERT_TRUE(app_.Start(&main_));
    }
  }

  std::string Check1() { return CheckOf(GetDlgItem(main_, IDC_CHECK1)); }
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
    const bool finished = WaitFor(
        [&] {
          const auto box = FindMessageBox(app_.Id());
          if (box) on_box();
          if (box) boxes += box->text + "\n";
          return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0 ||
                 (box && !DismissMessageBox(box->hwnd));
        },
        3 * kUiTimeoutMs);
    EXPECT_TRUE(finished && WaitForSingleObject(thread, 0) == WAIT_OBJECT_0)
        << "the command did not end; boxes: " << boxes;
    CloseHandle(thread);
    return boxes;
  }

  AppProcess app_;
  HWND main_ = nullptr;
};

// ---- Per family, a session: the start, Apply with the sound ticked, Restore Defaults. Afterwards
// the whole registry differs from before only by the settings key.

class Session : public ProgramTest, public ::testing::WithParamInterface<Family> {};

TEST_P(Session, StartApplyRestoreLeavesOnlyTheSettings) {
  const Family& family = GetParam();
  ASSERT_NO_FATAL_FAILURE(Prepare(family.version));
  const Snapshot before = Everything();
  ASSERT_TRUE(app_.Start(&main_));
  EXPECT_EQ(VisibleButtons(main_), family.buttons);
  EXPECT_EQ(Voicestat(), Dword(0)) << "the first start makes the settings";
  EXPECT_EQ(Check1(), "unticked");
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));

  // The icons are written before the one message, the name after it.
  const std::string& program = TheOptions().program;
  const std::string folder = program.substr(0, program.find_last_of("\\/"));
  const std::string black = folder + "\\black.ico,0", white = folder + "\\white.ico,0";
  std::string during;
  const auto seen = [&] { during += family.root ? Appearance(family) : "?"; };
  if (family.root != nullptr) {
    EXPECT_EQ(Run(family.apply, seen), kApplied);
    EXPECT_EQ(during, Appearance("Recycle Bin", black, white));
    EXPECT_EQ(Appearance(family), Appearance("Kelvoro", black, white));
  } else {
    EXPECT_EQ(Run(family.apply, seen), "") << "Win32s: no appearance change, no message";
  }
  EXPECT_EQ(CurrentSound(), ReplacementSound(family.sound_type));
  EXPECT_EQ(Voicestat(), Dword(1));
  EXPECT_EQ(Check1(), "ticked");

  during.clear();
  if (family.root != nullptr) {
    EXPECT_EQ(Run(family.restore, seen), kRestored);
    EXPECT_EQ(during, Appearance("Kelvoro", kStockEmpty, kStockFull));
  } else {
    EXPECT_EQ(Run(family.restore, seen), "");
  }
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

INSTANTIATE_TEST_SUITE_P(Families, Session, ::testing::Values(kWin10, kWin98, kWin31), NameOf);

// ---- A stored status 1 ticks the box at the start; Apply with the box clear takes back the
// program's own sound only, never the user's own.

using Sound = ProgramTest;
TEST_F(Sound, ApplyClearTakesBackOnlyTheProgramsOwnSound) {
  ASSERT_NO_FATAL_FAILURE(Prepare("win10"));
  ASSERT_EQ(WriteDword(HKEY_CURRENT_USER, kSettingsKey, "Voicestat", 1), 0);
  ASSERT_EQ(WriteValue(HKEY_CURRENT_USER, kCurrentSoundKey, "", REG_SZ, kUserSound), 0);
  ASSERT_TRUE(app_.Start(&main_));
  EXPECT_EQ(Check1(), "ticked") << "with status 1 stored";

  ASSERT_NO_FATAL_FAILURE(ClickCheck1("unticked"));
  Run(IDC_COMMAND7);
  EXPECT_EQ(CurrentSound(), Text(REG_SZ, kUserSound)) << "the user's own sound stays";
  EXPECT_EQ(Voicestat(), Dword(0));
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));
  Run(IDC_COMMAND7);
  EXPECT_EQ(CurrentSound(), ReplacementSound(REG_EXPAND_SZ));
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("unticked"));
  Run(IDC_COMMAND7);
  EXPECT_EQ(CurrentSound(), Text(REG_EXPAND_SZ, kStockSound)) << "the program's own sound goes";
  EXPECT_TRUE(app_.Close());
}

// ---- In either button set, after a mouse click on Apply and its message, Apply keeps the focus
// without being a default button, and Enter runs Apply again.

class Keyboard : public ProgramTest, public ::testing::WithParamInterface<Family> {};

TEST_P(Keyboard, EnterOnTheFocusedApplyButtonRunsApply) {
  ASSERT_NO_FATAL_FAILURE(Start(GetParam().version));
  const HWND apply = GetDlgItem(main_, GetParam().apply);
  ASSERT_EQ(Run(GetParam().apply), kApplied);
  GUITHREADINFO focus{};
  ASSERT_TRUE(WaitFor([&] {
    focus.cbSize = sizeof focus;
    return GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &focus) &&
           focus.hwndFocus == apply;
  })) << "the focus is on control "
      << GetDlgCtrlID(focus.hwndFocus);

  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(apply, WM_KEYDOWN, VK_RETURN, 1 | scan);
  PostMessageA(apply, WM_KEYUP, VK_RETURN, 1 | scan | LPARAM{3} << 30);
  const auto box = FindMessageBox(app_.Id(), kUiTimeoutMs);
  ASSERT_TRUE(box.has_value()) << "no message after Enter on Apply";
  EXPECT_EQ(box->text + "\n", kApplied);
  EXPECT_TRUE(DismissMessageBox(box->hwnd));
  EXPECT_TRUE(app_.Close());
}

INSTANTIATE_TEST_SUITE_P(Families, Keyboard, ::testing::Values(kWin10, kWin98), NameOf);

// ---- For the install test, run with --keep-registry: the installed program applies the new look
// with the sound ticked on the NT family and leaves what it wrote.

using Install = ProgramTest;
TEST_F(Install, ApplyTickedAndLeaveIt) {
  ASSERT_NO_FATAL_FAILURE(Start("win10"));
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));
  EXPECT_EQ(Run(IDC_COMMAND7), kApplied);
  EXPECT_TRUE(app_.Close());
}

}  // namespace
}  // namespace kelvoro::e2e
