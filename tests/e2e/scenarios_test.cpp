// kelvoro_e2e.exe [gtest options] [--overwrite-registry] ["path\to\Kelvoro 2.1.exe"]
// The program in real runs, one launch a scenario: what only a real run shows, the windows, the
// input, the message boxes and the registry as Windows stores it. The logic behind them belongs to
// the host unit tests. Plain Win32, so that the driver runs on Windows as under Wine.
//
// Without a path it tests "Kelvoro 2.1.exe" in its own folder. The scenarios overwrite the
// Recycle Bin's look and sound and the program's settings, so outside Wine the driver runs only
// when --overwrite-registry says that this machine is there to be tested. Install.* runs only when
// the filter names it. A run in which no test runs fails.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

constexpr DWORD kUiTimeoutMs = 10000;
constexpr DWORD kSettleMs = 1500;  // time that a second, unwanted effect gets to show itself

struct MessageBoxInfo {
  HWND hwnd;
  std::string text;  // "title: message"
};

const char kSettingsKey[] = "Software\\Orvane's Software\\Kelvoro\\2.1";
const char kUserBinKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}";
const char kMachineBinKey[] = "Software\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
const char kCurrentSoundKey[] = "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current";
const char kAutomationServerKey[] =
    "Software\\Classes\\CLSID\\{0002DF01-0000-0000-C000-000000000046}\\LocalServer32";

const char kMakerKey[] = "Software\\Orvane's Software";
const char kVersionKey[] = "Software\\Wine\\AppDefaults\\Kelvoro 2.1.exe";

std::wstring Widen(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                  wide.data(), static_cast<int>(wide.size())));
  return wide;
}

// Starts `command` in `folder` (null: the driver's own).
HANDLE Launch(std::wstring command, const wchar_t* folder, DWORD* pid = nullptr) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                      &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  if (pid != nullptr) *pid = info.dwProcessId;
  return info.hProcess;
}

std::string& TheProgram() {
  static std::string program;
  return program;
}

bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// A 32-bit driver, and so a 32-bit program, on 64-bit Windows.
bool RunningOnWow64() {
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeout_ms = kUiTimeoutMs) {
  for (const ULONGLONG deadline = GetTickCount64() + timeout_ms; !done(); Sleep(50)) {
    if (GetTickCount64() >= deadline) return false;
  }
  return true;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  DWORD_PTR length = 0;  // with a timeout: a hung program must not hang the driver
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, kUiTimeoutMs, &length);
  return std::string(text, std::min<DWORD_PTR>(length, sizeof text - 1));
}

// The visible top-level windows of a class, of process `pid` or (0) of any.
std::vector<HWND> VisibleWindows(DWORD pid, const char* window_class) {
  std::vector<HWND> found;
  for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, window_class, nullptr));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if ((pid == 0 || owner == pid) && IsWindowVisible(hwnd)) found.push_back(hwnd);
  }
  return found;
}

// The first visible message box of the process, after waiting up to `wait_ms` for one.
std::optional<MessageBoxInfo> FindMessageBox(DWORD pid, DWORD wait_ms = 0) {
  std::vector<HWND> boxes;
  WaitFor([&] { return !(boxes = VisibleWindows(pid, "#32770")).empty(); }, wait_ms);
  if (boxes.empty()) return std::nullopt;
  // The static control 0xFFFF holds the message.
  return MessageBoxInfo{boxes[0], TextOf(boxes[0]) + ": " + TextOf(GetDlgItem(boxes[0], 0xFFFF))};
}

// Presses OK, posted, and waits until the box has gone.
bool DismissMessageBox(HWND box) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  return WaitFor([box] { return !IsWindowVisible(box); });
}

// One run of the program; ended by force on destruction if it still runs.
class AppProcess {
 public:
  AppProcess() = default;
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;
  ~AppProcess() {
    if (Running()) TerminateProcess(process_, 1);
    if (process_ != nullptr) CloseHandle(process_);
  }

  // Starts the program (`exe`, else the one under test) and waits for its visible main window.
  ::testing::AssertionResult Start(HWND* main, std::wstring exe = Widen(TheProgram())) {
    const std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
    process_ = Launch(L"\"" + exe + L"\"", folder.empty() ? nullptr : folder.c_str(), &pid_);
    if (process_ == nullptr) return ::testing::AssertionFailure() << "cannot start the program";
    std::optional<MessageBoxInfo> box;
    const auto seen = [&] {
      const auto mains = VisibleWindows(pid_, "KelvoroForm1");
      *main = mains.empty() ? nullptr : mains[0];
      return *main != nullptr || (box = FindMessageBox(pid_)) || !Running();
    };
    WaitFor(seen, 3 * kUiTimeoutMs);  // the first start in a new Wine prefix is slow
    if (*main != nullptr) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << (box         ? "a message box: " + box->text
                                             : Running() ? "no main window"
                                                         : "the program ended")
                                         << ", exit code " << ExitCode();
  }
  // Posts WM_CLOSE to each of its windows and waits for the end.
  bool Close() {
    for (const char* window_class : {"KelvoroForm1", "KelvoroForm2"}) {
      for (HWND hwnd : VisibleWindows(pid_, window_class)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    }
    return WaitForSingleObject(process_, kUiTimeoutMs) == WAIT_OBJECT_0;
  }
  bool Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
  }
  DWORD Id() const { return pid_; }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
  }

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Posted: the handler may show a modal box.
void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

// ---- The registry, read and written through the ANSI entry points, as the program does. Reads
// see the view that 64-bit Explorer reads, also from a 32-bit driver on 64-bit Windows (32-bit
// Windows has one view and ignores the flag).
constexpr REGSAM kExplorersView = KEY_WOW64_64KEY;

std::string Text(DWORD type, const std::string& text) {
  return (type == REG_SZ ? "REG_SZ \"" : "REG_EXPAND_SZ \"") + text + "\"";
}

std::string Dword(DWORD number) { return "REG_DWORD " + std::to_string(number); }

// "REG_SZ \"text\"" for a text with one terminating zero, "REG_DWORD 1", "missing", or the bytes.
std::string Show(HKEY root, const std::string& path, const char* name = "") {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kExplorersView, &key) != ERROR_SUCCESS) {
    return "missing";
  }
  DWORD type = REG_NONE, size = 0;
  LONG status = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size);
  std::string data(size, '\0');
  if (status == ERROR_SUCCESS) {
    status =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  }
  RegCloseKey(key);
  data.resize(size);
  if (status != ERROR_SUCCESS) return "missing";
  if (type == REG_DWORD && size == 4) return Dword(*reinterpret_cast<const DWORD*>(data.data()));
  if ((type == REG_SZ || type == REG_EXPAND_SZ) && size > 0 && data.find('\0') == size - 1) {
    return Text(type, data.substr(0, size - 1));
  }
  std::string out = "type " + std::to_string(type) + ":";
  for (const unsigned char byte : data) out += " " + std::to_string(byte);
  return out;
}

// Creates the key when missing; a text is written with its terminating zero.
LONG WriteValue(HKEY root, const std::string& path, const char* name, DWORD type,
                const std::string& text) {
  HKEY key = nullptr;
  LONG status =
      RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  const DWORD size = static_cast<DWORD>(text.size() + (type == REG_DWORD ? 0 : 1));  // the zero
  status = RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), size);
  RegCloseKey(key);
  return status;
}

// The wide text of a REG_SZ value with one terminating zero; "missing", or "not a text".
std::wstring ShowWide(HKEY root, const std::string& path, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kExplorersView, &key) != ERROR_SUCCESS) {
    return L"missing";
  }
  std::wstring data(1024, L'\0');
  DWORD type = REG_NONE, size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  const LONG status =
      RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return L"missing";
  data.resize(size / sizeof(wchar_t));
  if (type != REG_SZ || size % 2 != 0 || data.find(L'\0') != data.size() - 1) return L"not a text";
  return data.substr(0, data.size() - 1);
}

// Deletes the key at `path` with all below it, in the registry view `view` (0: the driver's own).
LONG DeleteTree(HKEY root, const std::string& path, REGSAM view = 0) {
  const std::string::size_type last = path.find_last_of('\\');
  HKEY parent = nullptr;
  LONG status =
      RegOpenKeyExA(root, path.substr(0, last).c_str(), 0, KEY_ALL_ACCESS | view, &parent);
  if (status == ERROR_SUCCESS) {
    status = RegDeleteTreeA(parent, path.substr(last + 1).c_str());
    RegCloseKey(parent);
  }
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

// ---- The registry of a first run

// scripts/stock-windows.reg, which the driver carries as its resource STOCK_REGISTRY.
std::string StockRegistry() {
  const HRSRC found = FindResourceA(nullptr, "STOCK_REGISTRY", MAKEINTRESOURCEA(10));
  const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  return loaded ? std::string(static_cast<const char*>(LockResource(loaded)),
                              SizeofResource(nullptr, found))
                : std::string();
}

// Imports the stock registry with the system's own importer: reg.exe, from a temporary file.
LONG ImportStockRegistry() {
  char folder[MAX_PATH], file[MAX_PATH];
  if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "kel", 0, file)) {
    return ERROR_PATH_NOT_FOUND;
  }
  std::ofstream(file, std::ios::binary) << StockRegistry();
  DWORD code = ERROR_FILE_NOT_FOUND;
  if (HANDLE reg = Launch(L"reg.exe import \"" + Widen(file) + L"\"", nullptr)) {
    WaitForSingleObject(reg, 3 * kUiTimeoutMs);
    GetExitCodeProcess(reg, &code);
    CloseHandle(reg);
  }
  DeleteFileA(file);
  return StockRegistry().empty() ? ERROR_FILE_NOT_FOUND : code;
}

// The registry of a first run, the program seeing the Windows version `wine_version` under Wine:
// the stock values of scripts/stock-windows.reg and no settings.
::testing::AssertionResult PrepareFirstRun(const char* wine_version) {
  LONG status = ImportStockRegistry();
  if (!status) status = DeleteTree(HKEY_CURRENT_USER, kMakerKey);
  if (!status && RunningUnderWine()) {
    status = WriteValue(HKEY_CURRENT_USER, kVersionKey, "Version", REG_SZ, wine_version);
  }
  if (!status) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the registry could not be prepared: " << status;
}

// ---- The scenarios

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
// clang-format off
const Family kWin10{"win10", "5 6 7", IDC_COMMAND7, IDC_COMMAND6, HKEY_CURRENT_USER, kUserBinKey,
                    REG_EXPAND_SZ};
const Family kWin98{"win98", "1 2 3", IDC_COMMAND1, IDC_COMMAND2, HKEY_LOCAL_MACHINE,
                    kMachineBinKey, REG_SZ};
const Family kWin31{"win31", "1 2 3", IDC_COMMAND1, IDC_COMMAND2, nullptr, nullptr, REG_SZ};
// clang-format on
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
    if (std::string(version) != "win10" && RunningOnWow64()) {
      GTEST_SKIP() << "the " << version << " family cannot occur on 64-bit Windows";
    }
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
// on the focused button), Restore Defaults.

class Session : public Scenario, public ::testing::WithParamInterface<Family> {};

TEST_P(Session, StartApplyEnterRestoreLeavesTheStockLook) {
  const Family& family = GetParam();
  ASSERT_NO_FATAL_FAILURE(Prepare(family.version));
  if (IsSkipped()) return;
  ASSERT_TRUE(app_.Start(&main_));
  EXPECT_EQ(VisibleButtons(main_), family.buttons);
  EXPECT_EQ(Voicestat(), Dword(0)) << "the first start makes the settings";
  EXPECT_EQ(Check1(), "unticked");
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));

  // Each command writes the icons before its one message and the name after it; on Win32s it
  // changes no appearance and says nothing.
  const bool looks = family.root != nullptr;
  const std::string& program = TheProgram();
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

  // Both families' places hold the stock look, the "%SystemRoot%" stock sound is back byte for
  // byte, and the settings remain.
  for (const Family& place : {kWin10, kWin98}) {
    EXPECT_EQ(Appearance(place), Appearance("Recycle Bin", kStockEmpty, kStockFull))
        << place.version;
  }
  EXPECT_EQ(CurrentSound(), Text(REG_EXPAND_SZ, kStockSound));
  EXPECT_EQ(Voicestat(), Dword(0));
}

INSTANTIATE_TEST_SUITE_P(Families, Session, ::testing::Values(kWin10, kWin98, kWin31),
                         [](const auto& info) { return std::string(info.param.version); });

// ---- From a folder whose name the system code page cannot write (Cyrillic and CJK letters): on NT
// Apply names that folder exactly in the icons; on 9x, whose registry keeps code-page texts only,
// it writes no icon and says why.

const wchar_t kFarFolder[] = L"C:\\\x0418\x0432\x0430\x043D \x6E2C\x8A66 Kelvoro";
const char kFolderName[] =
    "Kelvoro: The Recycle Bin's icons were not changed: the name of the program's folder has "
    "characters that this version of Windows cannot keep in its settings. Move the program to a "
    "folder whose name has none of them and try again.\n";

class FarFolder : public Scenario, public ::testing::WithParamInterface<Family> {};

TEST_P(FarFolder, ApplyNamesTheFolderExactlyOrWritesNoIcon) {
  const Family& family = GetParam();
  ASSERT_NO_FATAL_FAILURE(Prepare(family.version));
  if (IsSkipped()) return;
  const std::wstring folder = kFarFolder;
  const std::wstring exe = folder + L"\\Kelvoro 2.1.exe";
  CreateDirectoryW(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(Widen(TheProgram()).c_str(), exe.c_str(), FALSE)) << GetLastError();
  ASSERT_TRUE(app_.Start(&main_, exe));
  const std::string icons = std::string(family.class_key) + "\\DefaultIcon";
  if (family.root == HKEY_CURRENT_USER) {
    EXPECT_EQ(Run(family.apply), kApplied);
    const std::wstring black = folder + L"\\black.ico,0";
    EXPECT_EQ(ShowWide(family.root, icons, L""), black);
    EXPECT_EQ(ShowWide(family.root, icons, L"Empty"), black);
    EXPECT_EQ(ShowWide(family.root, icons, L"Full"), folder + L"\\white.ico,0");
  } else {
    EXPECT_EQ(Run(family.apply), kFolderName);
    EXPECT_EQ(Appearance(family), Appearance("Kelvoro", kStockEmpty, kStockFull));
  }
  EXPECT_TRUE(app_.Close());
  // The system may hold the file a moment after the process has ended.
  EXPECT_TRUE(WaitFor([&] {
    return DeleteFileW(exe.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
  })) << GetLastError();
  EXPECT_TRUE(WaitFor([&] { return RemoveDirectoryW(folder.c_str()) != FALSE; })) << GetLastError();
}

INSTANTIATE_TEST_SUITE_P(Families, FarFolder, ::testing::Values(kWin10, kWin98),
                         [](const auto& info) { return std::string(info.param.version); });

// ---- The About window: one, brought to the front by a second click, taking no input behind
// Apply's message, centred when reopened, living on after the main window; the program ends with
// it.

using About = Scenario;
TEST_F(About, OneWindowBlockedByMessagesCentredWhenReopenedOutlivingTheMainWindow) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const HWND about = ClickAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TextOf(about), "About");
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

// ---- Display scales, under Wine only (Windows takes a new scale at the next sign-in): started at
// 96, 144 and 192 dpi, the main window lays its controls out at that DPI and draws each picture at
// its size there; a WM_DPICHANGED lays the running window out again for the new DPI.

const char kDesktopKey[] = "Control Panel\\Desktop";

int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

// A control of the main window where the design puts it, in twips; a picture shown at its own
// size gives that size in pixels at 96 dpi instead of the box's.
struct Placed {
  int id;
  int left, top, width, height;
  int picture_width = 0, picture_height = 0;
};
// clang-format off
const Placed kPlaced[] = {
    {IDC_IMAGE1, 5520, 120, 0, 0, 64, 66}, {IDC_IMAGE6, 600, 2020, 0, 0, 69, 55},
    {IDC_IMAGE5, 3720, 1800, 0, 0, 49, 29}, {IDC_IMAGE2, 3720, 2640, 0, 0, 49, 29},
    {IDC_IMAGE3, 5280, 1680, 600, 600}, {IDC_IMAGE4, 5280, 2520, 600, 600},
    {IDC_CHECK1, 1560, 3450, 255, 255}, {IDC_COMMAND7, 1080, 4680, 1335, 375},
    {IDC_COMMAND6, 2640, 4680, 1815, 375}, {IDC_COMMAND5, 4680, 4680, 1215, 375}};
// clang-format on

std::string Box(int left, int top, int width, int height) {
  return std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) + "x" +
         std::to_string(height);
}

// The client size and each placed control's box, as the design gives them at `dpi`...
std::string DesignedLayout(int dpi) {
  std::string out = "client " + Box(0, 0, Pixels(6735, dpi), Pixels(5430, dpi));
  for (const Placed& c : kPlaced) {
    const bool own_size = c.picture_width != 0;
    out += "; " + std::to_string(c.id) + " " +
           Box(Pixels(c.left, dpi), Pixels(c.top, dpi),
               own_size ? MulDiv(c.picture_width, dpi, 96) : Pixels(c.width, dpi),
               own_size ? MulDiv(c.picture_height, dpi, 96) : Pixels(c.height, dpi));
  }
  return out;
}

// ...and as the window has them.
std::string LaidOut(HWND main) {
  RECT client{};
  GetClientRect(main, &client);
  std::string out = "client " + Box(0, 0, client.right, client.bottom);
  for (const Placed& c : kPlaced) {
    RECT box{};
    GetWindowRect(GetDlgItem(main, c.id), &box);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&box), 2);
    out += "; " + std::to_string(c.id) + " " +
           Box(box.left, box.top, box.right - box.left, box.bottom - box.top);
  }
  return out;
}

// The About window's client size and the top left corners of three of its labels (each sized
// to its text), as the design gives them at `dpi`...
std::string DesignedAboutLayout(int dpi) {
  std::string out = "client " + Box(0, 0, Pixels(4575, dpi), Pixels(2880, dpi));
  for (const auto& [id, left, top] : {std::array<int, 3>{IDC_ABOUT_LABEL1, 1080, 120},
                                      std::array<int, 3>{IDC_ABOUT_LABEL8, 840, 1800},
                                      std::array<int, 3>{IDC_ABOUT_LABEL5, 240, 2640}}) {
    out += "; " + std::to_string(id) + " " + std::to_string(Pixels(left, dpi)) + "," +
           std::to_string(Pixels(top, dpi));
  }
  return out;
}

// ...and as the window has them.
std::string AboutLaidOut(HWND about) {
  RECT client{};
  GetClientRect(about, &client);
  std::string out = "client " + Box(0, 0, client.right, client.bottom);
  for (const int id : {IDC_ABOUT_LABEL1, IDC_ABOUT_LABEL8, IDC_ABOUT_LABEL5}) {
    RECT box{};
    GetWindowRect(GetDlgItem(about, id), &box);
    MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&box), 2);
    out +=
        "; " + std::to_string(id) + " " + std::to_string(box.left) + "," + std::to_string(box.top);
  }
  return out;
}

// What a picture control shows on the screen: the size of the bounding box of its pixels that
// differ from its top left one (the background the picture lies on), and how many colours it has.
struct Drawn {
  int width, height, colours;
};
Drawn DrawnPicture(HWND control) {
  RECT box{};
  GetWindowRect(control, &box);
  const int width = box.right - box.left, height = box.bottom - box.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  int left = width, top = height, right = -1, bottom = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if ((pixels[y * width + x] & 0xFFFFFF) == (pixels[0] & 0xFFFFFF)) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
  std::sort(pixels.begin(), pixels.end());
  const int colours = static_cast<int>(std::unique(pixels.begin(), pixels.end()) - pixels.begin());
  return right < 0 ? Drawn{0, 0, colours} : Drawn{right - left + 1, bottom - top + 1, colours};
}

// Each picture drawn at `dpi` spans its 96-dpi extent scaled: the bitmaps within two pixels of
// rounding and smoothing, the Recycle Bin pictures (drawn afresh for each size, with outlines
// that keep their width) within a tenth; and above 96 dpi those are drawn from images made for
// the size, with more colours than the 256 of the 32-pixel images that 96 dpi enlarges. Returns
// "id: drawn WxH, N colours" for each picture that is not.
std::string PicturesNotScaled(HWND main, int dpi) {
  // What each picture covers at 96 dpi, in pixels: the bin images stretched from 32 to 40
  // pixels, the logo, the stock picture and the two arrows.
  struct Extent {
    int id, width, height;
    bool bin;
  };
  // clang-format off
  const Extent extents[] = {{IDC_IMAGE3, 31, 35, true}, {IDC_IMAGE4, 31, 36, true},
                            {IDC_IMAGE1, 46, 61, false}, {IDC_IMAGE6, 57, 41, false},
                            {IDC_IMAGE5, 39, 22, false}, {IDC_IMAGE2, 39, 22, false}};
  // clang-format on
  std::string out;
  for (const Extent& e : extents) {
    const Drawn drawn = DrawnPicture(GetDlgItem(main, e.id));
    const int width = MulDiv(e.width, dpi, 96), height = MulDiv(e.height, dpi, 96);
    const int slack_x = e.bin ? std::max(2, width / 10) : 2;
    const int slack_y = e.bin ? std::max(2, height / 10) : 2;
    if (std::abs(drawn.width - width) > slack_x || std::abs(drawn.height - height) > slack_y ||
        (e.bin && dpi > 96 && drawn.colours <= 256)) {
      out += std::to_string(e.id) + ": drawn " + std::to_string(drawn.width) + "x" +
             std::to_string(drawn.height) + ", " + std::to_string(drawn.colours) + " colours; ";
    }
  }
  return out;
}

class Scale : public Scenario, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    if (!RunningUnderWine()) GTEST_SKIP() << "Windows takes a new display scale at sign-in";
    // The driver sees the program's windows in real pixels, whatever its own scale.
    SetProcessDPIAware();
    saved_ = Show(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
  }
  void TearDown() override {
    if (saved_.empty()) return;
    if (saved_ == "missing") {
      HKEY key = nullptr;
      if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_SET_VALUE, &key) == 0) {
        RegDeleteValueA(key, "LogPixels");
        RegCloseKey(key);
      }
    } else {
      SetLogPixels(static_cast<DWORD>(std::stoul(saved_.substr(saved_.find(' ') + 1))));
    }
  }
  static void SetLogPixels(DWORD dpi) {
    ASSERT_EQ(
        RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi),
        ERROR_SUCCESS);
  }
  void StartAt(int dpi) {
    ASSERT_NO_FATAL_FAILURE(SetLogPixels(static_cast<DWORD>(dpi)));
    ASSERT_NO_FATAL_FAILURE(Start());
    Sleep(kSettleMs);  // painted
  }
  // Sends `window` a WM_DPICHANGED for `dpi` whose suggested rectangle lies at the top left of
  // the screen and fits a client area of the given size in twips at that DPI. The rectangle lies
  // in the program's memory: the message carries a pointer that no one translates between
  // processes.
  bool SendDpiChanged(HWND window, int dpi, int width_twips, int height_twips) {
    RECT frame{0, 0, Pixels(width_twips, dpi), Pixels(height_twips, dpi)};
    AdjustWindowRectEx(&frame, GetWindowLongA(window, GWL_STYLE), FALSE,
                       GetWindowLongA(window, GWL_EXSTYLE));
    OffsetRect(&frame, -frame.left, -frame.top);
    suggested_ = frame;
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, app_.Id());
    if (process == nullptr) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof frame, MEM_COMMIT, PAGE_READWRITE);
    DWORD_PTR ignored = 0;
    const bool sent = remote != nullptr &&
                      WriteProcessMemory(process, remote, &frame, sizeof frame, nullptr) &&
                      SendMessageTimeoutA(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                                          reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                                          kUiTimeoutMs, &ignored);
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    Sleep(kSettleMs);  // painted
    return sent;
  }
  bool SendDpiChanged(int dpi) { return SendDpiChanged(main_, dpi, 6735, 5430); }
  // The window's rectangle, and the one last suggested.
  static std::string Rectangle(const RECT& r) {
    return Box(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  static std::string Rectangle(HWND window) {
    RECT now{};
    GetWindowRect(window, &now);
    return Rectangle(now);
  }
  std::string Suggested() const { return Rectangle(suggested_); }

 private:
  std::string saved_;
  RECT suggested_{};
};

TEST_P(Scale, ControlsAndPicturesAtTheDpiItStartsAt) {
  const int dpi = GetParam();
  ASSERT_NO_FATAL_FAILURE(StartAt(dpi));
  EXPECT_EQ(LaidOut(main_), DesignedLayout(dpi));
  EXPECT_EQ(PicturesNotScaled(main_, dpi), "");
  const HWND about = ClickAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(AboutLaidOut(about), DesignedAboutLayout(dpi));
  EXPECT_TRUE(app_.Close());
}

INSTANTIATE_TEST_SUITE_P(Dpi, Scale, ::testing::Values(96, 144, 192));

using DpiChange = Scale;
TEST_F(DpiChange, LaysTheWindowOutAgainForTheNewDpi) {
  ASSERT_NO_FATAL_FAILURE(StartAt(96));
  ASSERT_TRUE(SendDpiChanged(192));
  EXPECT_EQ(Rectangle(main_), Suggested());
  EXPECT_EQ(LaidOut(main_), DesignedLayout(192));
  EXPECT_EQ(PicturesNotScaled(main_, 192), "");
  ASSERT_TRUE(SendDpiChanged(96));
  EXPECT_EQ(LaidOut(main_), DesignedLayout(96));
  EXPECT_EQ(PicturesNotScaled(main_, 96), "");

  // The About window too, the main window being left at 96 dpi behind it.
  const HWND about = ClickAbout();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(SendDpiChanged(about, 144, 4575, 2880));
  EXPECT_EQ(Rectangle(about), Suggested());
  EXPECT_EQ(AboutLaidOut(about), DesignedAboutLayout(144));
  EXPECT_EQ(LaidOut(main_), DesignedLayout(96));
  EXPECT_TRUE(app_.Close());
}

// ---- The web links, under Wine only: its scratch prefix may lose the browser automation object.
// The default browser is a script that records each address it is given (test.sh names it and
// its record, as Unix paths, in KELVORO_BROWSER_RECORDER and KELVORO_BROWSER_RECORD).

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

  void TearDown() override { CloseBrowsers(); }

  // The browser windows that the scenario opened close, and their processes end with them.
  void CloseBrowsers() {
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

  void ClickAndWait(HWND label, const std::function<bool()>& opened) {
    ClickLabel(label);
    WaitFor(opened, kBrowserTimeoutMs);
  }
  void ClickAndWait(HWND label) {
    const std::size_t seen = Record().size();
    ClickAndWait(label, [&] { return Record().size() > seen; });
  }

  std::string record_;
  std::vector<HWND> before_;
};

// Through the automation object as registered, each click opens one more browser window and never
// the default browser as well. Without it the program takes its other way, the default browser,
// whose record shows each address: Wine's automation browser tells no one where it was sent.
TEST_F(Links, EachLinkOpensItsAddressOnceByEitherWay) {
  ASSERT_NE(Show(HKEY_LOCAL_MACHINE, kAutomationServerKey), "missing")
      << "no browser automation object is registered";
  ASSERT_TRUE(app_.Start(&main_));
  const HWND label13 = GetDlgItem(main_, IDC_LABEL13);
  for (std::size_t click = 1; click <= 2; ++click) {
    ClickAndWait(label13, [&] { return BrowserWindows().size() >= click; });
  }
  Sleep(kSettleMs);
  EXPECT_EQ(BrowserWindows().size(), 2u) << "browser windows after two clicks";
  EXPECT_EQ(Record(), std::vector<std::string>{}) << "the default browser was opened as well";

  CloseBrowsers();  // a running browser would serve the next click without its registration
  // 64-bit Windows registers the object in both registry views, and COM hands a program the
  // other view's server when its own has none: both go.
  for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
    ASSERT_EQ(DeleteTree(HKEY_LOCAL_MACHINE, kAutomationServerKey, view), 0) << view;
  }
  ClickAndWait(label13);
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

// ---- For the install test, which names it in its filter: the installed program applies the new
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

int main(int argc, char** argv) {
  using namespace kelvoro::e2e;
  ::testing::InitGoogleTest(&argc, argv);
  std::string& program = TheProgram();
  bool overwrite = RunningUnderWine();
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--overwrite-registry") {
      overwrite = true;
    } else if (program.empty() && argument.rfind("--", 0) != 0) {
      program = argument;
    } else {
      std::fprintf(stderr,
                   "usage: kelvoro_e2e.exe [gtest options] [--overwrite-registry] [program]\n");
      return 2;
    }
  }
  if (!overwrite) {
    std::fprintf(stderr,
                 "kelvoro_e2e: outside Wine this overwrites the Recycle Bin's icons, name and "
                 "sound; run it on a test machine with --overwrite-registry\n");
    return 2;
  }
  if (program.empty()) {
    char path[MAX_PATH] = {};
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    program = self.substr(0, self.find_last_of("\\/") + 1) + "Kelvoro 2.1.exe";
  }
  if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "kelvoro_e2e: no program at \"%s\"\n", program.c_str());
    return 2;
  }
  // The install scenario leaves what it wrote: it runs only when the filter names it.
  const std::string filter = GTEST_FLAG_GET(filter);
  if (filter.find("Install.") == std::string::npos) {
    GTEST_FLAG_SET(filter,
                   filter + (filter.find('-') == std::string::npos ? "-" : ":") + "Install.*");
  }
  std::printf("Testing \"%s\"%s\n", program.c_str(), RunningUnderWine() ? " under Wine" : "");
  std::fflush(stdout);
  const int result = RUN_ALL_TESTS();
  if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
    std::fprintf(stderr, "kelvoro_e2e: no test matches the filter\n");
    return 1;
  }
  return result;
}
