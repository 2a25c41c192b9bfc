// The unit tests' entry point. RapidCheck's properties start from a fixed seed, so that every run
// checks the same cases; RC_PARAMS in the environment overrides it. RapidCheck prints the seed it
// uses, and a failing property prints the RC_PARAMS that reproduce it.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  setenv("RC_PARAMS", "seed=2101", 0 /* keep the caller's */);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
