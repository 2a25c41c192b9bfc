// kelvoro_bench.exe: measures "Kelvoro 2.1.exe" against bare_window.exe, the least a Win32 window
// costs, and prints a Markdown table of the figures with the targets they are held to.
//
//   kelvoro_bench.exe <Kelvoro 2.1.exe> <bare_window.exe> [runs] [bare_window_cc.exe]
//   (runs: 10 or more, default 10; bare_window_cc.exe, the same window initialising the common
//   controls under the program's manifest, is measured for context when given)
//
// Each round starts both programs one after the other and times each from just before
// CreateProcess to the first visible top-level window of the new process, then reads the peak
// working set. In the same round, with the program's window up, it times one Apply and one
// Restore Defaults: from the posted click to the message box, plus from the dismissal of the box
// to the moment the main window answers again, so the time the box waits for a user is left out.
// A warm-up round of each program comes first and is not counted.
//
// Apply and Restore Defaults write to the current user's registry (and, on the 9x family, the
// machine's): run it in a throw-away Wine prefix or on a test account. Restore Defaults is the
// last command of every round, so the stock look is what remains.

#include <windows.h>
// windows.h first: psapi.h and mmsystem.h need its types.
#include <mmsystem.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace {

using kelvoro::win32::UniqueHandle;

struct KernelHandleCloser {
  void operator()(HANDLE handle) const noexcept { ::CloseHandle(handle); }
};
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleCloser>;

constexpr int kDefaultRuns = 10;
constexpr int kMinimumRuns = 10;
// Generous: the first start in a new Wine prefix can take seconds.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kCommandTimeoutMs = 10000;
constexpr DWORD kCloseTimeoutMs = 10000;

constexpr char kMainWindowClass[] = "KelvoroForm1";
constexpr char kMessageBoxClass[] = "#32770";
// Button set A is shown on the 9x family, set B on the NT family; exactly one is visible.
constexpr int kApplyIds[] = {1001, 1007};
constexpr int kRestoreIds[] = {1002, 1006};

constexpr double kStartupTarget = 1.15;             // times the bare window's start-up
constexpr double kWorkingSetTarget = 1.20;          // times the bare window's peak working set
constexpr long long kSizeTargetBytes = 400 * 1024;  // the program's executable, strictly below

// Thrown for anything that makes a measurement impossible; main() prints it and gives up.
struct BenchError {
  std::string what;
};

[[noreturn]] void Fail(std::string what) { throw BenchError{std::move(what)}; }

// Asks for 1 ms timer resolution for as long as it lives, so that Sleep(1) polls sleep about 1 ms
// on Windows too, not a whole scheduler tick.
class TimerResolution {
 public:
  TimerResolution() : ok_(timeBeginPeriod(1) == TIMERR_NOERROR) {}
  ~TimerResolution() {
    if (ok_) timeEndPeriod(1);
  }
  TimerResolution(const TimerResolution&) = delete;
  TimerResolution& operator=(const TimerResolution&) = delete;

 private:
  bool ok_;
};

class Clock {
 public:
  Clock() { QueryPerformanceFrequency(&frequency_); }
  LONGLONG Now() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
  }
  double Ms(LONGLONG from, LONGLONG to) const {
    return static_cast<double>(to - from) * 1000.0 / static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_;
};

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

struct Summary {
  double median;
  double min;
  double max;
};

Summary Summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {median, values.front(), values.back()};
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
    Fail("cannot read the size of \"" + path + "\" (error " + std::to_string(GetLastError()) + ")");
  }
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string Platform() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  using WineVersion = const char*(CDECL*)();
  const auto wine_version = ntdll ? reinterpret_cast<WineVersion>(reinterpret_cast<void*>(
                                        GetProcAddress(ntdll, "wine_get_version")))
                                  : nullptr;
  if (wine_version != nullptr) return std::string("Wine ") + wine_version();
  return "Windows";
}

std::string Format(const char* format, double a, double b = 0, double c = 0) {
  char text[128];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

std::string Cell(const Summary& s, const char* unit) {
  return Format("%.1f (%.1f-%.1f) ", s.median, s.min, s.max) + unit;
}

const char* Verdict(bool met) { return met ? "met" : "NOT met"; }

// The programs of one round, in the order they are started.
enum Subject { kProgram = 0, kBare = 1, kBareWithCommonControls = 2, kSubjects = 3 };

struct Measurements {
  std::vector<double> startup_ms[kSubjects];
  std::vector<double> peak_kb[kSubjects];
  std::vector<double> apply_ms;
  std::vector<double> restore_ms;
  int forced_closes = 0;
};

// One start of `exe`: start-up time and peak working set, and for the program its two commands.
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

void PrintTable(const Measurements& m, const std::string& program, const std::string& bare,
                bool with_common_controls, int runs) {
  const Summary startup[2] = {Summarise(m.startup_ms[0]), Summarise(m.startup_ms[1])};
  const Summary peak[2] = {Summarise(m.peak_kb[0]), Summarise(m.peak_kb[1])};
  const Summary apply = Summarise(m.apply_ms);
  const Summary restore = Summarise(m.restore_ms);
  const long long size[2] = {FileSize(program), FileSize(bare)};
  const double startup_ratio = startup[0].median / startup[1].median;
  const double peak_ratio = peak[0].median / peak[1].median;

  std::printf("## Kelvoro 2.1 against a bare Win32 window\n\n");
  std::printf(
      "%s; %d rounds of each program, in rotating order, after one uncounted warm-up of each.\n",
      Platform().c_str(), runs);
  std::printf("Figures: median (min-max).\n\n");
  std::printf("| Measure | Kelvoro 2.1 | bare window | Kelvoro / bare | Target | Result |\n");
  std::printf("|---|---|---|---|---|---|\n");
  std::printf("| Start-up to visible window | %s | %s | %.2fx | <= %.2fx bare | %s |\n",
              Cell(startup[0], "ms").c_str(), Cell(startup[1], "ms").c_str(), startup_ratio,
              kStartupTarget, Verdict(startup_ratio <= kStartupTarget));
  std::printf("| Peak working set | %s | %s | %.2fx | <= %.2fx bare | %s |\n",
              Cell(peak[0], "KB").c_str(), Cell(peak[1], "KB").c_str(), peak_ratio,
              kWorkingSetTarget, Verdict(peak_ratio <= kWorkingSetTarget));
  std::printf(
      "| Executable size | %lld bytes (%.1f KB) | %lld bytes (%.1f KB) | %.2fx | < %lld KB | %s "
      "|\n",
      size[0], size[0] / 1024.0, size[1], size[1] / 1024.0,
      static_cast<double>(size[0]) / static_cast<double>(size[1]), kSizeTargetBytes / 1024,
      Verdict(size[0] < kSizeTargetBytes));
  std::printf("| Apply (without the wait for the user) | %s | - | - | - | - |\n",
              Cell(apply, "ms").c_str());
  std::printf("| Restore Defaults (without the wait for the user) | %s | - | - | - | - |\n",
              Cell(restore, "ms").c_str());
  if (with_common_controls) {
    // Context, not a target: the floor for a window that initialises the common controls, as
    // the program must, with the same manifest.
    const Summary floor_startup = Summarise(m.startup_ms[kBareWithCommonControls]);
    const Summary floor_peak = Summarise(m.peak_kb[kBareWithCommonControls]);
    std::printf(
        "| Start-up, bare window with common controls | %s | %s | %.2fx | (context) | - |\n",
        Cell(startup[0], "ms").c_str(), Cell(floor_startup, "ms").c_str(),
        startup[0].median / floor_startup.median);
    std::printf(
        "| Peak working set, bare window with common controls | %s | %s | %.2fx | (context) | - "
        "|\n",
        Cell(peak[0], "KB").c_str(), Cell(floor_peak, "KB").c_str(),
        peak[0].median / floor_peak.median);
  }
  std::printf(
      "\nKB = 1024 bytes. Peak working set is read once the window is visible, before "
      "the commands run.\n");
  if (m.forced_closes > 0) {
    std::printf("Note: %d instance(s) did not close within %lu ms and were terminated.\n",
                m.forced_closes, static_cast<unsigned long>(kCloseTimeoutMs));
  }
}

int Usage() {
  std::fprintf(stderr,
               "usage: kelvoro_bench <Kelvoro 2.1.exe> <bare_window.exe> [runs, at least %d; "
               "default %d] [bare_window_cc.exe]\n",
               kMinimumRuns, kDefaultRuns);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5) return Usage();
  const std::string program = argv[1];
  const std::string bare = argv[2];
  const std::string bare_cc = argc == 5 ? argv[4] : std::string();
  int runs = kDefaultRuns;
  if (argc >= 4) {
    char* end = nullptr;
    runs = static_cast<int>(std::strtol(argv[3], &end, 10));
    if (*end != '\0' || runs < kMinimumRuns) return Usage();
  }

  const TimerResolution timer_resolution;
  const Clock clock;
  Measurements m;
  try {
    RunOnce(clock, program, kProgram, /*out=*/nullptr);
    RunOnce(clock, bare, kBare, /*out=*/nullptr);
    if (!bare_cc.empty()) RunOnce(clock, bare_cc, kBareWithCommonControls, /*out=*/nullptr);
    // Each round starts with another program, so that none always follows the same one and
    // pays for its predecessor's clean-up.
    const int subjects = bare_cc.empty() ? 2 : 3;
    const std::string* exes[kSubjects] = {&program, &bare, &bare_cc};
    for (int round = 0; round < runs; ++round) {
      for (int i = 0; i < subjects; ++i) {
        const auto subject = static_cast<Subject>((round + i) % subjects);
        RunOnce(clock, *exes[subject], subject, &m);
      }
    }
    PrintTable(m, program, bare, !bare_cc.empty(), runs);
  } catch (const BenchError& e) {
    std::fprintf(stderr, "kelvoro_bench: %s\n", e.what.c_str());
    return 1;
  }
  return 0;
}
