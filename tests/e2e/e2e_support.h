// Helpers for the end-to-end tests: they start "Kelvoro 2.1.exe" as a separate process, find and
// drive its windows and message boxes from outside, and read and reset the registry it writes.
// Everything here is plain Win32, so the driver runs unchanged on Windows and under Wine.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvoro::e2e {

// Generous: the first program start in a new Wine prefix can take many seconds.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kCloseTimeoutMs = 10000;
constexpr DWORD kUiTimeoutMs = 10000;
constexpr DWORD kPollMs = 50;

// Where the program under test lives; set once by main() from the command line or, by default,
// "Kelvoro 2.1.exe" in the driver's own folder.
void SetProgramPath(std::string path);
const std::string& ProgramPath();
std::string ModuleFolder();

// True when the driver runs under Wine (ntdll exports wine_get_version).
bool RunningUnderWine();

// Calls `done` every `poll_ms` until it returns true or `timeout_ms` has passed; returns its last
// answer.
bool WaitFor(const std::function<bool()>& done, DWORD timeout_ms, DWORD poll_ms = kPollMs);

std::string ClassNameOf(HWND hwnd);
std::string TextOf(HWND hwnd);

// The top-level windows that belong to process `pid`, in Z order.
std::vector<HWND> TopLevelWindowsOf(DWORD pid);
// The first top-level window of `pid` with class `class_name` (and title `title` when given), or
// nullptr. Hidden windows count: callers that need a visible one test IsWindowVisible.
HWND FindWindowOfProcess(DWORD pid, const char* class_name, const char* title = nullptr);

// A standard message box ("#32770") as the user sees it.
struct MessageBoxInfo {
  HWND hwnd = nullptr;
  std::string title;
  std::string text;
};
// The first visible message box of `pid`, if one is open.
std::optional<MessageBoxInfo> FindMessageBox(DWORD pid);
// Reads the title and the message text (the static control 0xFFFF, else the longest static text).
MessageBoxInfo ReadMessageBox(HWND box);
// Presses OK (posted, so a modal loop in the program is never entered from here) and waits until
// the box has gone. Returns false when it is still there after `timeout_ms`.
bool DismissMessageBox(HWND box, DWORD timeout_ms = kUiTimeoutMs);

// Owns one running instance of the program. The destructor terminates it if it still runs, so a
// failed test never leaves a process behind for the next one.
class AppProcess {
 public:
  AppProcess() = default;
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;
  ~AppProcess();

  // Starts `exe` with its own folder as the working directory. On failure returns false and puts
  // the reason into `error`.
  bool Start(const std::string& exe, std::string* error);
  // Waits until the main window ("KelvoroForm1") is visible and returns it. Returns nullptr on
  // timeout or when the process ends first; `why` then says what was seen instead (an exit code
  // or an open message box).
  HWND WaitForMainWindow(std::string* why, DWORD timeout_ms = kStartTimeoutMs);
  // Asks every visible top-level window to close (posted WM_CLOSE) and waits for the process to
  // end. Returns true when it ended by itself; on timeout terminates it and returns false.
  bool Close(DWORD timeout_ms = kCloseTimeoutMs);

  bool Running() const;
  DWORD Id() const { return pid_; }
  DWORD ExitCode() const;

 private:
  void Terminate();

  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Clicks a button the way a user does, without waiting for the handler: the handler may show a
// modal box, which SendMessage would wait behind.
void ClickButton(HWND button);
// BM_GETCHECK of a check box, or -1 when the control does not answer.
int CheckStateOf(HWND check_box);

// One registry value as read back, with enough detail to print in a failure message.
struct RegValue {
  LONG status = ERROR_FILE_NOT_FOUND;  // of the open, or of the query when the open succeeded
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> data;

  bool Found() const { return status == ERROR_SUCCESS; }
  // The data as a 32-bit number when it is exactly 4 bytes.
  std::optional<DWORD> AsDword() const;
  // The data as text without its terminating zero.
  std::string AsString() const;
  // For failure messages, e.g. "REG_DWORD 0x00000000 (0)" or "missing (status 2)".
  std::string Describe() const;
};
std::string RegTypeName(DWORD type);

RegValue ReadRegValue(HKEY root, const std::string& path, const char* name);
bool RegKeyExists(HKEY root, const std::string& path);
// The writers create the key when it is missing and store a text with its terminating zero.
LONG WriteRegDword(HKEY root, const std::string& path, const char* name, DWORD value);
LONG WriteRegString(HKEY root, const std::string& path, const char* name, DWORD type,
                    const std::string& text);
// Deletes the key and everything below it; a missing key is not an error.
LONG DeleteRegTree(HKEY root, const std::string& path);

// The registry places the program reads and writes.
extern const char kMakerKey[];     // HKCU, top level of the program's own settings
extern const char kSettingsKey[];  // HKCU, holds Voicestat
extern const char kVoicestat[];
extern const char kUserRecycleBinKey[];     // HKCU, per-user class override (NT family)
extern const char kMachineRecycleBinKey[];  // HKLM, class registration (9x family)
extern const char kCurrentSoundKey[];       // HKCU
extern const char kDefaultSoundKey[];       // HKCU
extern const char kStockEmptyIcon[];
extern const char kStockFullIcon[];
extern const char kStockName[];
extern const char kStockSound[];

// Writes back what a stock Windows installation holds: the Recycle Bin's name and icons in both
// places and the "Empty Recycle Bin" sound scheme. Returns the first failing status, or 0.
LONG SeedStockRegistry();
// Removes the program's settings, as before a first run on an account.
LONG DeleteSettings();

// Under Wine: makes the program see the Windows version `version` ("win10", "win98", "win31")
// through HKCU\Software\Wine\AppDefaults\Kelvoro 2.1.exe. Does nothing elsewhere.
LONG SetWineVersionForProgram(const char* version);

// The registry as before a first run on an account (no settings, the stock values in place), with
// the program seeing the Windows version `wine_version` under Wine.
::testing::AssertionResult PrepareFirstRun(const char* wine_version);
// Starts the program and waits for its visible main window, handed back in `main`.
::testing::AssertionResult StartProgram(AppProcess& app, HWND* main);
// A check box state as a word, for comparisons whose failure message should read well.
std::string CheckName(int state);

}  // namespace kelvoro::e2e
