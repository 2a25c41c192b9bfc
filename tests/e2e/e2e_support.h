// Helpers of the end-to-end scenarios: the program runs as a process of its own, its windows and
// message boxes are driven from outside, and the registry it writes is read, saved and put back.
// Plain Win32, so the driver runs unchanged on Windows and under Wine.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kelvoro::e2e {

constexpr DWORD kUiTimeoutMs = 10000;
constexpr DWORD kSettleMs = 1500;  // time that a second, unwanted effect gets to show itself

struct Options {
  std::string program;         // "path\to\Kelvoro 2.1.exe"
  bool keep_registry = false;  // no backup, no restore: what the scenarios write stays
};
Options& TheOptions();  // set by main()

bool RunningUnderWine();
bool WaitFor(const std::function<bool()>& done, DWORD timeout_ms = kUiTimeoutMs);
std::string TextOf(HWND window);
// The visible top-level windows of a class, of process `pid` or (0) of any.
std::vector<HWND> VisibleWindows(DWORD pid, const char* window_class);

struct MessageBoxInfo {
  HWND hwnd;
  std::string text;  // "title: message"
};
// The first visible message box of the process, after waiting up to `wait_ms` for one.
std::optional<MessageBoxInfo> FindMessageBox(DWORD pid, DWORD wait_ms = 0);
bool DismissMessageBox(HWND box);  // presses OK, posted, and waits until the box has gone

// One run of the program; ended by force on destruction if it still runs.
class AppProcess {
 public:
  AppProcess() = default;
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;
  ~AppProcess();
  ::testing::AssertionResult Start(HWND* main);  // and waits for the visible main window
  bool Close();  // posts WM_CLOSE to each of its windows and waits for the end
  bool Running() const;
  DWORD Id() const { return pid_; }
  DWORD ExitCode() const;

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

void ClickButton(HWND button);  // posted: the handler may show a modal box

// ---- The registry, read through the wide entry points as stored, written through the ANSI ones
// as the program writes.

struct RegValue {
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> data;
  bool operator==(const RegValue& other) const { return type == other.type && data == other.data; }
};
// "REG_SZ \"text\"" for a text with one terminating zero, "REG_DWORD 1", "missing", or the bytes.
std::string Show(HKEY root, const std::string& path, const char* name = "");
std::string Text(DWORD type, const std::string& text);  // as Show() prints a text
std::string Dword(DWORD number);                        // as Show() prints a number
// Creates the key when missing; a text is written with its terminating zero.
LONG WriteValue(HKEY root, const std::string& path, const char* name, DWORD type,
                const std::string& text);
LONG DeleteTree(HKEY root, const std::string& path);

// Every key at or below some places with its values: "HKCU\path" -> value name -> value.
using Snapshot = std::map<std::string, std::map<std::string, RegValue>>;
struct Place {
  HKEY root;
  std::string path;
};
// Leaves out every key whose path ends in `except`, with all below it.
LONG TakeSnapshot(const Place& place, Snapshot* out, const std::string& except = "\n");
// Makes the tree at `place` hold what `saved` holds of it; equal keys and values stay untouched.
LONG RestoreSnapshot(const Place& place, const Snapshot& saved);
// One line a difference: "+ key", "- key", "+ key [name] = value", "~ key [name]: old -> new".
std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after);

extern const char kSettingsKey[];          // HKCU, holds Voicestat
extern const char kUserBinKey[];           // HKCU, the Recycle Bin's class (NT family)
extern const char kMachineBinKey[];        // HKLM, the Recycle Bin's class (9x family)
extern const char kCurrentSoundKey[];      // HKCU
extern const char kAutomationServerKey[];  // HKLM, the browser automation object's server

// Saves every tree that the scenarios or the program write, then imports the stock values of
// scripts/stock-windows.reg (built into the driver); after the last scenario restores every tree.
::testing::Environment* NewRegistryBackup();
// The registry of a first run, the program seeing the Windows version `wine_version` under Wine:
// the stock values, no settings, nothing left by an earlier scenario.
::testing::AssertionResult PrepareFirstRun(const char* wine_version);

}  // namespace kelvoro::e2e
