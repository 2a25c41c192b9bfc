// The Apply and Restore Defaults commands as a user meets them: what each writes, where, with
// which type, in which order against its message box, and what it leaves alone, for each Windows
// family.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "e2e_support.h"
#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

// A command runs to its end well within this, message boxes answered at once.
constexpr DWORD kCommandTimeoutMs = 30000;

const char kAppliedText[] =
    "The changes have been made to the Recycle Bin successfully. Press 'F5'(Refresh) Key several "
    "times on the Desktop to Display the changes.";
const char kRestoredText[] =
    "Recycle Bin defaults restored. Press 'F5'(Refresh) Key several times on the Desktop to "
    "Display the changes.";
const char kTitle[] = "Kelvoro";
const char kReplacementName[] = "Kelvoro";
// Sounds that a user may have picked; the program never writes either of them.
const char kUserSound[] = "C:\\Users\\Public\\chime of my own.wav";

struct Family {
  const char* wine_version;  // as HKCU\Software\Wine\AppDefaults takes it
  int apply_id;
  int restore_id;
  // Where the family keeps the Recycle Bin's name (and, below it, DefaultIcon); no root for a
  // family whose commands write neither.
  HKEY root;
  const char* class_key;
  // The other family's place, which the commands must leave alone.
  HKEY other_root;
  const char* other_class_key;
  // The type that Apply with Check1 ticked gives the replacement sound.
  DWORD replacement_sound_type;
};

// Names the family in test output instead of dumping its bytes.
void PrintTo(const Family& family, std::ostream* out) { *out << family.wine_version; }

const Family kWin10{"win10",
                    IDC_COMMAND7,
                    IDC_COMMAND6,
                    HKEY_CURRENT_USER,
                    kUserRecycleBinKey,
                    HKEY_LOCAL_MACHINE,
                    kMachineRecycleBinKey,
                    REG_EXPAND_SZ};
const Family kWin98{
    "win98",           IDC_COMMAND1,       IDC_COMMAND2, HKEY_LOCAL_MACHINE, kMachineRecycleBinKey,
    HKEY_CURRENT_USER, kUserRecycleBinKey, REG_SZ};
const Family kWin31{"win31", IDC_COMMAND1, IDC_COMMAND2, nullptr,
                    nullptr, nullptr,      nullptr,      REG_SZ};

std::string FamilyName(const ::testing::TestParamInfo<Family>& info) {
  return info.param.wine_version;
}

std::string IconKey(const char* class_key) { return std::string(class_key) + "\\DefaultIcon"; }

// How ReadRegValue(...).Describe() prints a text value.
std::string Text(DWORD type, const std::string& text) {
  return RegTypeName(type) + " \"" + text + "\"";
}

std::string IconsOf(HKEY root, const char* class_key) {
  const std::string key = IconKey(class_key);
  return "default " + ReadRegValue(root, key, "").Describe() + ", Empty " +
         ReadRegValue(root, key, "Empty").Describe() + ", Full " +
         ReadRegValue(root, key, "Full").Describe();
}

std::string IconsText(const std::string& empty, const std::string& full) {
  return "default " + Text(REG_SZ, empty) + ", Empty " + Text(REG_SZ, empty) + ", Full " +
         Text(REG_SZ, full);
}

std::string NameOf(HKEY root, const char* class_key) {
  return ReadRegValue(root, class_key, "").Describe();
}

std::string StockIcons() { return IconsText(kStockEmptyIcon, kStockFullIcon); }

// The folder that holds the program, as the program itself finds it: the full path of its
// executable without the last separator and file name.
std::string ProgramFolder() {
  char full[MAX_PATH] = {};
  const DWORD length = GetFullPathNameA(ProgramPath().c_str(), MAX_PATH, full, nullptr);
  std::string path(full, length < MAX_PATH ? length : 0);
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string ReplacementIcons() {
  const std::string folder = ProgramFolder();
  return IconsText(folder + "\\black.ico,0", folder + "\\white.ico,0");
}

std::string WindowsFolder() {
  char folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  return std::string(folder, length < MAX_PATH ? length : 0);
}

std::string CurrentSound() {
  return ReadRegValue(HKEY_CURRENT_USER, kCurrentSoundKey, "").Describe();
}

std::string Voicestat() {
  return ReadRegValue(HKEY_CURRENT_USER, kSettingsKey, kVoicestat).Describe();
}

std::string Dword(DWORD number) {
  char text[64];
  std::snprintf(text, sizeof text, "REG_DWORD 0x%08lx (%lu)", static_cast<unsigned long>(number),
                static_cast<unsigned long>(number));
  return text;
}

// What one command did on the screen.
struct CommandRun {
  bool finished = false;  // the click's handler returned within kCommandTimeoutMs
  std::vector<MessageBoxInfo> boxes;

  // Every box shown, in order, as "title: text", joined by " | "; "no message box" for none.
  std::string Boxes() const {
    if (boxes.empty()) return "no message box";
    std::string out;
    for (const auto& box : boxes) {
      out += (out.empty() ? "" : " | ") + box.title + ": " + box.text;
    }
    return out;
  }
};

std::string OneBox(const char* text) { return std::string(kTitle) + ": " + text; }

DWORD WINAPI SendClick(void* button) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(static_cast<HWND>(button), BM_CLICK, 0, 0, SMTO_NORMAL, kCommandTimeoutMs,
                      &ignored);
  return 0;
}

// Clicks `button` and runs its command to the end. The click is sent from a thread of its own,
// so its return marks the moment the handler has returned, message boxes and all; meanwhile
// this thread hands each message box to `on_box` while it is open and then presses its OK.
CommandRun RunCommand(DWORD pid, HWND button,
                      const std::function<void(const MessageBoxInfo&)>& on_box = {}) {
  CommandRun run;
  // The thread holds nothing of ours but the window handle, so it may outlive this call.
  HANDLE thread = CreateThread(/*lpThreadAttributes=*/nullptr, /*dwStackSize=*/0, SendClick, button,
                               /*dwCreationFlags=*/0, /*lpThreadId=*/nullptr);
  if (thread == nullptr) return run;
  const ULONGLONG deadline = GetTickCount64() + kCommandTimeoutMs;
  while (GetTickCount64() < deadline) {
    if (WaitForSingleObject(thread, kPollMs) == WAIT_OBJECT_0) {
      run.finished = true;
      break;
    }
    if (auto box = FindMessageBox(pid)) {
      run.boxes.push_back(*box);
      if (on_box) on_box(*box);
      if (!DismissMessageBox(box->hwnd)) break;
      WaitFor([&] { return !IsWindow(box->hwnd); }, kUiTimeoutMs);
    }
  }
  CloseHandle(thread);
  return run;
}

// Every test starts from an account with the stock Recycle Bin and sound values, where the
// program has never run, and lets the program see the Windows family under test.
class CommandsTest : public ::testing::Test {
 protected:
  void Prepare(const Family& family) {
    family_ = family;
    if (!RunningUnderWine() && std::string(family.wine_version) != kWin10.wine_version) {
      GTEST_SKIP() << "the Windows family can be chosen per program only under Wine; this "
                      "system is of the NT family";
    }
    ASSERT_TRUE(PrepareFirstRun(family.wine_version));
  }

  void Start() { ASSERT_TRUE(StartProgram(app_, &main_)); }

  HWND Control(int id) const { return GetDlgItem(main_, id); }

  std::string Check1() const {
    HWND check1 = Control(IDC_CHECK1);
    return CheckName(check1 == nullptr ? -1 : CheckStateOf(check1));
  }

  // Clicks Check1 as the user does and waits until it shows `state`.
  void ClickCheck1Until(int state) {
    HWND check1 = Control(IDC_CHECK1);
    ASSERT_NE(check1, nullptr) << "the main window has no Check1";
    ClickButton(check1);
    ASSERT_TRUE(WaitFor([&] { return CheckStateOf(check1) == state; }, kUiTimeoutMs))
        << "Check1 is " << Check1() << " after a click, expected " << CheckName(state);
  }

  CommandRun Run(int id, const std::function<void(const MessageBoxInfo&)>& on_box = {}) {
    HWND button = Control(id);
    if (button == nullptr) {
      ADD_FAILURE() << "the main window has no control " << id;
      return {};
    }
    CommandRun run = RunCommand(app_.Id(), button, on_box);
    EXPECT_TRUE(run.finished) << "the command did not end within " << kCommandTimeoutMs
                              << " ms; boxes seen: " << run.Boxes();
    return run;
  }

  CommandRun Apply(const std::function<void(const MessageBoxInfo&)>& on_box = {}) {
    return Run(family_.apply_id, on_box);
  }
  CommandRun Restore(const std::function<void(const MessageBoxInfo&)>& on_box = {}) {
    return Run(family_.restore_id, on_box);
  }

  // Starts the program, ticks Check1 and runs Apply.
  void StartAndApplyTicked() {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(ClickCheck1Until(BST_CHECKED));
    ASSERT_TRUE(Apply().finished);
  }

  Family family_{};
  AppProcess app_;
  HWND main_ = nullptr;
};

// ---------------------------------------------------------------------------------------------
// Icons, name and message: the families that have them.

class AppearanceTest : public CommandsTest, public ::testing::WithParamInterface<Family> {
 protected:
  void SetUp() override { Prepare(GetParam()); }
};

TEST_P(AppearanceTest, ApplyWritesReplacementIconsToFamilyKey) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  EXPECT_EQ(IconsOf(family_.root, family_.class_key), ReplacementIcons());
}

TEST_P(AppearanceTest, ApplyWritesReplacementNameToFamilyKey) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  EXPECT_EQ(NameOf(family_.root, family_.class_key), Text(REG_SZ, kReplacementName));
}

TEST_P(AppearanceTest, ApplyLeavesOtherFamilyIconsAlone) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  EXPECT_EQ(IconsOf(family_.other_root, family_.other_class_key), StockIcons());
}

TEST_P(AppearanceTest, ApplyLeavesOtherFamilyNameAlone) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  EXPECT_EQ(NameOf(family_.other_root, family_.other_class_key), Text(REG_SZ, kStockName));
}

TEST_P(AppearanceTest, ApplyShowsAppliedMessageOnce) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(ClickCheck1Until(BST_CHECKED));
  EXPECT_EQ(Apply().Boxes(), OneBox(kAppliedText));
}

TEST_P(AppearanceTest, ApplyShowsMessageAfterIconsBeforeName) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(ClickCheck1Until(BST_CHECKED));
  std::string icons_meanwhile = "no message box";
  std::string name_meanwhile = "no message box";
  Apply([&](const MessageBoxInfo&) {
    icons_meanwhile = IconsOf(family_.root, family_.class_key);
    name_meanwhile = NameOf(family_.root, family_.class_key);
  });
  EXPECT_EQ(icons_meanwhile, ReplacementIcons()) << "icons while the message is open";
  EXPECT_EQ(name_meanwhile, Text(REG_SZ, kStockName)) << "name while the message is open";
}

TEST_P(AppearanceTest, RestoreAfterApplyWritesStockIcons) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  ASSERT_EQ(IconsOf(family_.root, family_.class_key), ReplacementIcons());
  Restore();
  EXPECT_EQ(IconsOf(family_.root, family_.class_key), StockIcons());
}

TEST_P(AppearanceTest, RestoreAfterApplyWritesStockName) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  ASSERT_EQ(NameOf(family_.root, family_.class_key), Text(REG_SZ, kReplacementName));
  Restore();
  EXPECT_EQ(NameOf(family_.root, family_.class_key), Text(REG_SZ, kStockName));
}

TEST_P(AppearanceTest, RestoreShowsRestoredMessageOnce) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  EXPECT_EQ(Restore().Boxes(), OneBox(kRestoredText));
}

TEST_P(AppearanceTest, RestoreShowsMessageAfterIconsBeforeName) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  std::string icons_meanwhile = "no message box";
  std::string name_meanwhile = "no message box";
  Restore([&](const MessageBoxInfo&) {
    icons_meanwhile = IconsOf(family_.root, family_.class_key);
    name_meanwhile = NameOf(family_.root, family_.class_key);
  });
  EXPECT_EQ(icons_meanwhile, StockIcons()) << "icons while the message is open";
  EXPECT_EQ(name_meanwhile, Text(REG_SZ, kReplacementName)) << "name while the message is open";
}

TEST_P(AppearanceTest, ApplyWithoutIconKeyShowsNoMessage) {
  ASSERT_EQ(DeleteRegTree(family_.root, IconKey(family_.class_key)), ERROR_SUCCESS);
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(Apply().Boxes(), "no message box");
}

TEST_P(AppearanceTest, ApplyWithoutIconKeyCreatesNoIcons) {
  ASSERT_EQ(DeleteRegTree(family_.root, IconKey(family_.class_key)), ERROR_SUCCESS);
  ASSERT_NO_FATAL_FAILURE(Start());
  Apply();
  EXPECT_FALSE(RegKeyExists(family_.root, IconKey(family_.class_key)))
      << "the icon key came back holding " << IconsOf(family_.root, family_.class_key);
}

TEST_P(AppearanceTest, ApplyWithoutIconKeyStillWritesName) {
  ASSERT_EQ(DeleteRegTree(family_.root, IconKey(family_.class_key)), ERROR_SUCCESS);
  ASSERT_NO_FATAL_FAILURE(Start());
  Apply();
  EXPECT_EQ(NameOf(family_.root, family_.class_key), Text(REG_SZ, kReplacementName));
}

TEST_P(AppearanceTest, RestoreWithoutIconKeyStillWritesStockName) {
  ASSERT_EQ(WriteRegString(family_.root, family_.class_key, "", REG_SZ, kReplacementName),
            ERROR_SUCCESS);
  ASSERT_EQ(DeleteRegTree(family_.root, IconKey(family_.class_key)), ERROR_SUCCESS);
  ASSERT_NO_FATAL_FAILURE(Start());
  Restore();
  EXPECT_EQ(NameOf(family_.root, family_.class_key), Text(REG_SZ, kStockName));
}

INSTANTIATE_TEST_SUITE_P(Families, AppearanceTest, ::testing::Values(kWin10, kWin98), FamilyName);

// ---------------------------------------------------------------------------------------------
// Win32s: the commands change no icon and no name anywhere and say nothing.

class Win32sTest : public CommandsTest {
 protected:
  void SetUp() override { Prepare(kWin31); }

  // Both places at once, so a write to either shows.
  static std::string Appearance() {
    return "user: " + NameOf(HKEY_CURRENT_USER, kUserRecycleBinKey) + "; " +
           IconsOf(HKEY_CURRENT_USER, kUserRecycleBinKey) +
           "; machine: " + NameOf(HKEY_LOCAL_MACHINE, kMachineRecycleBinKey) + "; " +
           IconsOf(HKEY_LOCAL_MACHINE, kMachineRecycleBinKey);
  }
};

TEST_F(Win32sTest, ApplyChangesNoIconOrName) {
  const std::string before = Appearance();
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  EXPECT_EQ(Appearance(), before);
}

TEST_F(Win32sTest, ApplyShowsNoMessage) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(ClickCheck1Until(BST_CHECKED));
  EXPECT_EQ(Apply().Boxes(), "no message box");
}

TEST_F(Win32sTest, RestoreChangesNoIconOrName) {
  // Replacement values in both places: a stock write to either would show.
  const std::string icon = ProgramFolder() + "\\black.ico,0";
  for (const auto& [root, key] :
       {std::pair<HKEY, const char*>{HKEY_CURRENT_USER, kUserRecycleBinKey},
        {HKEY_LOCAL_MACHINE, kMachineRecycleBinKey}}) {
    ASSERT_EQ(WriteRegString(root, key, "", REG_SZ, kReplacementName), ERROR_SUCCESS);
    for (const char* name : {"", "Empty", "Full"}) {
      ASSERT_EQ(WriteRegString(root, IconKey(key), name, REG_SZ, icon), ERROR_SUCCESS);
    }
  }
  const std::string before = Appearance();
  ASSERT_NO_FATAL_FAILURE(Start());
  Restore();
  EXPECT_EQ(Appearance(), before);
}

TEST_F(Win32sTest, RestoreShowsNoMessage) {
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(Restore().Boxes(), "no message box");
}

// ---------------------------------------------------------------------------------------------
// Sound, voice status and Check1: the same for every family but for the replacement's type.

class SoundTest : public CommandsTest, public ::testing::WithParamInterface<Family> {
 protected:
  void SetUp() override { Prepare(GetParam()); }

  std::string ReplacementSound() const {
    return Text(family_.replacement_sound_type, WindowsFolder() + "\\media\\dravik.wav");
  }

  // A settings key from an earlier Apply with Check1 ticked: the program starts with it ticked.
  void StoreVoicestatOne() {
    ASSERT_EQ(WriteRegDword(HKEY_CURRENT_USER, kSettingsKey, kVoicestat, 1), ERROR_SUCCESS);
  }
};

TEST_P(SoundTest, ApplyTickedPointsSoundAtReplacement) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  EXPECT_EQ(CurrentSound(), ReplacementSound());
}

TEST_P(SoundTest, ApplyTickedStoresVoicestatOne) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  EXPECT_EQ(Voicestat(), Dword(1));
}

TEST_P(SoundTest, ApplyTickedLeavesCheck1Ticked) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  EXPECT_EQ(Check1(), CheckName(BST_CHECKED));
}

TEST_P(SoundTest, ApplyClearPutsStockSoundBackInPlaceOfTheReplacement) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  ASSERT_EQ(CurrentSound(), ReplacementSound());
  ASSERT_NO_FATAL_FAILURE(ClickCheck1Until(BST_UNCHECKED));
  Apply();
  EXPECT_EQ(CurrentSound(), Text(REG_EXPAND_SZ, kStockSound));
}

TEST_P(SoundTest, ApplyClearLeavesTheUsersOwnSound) {
  ASSERT_EQ(WriteRegString(HKEY_CURRENT_USER, kCurrentSoundKey, "", REG_SZ, kUserSound),
            ERROR_SUCCESS);
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_EQ(Check1(), CheckName(BST_UNCHECKED));
  Apply();
  EXPECT_EQ(CurrentSound(), Text(REG_SZ, kUserSound));
}

TEST_P(SoundTest, ApplyClearStoresVoicestatZero) {
  ASSERT_NO_FATAL_FAILURE(StoreVoicestatOne());
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(ClickCheck1Until(BST_UNCHECKED));
  Apply();
  EXPECT_EQ(Voicestat(), Dword(0));
}

TEST_P(SoundTest, ApplyClearLeavesCheck1Clear) {
  // With 1 stored, a command that failed to store 0 would read 1 back and tick Check1 again.
  ASSERT_NO_FATAL_FAILURE(StoreVoicestatOne());
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(ClickCheck1Until(BST_UNCHECKED));
  Apply();
  EXPECT_EQ(Check1(), CheckName(BST_UNCHECKED));
}

TEST_P(SoundTest, RestoreAfterApplyWritesStockSound) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  ASSERT_EQ(CurrentSound(), ReplacementSound());
  Restore();
  EXPECT_EQ(CurrentSound(), Text(REG_EXPAND_SZ, kStockSound));
}

TEST_P(SoundTest, RestoreAfterApplyStoresVoicestatZero) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  ASSERT_EQ(Voicestat(), Dword(1));
  Restore();
  EXPECT_EQ(Voicestat(), Dword(0));
}

TEST_P(SoundTest, RestoreClearsTickedCheck1) {
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  ASSERT_EQ(Check1(), CheckName(BST_CHECKED));
  Restore();
  EXPECT_EQ(Check1(), CheckName(BST_UNCHECKED));
}

// Start-up keeps the stock sound in memory; these are about what it found there.

TEST_P(SoundTest, RestoreWithoutStockSoundLeavesCurrentSoundAlone) {
  ASSERT_EQ(DeleteRegTree(HKEY_CURRENT_USER, kDefaultSoundKey), ERROR_SUCCESS);
  ASSERT_EQ(WriteRegString(HKEY_CURRENT_USER, kCurrentSoundKey, "", REG_SZ, kUserSound),
            ERROR_SUCCESS);
  ASSERT_NO_FATAL_FAILURE(Start());
  Restore();
  EXPECT_EQ(CurrentSound(), Text(REG_SZ, kUserSound));
}

TEST_P(SoundTest, ApplyClearWithoutStockSoundLeavesCurrentSoundAlone) {
  ASSERT_EQ(DeleteRegTree(HKEY_CURRENT_USER, kDefaultSoundKey), ERROR_SUCCESS);
  ASSERT_EQ(WriteRegString(HKEY_CURRENT_USER, kCurrentSoundKey, "", REG_SZ, kUserSound),
            ERROR_SUCCESS);
  ASSERT_NO_FATAL_FAILURE(Start());
  Apply();
  EXPECT_EQ(CurrentSound(), Text(REG_SZ, kUserSound));
}

TEST_P(SoundTest, EmptyStockSoundIsRestoredEmpty) {
  ASSERT_EQ(WriteRegString(HKEY_CURRENT_USER, kDefaultSoundKey, "", REG_EXPAND_SZ, ""),
            ERROR_SUCCESS);
  ASSERT_EQ(WriteRegString(HKEY_CURRENT_USER, kCurrentSoundKey, "", REG_SZ, kUserSound),
            ERROR_SUCCESS);
  ASSERT_NO_FATAL_FAILURE(Start());
  Restore();
  EXPECT_EQ(CurrentSound(), Text(REG_EXPAND_SZ, ""));
}

std::string Hex(const RegValue& value) {
  if (!value.Found()) return value.Describe();
  std::string out = RegTypeName(value.type) + ":";
  for (auto byte : value.data) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02x", byte);
    out += hex;
  }
  return out;
}

TEST_P(SoundTest, ExpandableStockSoundComesBackByteForByte) {
  const RegValue stock = ReadRegValue(HKEY_CURRENT_USER, kDefaultSoundKey, "");
  ASSERT_EQ(stock.Describe(), Text(REG_EXPAND_SZ, kStockSound));
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  ASSERT_EQ(CurrentSound(), ReplacementSound());
  Restore();
  EXPECT_EQ(Hex(ReadRegValue(HKEY_CURRENT_USER, kCurrentSoundKey, "")), Hex(stock));
}

INSTANTIATE_TEST_SUITE_P(Families, SoundTest, ::testing::Values(kWin10, kWin98, kWin31),
                         FamilyName);

// ---------------------------------------------------------------------------------------------
// The registry as a whole: an Apply followed by Restore Defaults leaves nothing behind but the
// program's own settings.

struct Entry {
  DWORD type;
  std::vector<std::uint8_t> data;
  bool operator==(const Entry& other) const { return type == other.type && data == other.data; }
};
// "HKCU\path\" for a key (type REG_NONE, no data), "HKCU\path\:name" for a value.
using Snapshot = std::map<std::string, Entry>;

std::string Utf8(const wchar_t* text, int length) {
  if (length <= 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring Wide(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring out(size > 0 ? size - 1 : 0, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), size);
  return out;
}

// Adds the key `path` below `root`, its values and all its subkeys to `out`. Returns the first
// failing status, or 0.
LONG TakeSnapshot(HKEY root, const std::string& root_name, const std::wstring& path,
                  Snapshot* out) {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key);
  if (status == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
  if (status != ERROR_SUCCESS) return status;
  const std::string name =
      root_name + "\\" + Utf8(path.c_str(), static_cast<int>(path.size())) + "\\";
  (*out)[name] = Entry{REG_NONE, {}};

  DWORD subkeys = 0, max_subkey = 0, values = 0, max_value_name = 0, max_data = 0;
  status = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &max_subkey, nullptr, &values,
                            &max_value_name, &max_data, nullptr, nullptr);
  std::vector<std::wstring> children;
  for (DWORD i = 0; status == ERROR_SUCCESS && i < values; ++i) {
    std::vector<wchar_t> value_name(max_value_name + 1);
    DWORD name_length = max_value_name + 1;
    Entry entry{REG_NONE, std::vector<std::uint8_t>(max_data)};
    DWORD size = max_data;
    status = RegEnumValueW(key, i, value_name.data(), &name_length, nullptr, &entry.type,
                           entry.data.data(), &size);
    entry.data.resize(size);
    (*out)[name + ":" + Utf8(value_name.data(), static_cast<int>(name_length))] = entry;
  }
  for (DWORD i = 0; status == ERROR_SUCCESS && i < subkeys; ++i) {
    std::vector<wchar_t> child(max_subkey + 1);
    DWORD length = max_subkey + 1;
    status = RegEnumKeyExW(key, i, child.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) children.emplace_back(child.data(), length);
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return status;
  for (const auto& child : children) {
    status = TakeSnapshot(root, root_name, path + L"\\" + child, out);
    if (status != ERROR_SUCCESS) return status;
  }
  return ERROR_SUCCESS;
}

LONG TakeSnapshot(Snapshot* out) {
  const struct {
    HKEY root;
    const char* root_name;
    std::string path;
  } places[] = {
      {HKEY_CURRENT_USER, "HKCU", "Software"},
      {HKEY_CURRENT_USER, "HKCU", "AppEvents"},
      {HKEY_LOCAL_MACHINE, "HKLM", kMachineRecycleBinKey},
  };
  for (const auto& place : places) {
    const LONG status = TakeSnapshot(place.root, place.root_name, Wide(place.path), out);
    if (status != ERROR_SUCCESS) return status;
  }
  return ERROR_SUCCESS;
}

std::string Describe(const Entry& entry) {
  RegValue value;
  value.status = ERROR_SUCCESS;
  value.type = entry.type;
  value.data = entry.data;
  return value.Describe();
}

// Keys that Wine itself writes while a program runs, whatever the program does.
bool WrittenByWine(const std::string& name) {
  // user32 creates this key when the first window of a new prefix starts, and keeps there the
  // system parameters that a process changes for the session only.
  static const std::string kTemporarySystemParameters =
      "HKCU\\Software\\Wine\\Temporary System Parameters\\";
  return name.compare(0, kTemporarySystemParameters.size(), kTemporarySystemParameters) == 0;
}

// One line a difference: "+ name = value", "- name = value" or "~ name: old -> new".
std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after) {
  std::vector<std::string> lines;
  for (const auto& [name, entry] : before) {
    if (WrittenByWine(name)) continue;
    const auto found = after.find(name);
    if (found == after.end()) {
      lines.push_back("- " + name + " = " + Describe(entry));
    } else if (!(found->second == entry)) {
      lines.push_back("~ " + name + ": " + Describe(entry) + " -> " + Describe(found->second));
    }
  }
  for (const auto& [name, entry] : after) {
    if (WrittenByWine(name)) continue;
    if (before.find(name) == before.end()) lines.push_back("+ " + name + " = " + Describe(entry));
  }
  return lines;
}

class RegistryTest : public CommandsTest, public ::testing::WithParamInterface<Family> {
 protected:
  void SetUp() override {
    Prepare(GetParam());
    if (IsSkipped() || HasFatalFailure()) return;
    // The keys that hold nothing but the stock values start afresh, so a stray value left by an
    // earlier test cannot hide in the "before" picture. The machine-wide class key keeps Wine's
    // own registration beside the name.
    for (const auto& [root, key] : {
             std::pair<HKEY, std::string>{HKEY_CURRENT_USER, kUserRecycleBinKey},
             {HKEY_LOCAL_MACHINE, IconKey(kMachineRecycleBinKey)},
             {HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin"},
         }) {
      ASSERT_EQ(DeleteRegTree(root, key), ERROR_SUCCESS) << key;
    }
    ASSERT_EQ(SeedStockRegistry(), ERROR_SUCCESS);
  }
};

TEST_P(RegistryTest, ApplyThenRestoreLeavesOnlyTheSettingsBehind) {
  Snapshot before;
  ASSERT_EQ(TakeSnapshot(&before), ERROR_SUCCESS);
  ASSERT_NO_FATAL_FAILURE(StartAndApplyTicked());
  ASSERT_TRUE(Restore().finished);
  EXPECT_TRUE(app_.Close()) << "the program did not end after WM_CLOSE";
  Snapshot after;
  ASSERT_EQ(TakeSnapshot(&after), ERROR_SUCCESS);

  const std::string settings = std::string("HKCU\\") + kSettingsKey + "\\";
  const std::vector<std::string> expected = {
      "+ HKCU\\Software\\Orvane's Software\\ = REG_NONE 0 bytes:",
      "+ HKCU\\Software\\Orvane's Software\\Kelvoro\\ = REG_NONE 0 bytes:",
      "+ " + settings + " = REG_NONE 0 bytes:",
      "+ " + settings + ":Voicestat = " + Dword(0),
  };
  EXPECT_EQ(Differences(before, after), expected);
}

INSTANTIATE_TEST_SUITE_P(Families, RegistryTest, ::testing::Values(kWin10, kWin98, kWin31),
                         FamilyName);

}  // namespace
}  // namespace kelvoro::e2e
