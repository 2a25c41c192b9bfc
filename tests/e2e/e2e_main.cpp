// kelvoro_e2e.exe [gtest options] ["path\to\Kelvoro 2.1.exe"]
// Without a path it tests "Kelvoro 2.1.exe" in its own folder.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e_support.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 2) {
    std::fprintf(stderr, "usage: kelvoro_e2e.exe [gtest options] [program path]\n");
    return 2;
  }
  if (argc == 2) kelvoro::e2e::SetProgramPath(argv[1]);

  const std::string& program = kelvoro::e2e::ProgramPath();
  if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "kelvoro_e2e: no program at \"%s\"\n", program.c_str());
    return 2;
  }
  std::printf("Testing \"%s\"%s\n", program.c_str(),
              kelvoro::e2e::RunningUnderWine() ? " under Wine" : "");
  std::fflush(stdout);
  return RUN_ALL_TESTS();
}
