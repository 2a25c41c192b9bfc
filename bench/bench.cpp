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
//
// measure.cpp takes the measurements, report.cpp prints the table.

#include <windows.h>
// windows.h first: mmsystem.h needs its types.
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "measure.h"
#include "report.h"

namespace kelvoro::bench {
namespace {

constexpr int kDefaultRuns = 10;
constexpr int kMinimumRuns = 10;

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

int Usage() {
  std::fprintf(stderr,
               "usage: kelvoro_bench <Kelvoro 2.1.exe> <bare_window.exe> [runs, at least %d; "
               "default %d] [bare_window_cc.exe]\n",
               kMinimumRuns, kDefaultRuns);
  return 2;
}

int Run(int argc, char** argv) {
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

}  // namespace
}  // namespace kelvoro::bench

int main(int argc, char** argv) { return kelvoro::bench::Run(argc, argv); }
