// kelvoro_e2e.exe [gtest options] [--overwrite-registry] ["path\to\Kelvoro 2.1.exe"]
// The program in real runs, one launch a scenario (the logic belongs to the host unit tests);
// without a path, "Kelvoro 2.1.exe" beside the driver. The scenarios overwrite the Recycle Bin's
// look and sound and the settings: outside Wine only with --overwrite-registry. Install.* runs
// only when the filter names it (it leaves what it wrote). A run in which no test runs fails.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "driver.h"

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
                 "kelvoro_e2e: outside Wine this overwrites the Recycle Bin's icons, name "
                 "and sound; run it on a test machine with --overwrite-registry\n");
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
