// A scenario replayed as the road of a test of its own: a check of a strip's
// page flags that does not hold is reported without failing the road, while
// every other failure fails it as it fails the scenario.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "scenario/run.hpp"

namespace {

namespace fs = std::filesystem;

struct Replayed {
  bool asScenario = false, asRoad = false;
  std::string lines;  // what the road reported
};

Replayed Replay(const std::string& steps) {
  const fs::path file = fs::path(::testing::TempDir()) / "scenario_road.scn";
  std::ofstream(file) << steps;
  std::ostringstream scenarioLines, roadLines;
  Replayed r{scenario::RunFile(file.string(), scenarioLines), scenario::RunRoad(file.string(), roadLines),
             roadLines.str()};
  EXPECT_EQ(r.lines, scenarioLines.str()) << "a road reports what the scenario reports";
  return r;
}

const std::string kFirstPage = "start\nclick Form1.Command1\ntype txtUm 420\nclick cmdOKUm\n";

TEST(ScenarioAsRoad, AStripsPageFlagsThatDoNotHoldLeaveTheRoadWalked) {
  // Flags no strip shows, whatever its length.
  const Replayed r = Replay(kFirstPage + "expect tabGeneral pages none\nexpect tabGeneral tab 0\n");
  EXPECT_FALSE(r.asScenario);
  EXPECT_TRUE(r.asRoad);
  EXPECT_NE(r.lines.find(":5: tabGeneral pages is \"1"), std::string::npos) << r.lines;
}

TEST(ScenarioAsRoad, AnyOtherFailureFailsTheRoad) {
  const std::string others[] = {
      "expect tabGeneral tab 1\n",      // another check of the strip
      "click cmdNowhere\n",             // an action
      "expect tabGeneral pages 1 1\n",  // a check written wrong
      // a message box never checked, at the end of a later run
      "expect tabGeneral pages none\nstart\nclick Form1.Command1\nclick cmdOKUm\n",
  };
  for (const std::string& after : others) {
    const Replayed r = Replay(kFirstPage + after);
    EXPECT_FALSE(r.asScenario) << after;
    EXPECT_FALSE(r.asRoad) << after << r.lines;
  }
}

}  // namespace
