// scenario-runner FILE...: runs each scenario file against a fresh headless
// program and prints one line per failed step, then "N passed, N failed".

#include <iostream>

#include "scenario/run.hpp"

int main(int argc, char** argv) {
  int passed = 0;
  int failed = 0;
  for (int i = 1; i < argc; ++i) (scenario::RunFile(argv[i], std::cout) ? passed : failed) += 1;
  std::cout << passed << " passed, " << failed << " failed\n";
  return failed == 0 && passed > 0 ? 0 : 1;
}
