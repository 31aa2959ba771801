// Headless timing of the two end-to-end roads, Um = 420 kV and 123 kV, as
// their scenario files walk them: from START, with every check of the file,
// to the print of the results table. Each run starts a fresh program;
// reading the files is not timed.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "scenario/front.hpp"
#include "scenario/run.hpp"

namespace {

void BM_Road(benchmark::State& state, const char* file) {
  const std::string path = std::string(IC_SCENARIOS_DIR) + "/" + file;
  if (!std::filesystem::exists(path)) {
    state.SkipWithError((std::string(file) + " is not in the scenarios yet").c_str());
    return;
  }
  const scenario::Script script = scenario::Load(path);
  scenario::Front program;
  program.audited = false;  // the program's time, not the test's
  for (auto _ : state) {
    std::ostringstream failures;
    if (!scenario::Run(script, failures, program)) {
      state.SkipWithError(failures.str().c_str());
      break;
    }
  }
}
BENCHMARK_CAPTURE(BM_Road, 420kV, "road_420kv.scn")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Road, 123kV, "road_123kv.scn")->Unit(benchmark::kMillisecond);

}  // namespace
