#include "report.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace kelvoro::bench {
namespace {

constexpr double kStartupTarget = 1.15;             // times the bare window's start-up
constexpr double kWorkingSetTarget = 1.20;          // times the bare window's peak working set
constexpr long long kSizeTargetBytes = 400 * 1024;  // the program's executable, strictly below

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

}  // namespace

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

}  // namespace kelvoro::bench
