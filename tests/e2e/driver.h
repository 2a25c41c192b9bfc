#pragma once

// What the scenarios share: starting and ending the program, finding its windows and message
// boxes, reading and writing the registry, the registry of a first run, and the Scenario fixture
// with the Windows families it runs under. Plain Win32, so that the driver runs on Windows as
// under Wine.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: oleacc.h needs its types.
#include <oleacc.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kelvoro::e2e {

constexpr DWORD kUiTimeoutMs = 10000;
constexpr DWORD kSettleMs = 1500;  // time that a second, unwanted effect gets to show itself

struct MessageBoxInfo {
  HWND hwnd;
  std::string text;  // "title: message"
};

std::wstring Widen(const std::string& text);
std::wstring WideTextOf(HWND window);
std::string Utf8(const std::wstring& text);

// The program under test, as main() found it.
std::string& TheProgram();

bool RunningUnderWine();

bool WaitFor(const std::function<bool()>& done, DWORD timeout_ms = kUiTimeoutMs);

std::string TextOf(HWND window);

// The visible top-level windows of a class, of process `pid` or (0) of any.
std::vector<HWND> VisibleWindows(DWORD pid, const char* window_class);

// The first visible message box of the process, after waiting up to `wait_ms` for one.
std::optional<MessageBoxInfo> FindMessageBox(DWORD pid, DWORD wait_ms = 0);

// Presses OK, posted, and waits until the box has gone.
bool DismissMessageBox(HWND box);

// One run of the program; ended by force on destruction if it still runs.
class AppProcess {
 public:
  AppProcess() = default;
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;
  ~AppProcess();

  // Starts the program (`exe`, else the one under test) and waits for its visible main window.
  ::testing::AssertionResult Start(HWND* main, std::wstring exe = Widen(TheProgram()));
  // Posts WM_CLOSE to each of its windows and waits for the end.
  bool Close();
  bool Running() const;
  DWORD Id() const { return pid_; }
  DWORD ExitCode() const;

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Posted: the handler may show a modal box.
void ClickButton(HWND button);
// A click of the mouse on a label, posted.
void ClickLabel(HWND label);
// A key pressed and let go on `window`, posted, as the keyboard sends it to the focus.
void PressKey(HWND window, WORD key);
// The control that has the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);
// The pixels that `window` shows on the screen, row by row from the top, as 0xRRGGBB.
std::vector<DWORD> PixelsOf(HWND window);
// Hands `use` the accessible object of the control's client area, reached from this process as a
// screen reader reaches it, and the child that stands for the control itself; false without one.
bool WithAccessible(HWND control, const std::function<void(IAccessible&, VARIANT)>& use);

// ---- The registry, read and written through the ANSI entry points, as the program does. Reads
// see the view that 64-bit Explorer reads, also from a 32-bit driver on 64-bit Windows (32-bit
// Windows has one view and ignores the flag).

std::string Text(DWORD type, const std::string& text);

std::string Dword(DWORD number);

// "REG_SZ \"text\"" for a text with one terminating zero, "REG_DWORD 1", "missing", or the bytes.
std::string Show(HKEY root, const std::string& path, const char* name = "");

// Creates the key when missing; a text is written with its terminating zero.
LONG WriteValue(HKEY root, const std::string& path, const char* name, DWORD type,
                const std::string& text);

// The wide text of a REG_SZ value with one terminating zero; "missing", or "not a text".
std::wstring ShowWide(HKEY root, const std::string& path, const wchar_t* name);

// Deletes the key at `path` with all below it, in the registry view `view` (0: the driver's own).
LONG DeleteTree(HKEY root, const std::string& path, REGSAM view = 0);

// ---- What the program wrote

// The "Empty Recycle Bin" sound as it is now, and as Apply with the box ticked makes it.
std::string CurrentSound();
std::string ReplacementSound(DWORD type);

struct Family;
// The Recycle Bin's name and icons (default, Empty, Full) in the family's place, and as expected.
std::string Appearance(const Family& family);
std::string Appearance(const std::string& name, const std::string& empty, const std::string& full);

// The name this display language's Windows gives the Recycle Bin.
std::wstring SystemBinName();

// ---- The scenarios

struct Family {
  const char* version;  // as Wine's AppDefaults take it
  const char* buttons;  // the visible Command buttons
  int apply, restore;
  HKEY root;  // where the family keeps the Recycle Bin's name and icons; none for Win32s
  const char* class_key;
  DWORD sound_type;  // of the replacement sound
};
extern const Family kWin10, kWin98, kWin31;
void PrintTo(const Family& family, std::ostream* out);

class Scenario : public ::testing::Test {
 protected:
  void Prepare(const char* version);
  void Start(const char* version = "win10");

  std::string Check1();
  void ClickCheck1(const char* until);

  // Clicks the button and runs its command to the end: the click is sent from a thread of its
  // own, whose return marks the end of the handler; meanwhile each message box is handed to
  // `on_box` and dismissed. Returns the boxes' texts, a line each.
  std::string Run(
      int id, const std::function<void()>& on_box = [] {});

  // Clicks About (its handler shows the window modeless and returns, so the click may be sent)
  // and returns the one visible About window.
  HWND ClickAbout();

  AppProcess app_;
  HWND main_ = nullptr;
};

// A scenario whose program starts at a display scale of its own, under Wine, where the scale is
// LogPixels at the program's start; the value is put back afterwards. The driver sees the
// program's windows in real pixels, whatever its own scale.
class ScaledScenario : public Scenario {
 protected:
  void SetUp() override;
  void TearDown() override;
  static void SetLogPixels(DWORD dpi);
  void StartAt(int dpi);

 private:
  std::string saved_;
};

}  // namespace kelvoro::e2e
