// A scenario replayed as the road of a test of its own: a check of a strip's
// page flags that does not hold is reported without failing the road; any
// other failure fails it, as it fails the scenario.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "scenario/run.hpp"

TEST(ScenarioAsRoad, OnlyAStripsPageFlagsLeaveTheRoadWalked) {
  const std::string file = (std::filesystem::path(::testing::TempDir()) / "scenario_road.scn").string();
  const std::string road = "start\nclick Form1.Command1\ntype txtUm 420\nclick cmdOKUm\n";
  for (const std::string after : {"expect tabGeneral pages none\n", "expect tabGeneral tab 1\n", "click cmdNowhere\n"}) {
    std::ofstream(file) << road << after;
    std::ostringstream lines;
    EXPECT_EQ(scenario::RunRoad(file, lines), after.find("pages") != std::string::npos) << after << lines.str();
    EXPECT_FALSE(lines.str().empty()) << "a road reports what fails";
  }
}
