// kelvoro_e2e.exe [gtest options] [--keep-registry] ["path\to\Kelvoro 2.1.exe"]
// Without a path it tests "Kelvoro 2.1.exe" in its own folder. Every registry tree that a scenario
// touches is saved before the first scenario and restored after the last, so that a run on a real
// Windows leaves the user's Recycle Bin and sounds as they were. --keep-registry skips both and
// leaves what the scenarios wrote; the Install scenarios run only then. A run in which no test
// runs fails.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "e2e_support.h"

int main(int argc, char** argv) {
  using namespace kelvoro::e2e;
  ::testing::InitGoogleTest(&argc, argv);
  Options& options = TheOptions();
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--keep-registry") {
      options.keep_registry = true;
    } else if (options.program.empty() && argument.rfind("--", 0) != 0) {
      options.program = argument;
    } else {
      std::fprintf(stderr, "usage: kelvoro_e2e.exe [gtest options] [--keep-registry] [program]\n");
      return 2;
    }
  }
  if (options.program.empty()) {
    char path[MAX_PATH] = {};
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    options.program = self.substr(0, self.find_last_of("\\/") + 1) + "Kelvoro 2.1.exe";
  }
  if (GetFileAttributesA(options.program.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "kelvoro_e2e: no program at \"%s\"\n", options.program.c_str());
    return 2;
  }
  if (options.keep_registry) {
    std::printf("--keep-registry: what the scenarios write stays in the registry\n");
  } else {
    const std::string filter = GTEST_FLAG_GET(filter);
    GTEST_FLAG_SET(filter,
                   filter + (filter.find('-') == std::string::npos ? "-" : ":") + "Install.*");
    ::testing::AddGlobalTestEnvironment(NewRegistryBackup());
  }
  std::printf("Testing \"%s\"%s\n", options.program.c_str(),
              RunningUnderWine() ? " under Wine" : "");
  std::fflush(stdout);
  const int result = RUN_ALL_TESTS();
  if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
    std::fprintf(stderr, "kelvoro_e2e: no test matches the filter%s\n",
                 options.keep_registry ? "" : " (Install.* runs only with --keep-registry)");
    return 1;
  }
  return result;
}
