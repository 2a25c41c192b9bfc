// The measurements of kelvoro_bench.exe: starts a program under test, times its start-up and, for
// the program, its two commands, and reads its peak working set.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kelvoro::bench {

// How long a program under test has to close before it is terminated.
constexpr DWORD kCloseTimeoutMs = 10000;

// Thrown for anything that makes a measurement impossible; main() prints it and gives up.
struct BenchError {
  std::string what;
};

[[noreturn]] void Fail(std::string what);

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
void RunOnce(const Clock& clock, const std::string& exe, Subject subject, Measurements* out);

}  // namespace kelvoro::bench
