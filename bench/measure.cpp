#include "measure.h"

#include <windows.h>
// windows.h first: psapi.h needs its types.
#include <psapi.h>

#include <algorithm>
#include <string>

#include "platform/win32/unique_handle.h"

namespace kelvoro::bench {
namespace {

using kelvoro::win32::UniqueHandle;

struct KernelHandleCloser {
  void operator()(HANDLE handle) const noexcept { ::CloseHandle(handle); }
};
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleCloser>;

// Generous: the first start in a new Wine prefix can take seconds.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kCommandTimeoutMs = 10000;

constexpr char kMainWindowClass[] = "KelvoroForm1";
constexpr char kMessageBoxClass[] = "#32770";
// Button set A is shown on the 9x family, set B on the NT family; exactly one is visible.
constexpr int kApplyIds[] = {1001, 1007};
constexpr int kRestoreIds[] = {1002, 1006};

std::string ClassNameOf(HWND hwnd) {
  char name[256] = {};
  const int length = GetClassNameA(hwnd, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

std::string TextOf(HWND hwnd) {
  char text[512] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, kCommandTimeoutMs, &length)) {
    return {};
  }
  return std::string(text, std::min<DWORD_PTR>(length, sizeof text - 1));
}

struct WindowQuery {
  DWORD pid;
  const char* class_name;  // nullptr: any class
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lparam) {
  auto& query = *reinterpret_cast<WindowQuery*>(lparam);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != query.pid || !IsWindowVisible(hwnd)) return TRUE;
  if (query.class_name != nullptr && ClassNameOf(hwnd) != query.class_name) return TRUE;
  query.found = hwnd;
  return FALSE;
}

// The first visible top-level window of process `pid`, of class `class_name` when one is given.
HWND FindVisibleWindow(DWORD pid, const char* class_name = nullptr) {
  WindowQuery query = {pid, class_name, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

// Polls `done` every millisecond until it returns true (true) or `timeout_ms` has passed (false).
template <typename Done>
bool PollFor(Done done, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (!done()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(1);
  }
  return true;
}

// One running instance of a program under test. The destructor terminates it if it still runs,
// so a failed measurement leaves no process behind.
class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() {
    if (Running()) Terminate();
  }

  // Starts `exe` with its own folder as the working directory.
  void Start(const std::string& exe) {
    const auto slash = exe.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : exe.substr(0, slash);
    std::string command_line = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exe.c_str(), command_line.data(), /*lpProcessAttributes=*/nullptr,
                        /*lpThreadAttributes=*/nullptr, /*bInheritHandles=*/FALSE,
                        /*dwCreationFlags=*/0, /*lpEnvironment=*/nullptr, folder.c_str(), &startup,
                        &info)) {
      Fail("CreateProcess(\"" + exe + "\") failed with error " + std::to_string(GetLastError()));
    }
    UniqueKernelHandle thread(info.hThread);
    process_.reset(info.hProcess);
    pid_ = info.dwProcessId;
  }

  DWORD Id() const { return pid_; }
  HANDLE Handle() const { return process_.get(); }
  bool Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
  }

  // Posts WM_CLOSE to its visible top-level window and waits for the process to end. Returns
  // false when it had to be terminated.
  bool Close() {
    if (const HWND hwnd = FindVisibleWindow(pid_)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), kCloseTimeoutMs) == WAIT_OBJECT_0) return true;
    Terminate();
    return false;
  }

 private:
  void Terminate() {
    TerminateProcess(process_.get(), /*uExitCode=*/1);
    WaitForSingleObject(process_.get(), kCloseTimeoutMs);
  }

  UniqueKernelHandle process_;
  DWORD pid_ = 0;
};

// Starts `exe` and returns the milliseconds from just before CreateProcess to its first visible
// top-level window.
double TimeStartUp(const Clock& clock, const std::string& exe, ChildProcess& child) {
  const LONGLONG t0 = clock.Now();
  child.Start(exe);
  HWND window = nullptr;
  const bool shown = PollFor(
      [&] {
        window = FindVisibleWindow(child.Id());
        return window != nullptr || !child.Running();
      },
      kStartTimeoutMs);
  const LONGLONG t1 = clock.Now();
  if (!shown) {
    Fail("\"" + exe + "\" showed no window within " + std::to_string(kStartTimeoutMs) + " ms");
  }
  if (window == nullptr) Fail("\"" + exe + "\" ended before it showed a window");
  if (ClassNameOf(window) == kMessageBoxClass) {
    Fail("\"" + exe + "\" showed a message box at start-up: \"" + TextOf(window) + "\"");
  }
  return clock.Ms(t0, t1);
}

SIZE_T PeakWorkingSet(const ChildProcess& child) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(child.Handle(), &counters, sizeof counters)) {
    Fail("GetProcessMemoryInfo failed with error " + std::to_string(GetLastError()));
  }
  return counters.PeakWorkingSetSize;
}

// The visible button of the pair `ids` (one per button set) in the main window.
HWND VisibleButton(HWND main_window, const int (&ids)[2], const char* what) {
  for (int id : ids) {
    const HWND button = GetDlgItem(main_window, id);
    if (button != nullptr && IsWindowVisible(button)) return button;
  }
  Fail(std::string("no visible ") + what + " button (ids " + std::to_string(ids[0]) + ", " +
       std::to_string(ids[1]) + ")");
}

// Clicks `button` and returns the command's own time in milliseconds: click to message box, plus
// dismissal to the main window answering again.
double TimeCommand(const Clock& clock, const ChildProcess& child, HWND main_window, HWND button,
                   const char* what) {
  const LONGLONG t0 = clock.Now();
  // Posted: the handler shows a modal box, which a sent click would wait behind.
  PostMessageA(button, BM_CLICK, 0, 0);
  HWND box = nullptr;
  const bool boxed = PollFor(
      [&] {
        box = FindVisibleWindow(child.Id(), kMessageBoxClass);
        return box != nullptr || !child.Running();
      },
      kCommandTimeoutMs);
  const LONGLONG t1 = clock.Now();
  if (!boxed || box == nullptr) {
    Fail(std::string(what) + " showed no message box within " + std::to_string(kCommandTimeoutMs) +
         " ms (it shows one once it has written the icons: are the Recycle Bin's keys there?)");
  }

  const LONGLONG t2 = clock.Now();
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  // The box's own modal loop would answer WM_NULL at once, so wait until the box has gone first;
  // then the answer comes only when the rest of the command has run.
  if (!PollFor([&] { return !IsWindow(box); }, kCommandTimeoutMs)) {
    Fail(std::string("the message box of ") + what + " did not close");
  }
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutA(main_window, WM_NULL, 0, 0, SMTO_NORMAL, kCommandTimeoutMs, &ignored)) {
    Fail(std::string("the main window did not answer after ") + what);
  }
  const LONGLONG t3 = clock.Now();

  // A second box (a failure report) would have answered WM_NULL in its own modal loop.
  if (const HWND extra = FindVisibleWindow(child.Id(), kMessageBoxClass)) {
    Fail(std::string(what) + " showed a second message box: \"" + TextOf(extra) + "\"");
  }
  return clock.Ms(t0, t1) + clock.Ms(t2, t3);
}

}  // namespace

[[noreturn]] void Fail(std::string what) { throw BenchError{std::move(what)}; }

void RunOnce(const Clock& clock, const std::string& exe, Subject subject, Measurements* out) {
  ChildProcess child;
  const double startup = TimeStartUp(clock, exe, child);
  const double peak_kb = static_cast<double>(PeakWorkingSet(child)) / 1024.0;
  if (out != nullptr) {
    out->startup_ms[subject].push_back(startup);
    out->peak_kb[subject].push_back(peak_kb);
  }
  if (subject == kProgram) {
    const HWND main_window = FindVisibleWindow(child.Id(), kMainWindowClass);
    if (main_window == nullptr) Fail(std::string("no visible ") + kMainWindowClass + " window");
    const double apply = TimeCommand(clock, child, main_window,
                                     VisibleButton(main_window, kApplyIds, "Apply"), "Apply");
    const double restore = TimeCommand(clock, child, main_window,
                                       VisibleButton(main_window, kRestoreIds, "Restore Defaults"),
                                       "Restore Defaults");
    if (out != nullptr) {
      out->apply_ms.push_back(apply);
      out->restore_ms.push_back(restore);
    }
  }
  if (!child.Close() && out != nullptr) ++out->forced_closes;
}

}  // namespace kelvoro::bench
