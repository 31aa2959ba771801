// The include step of the scenario files: the steps of another file run in
// place, a failure inside names where it stands and how the run got there,
// and a file that includes itself, directly or not, runs nothing twice.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "scenario/run.hpp"

namespace {

namespace fs = std::filesystem;

class ScenarioIncludeTest : public ::testing::Test {
 protected:
  fs::path dir = fs::path(::testing::TempDir()) /
                 ("scenario_include_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));

  void SetUp() override {
    fs::remove_all(dir);
    fs::create_directories(dir / "roads");
  }
  void TearDown() override { fs::remove_all(dir); }

  void Write(const std::string& name, const std::string& text) { std::ofstream(dir / name) << text; }

  // The failure lines of a run of FILE, with the paths taken from the test's folder.
  std::string Run(const std::string& file) {
    std::ostringstream out;
    passed = scenario::RunFile((dir / file).string(), out);
    std::string lines = out.str();
    const std::string prefix = dir.string() + "/";
    for (auto at = lines.find(prefix); at != std::string::npos; at = lines.find(prefix, at))
      lines.erase(at, prefix.size());
    return lines;
  }

  bool passed = false;
};

TEST_F(ScenarioIncludeTest, IncludedStepsRunInPlaceWithPathsFromTheIncludingFolder) {
  Write("roads/tov_page.scn", "# starts the program\ninclude start_window.scn\nclick Form1.Command1\ntype txtUm 420\n");
  Write("roads/start_window.scn", "start\n");
  Write("top.scn", "include roads/tov_page.scn\nclick cmdOKUm\nexpect lblRange caption \"Range II\"\n");
  EXPECT_EQ(Run("top.scn"), "");
  EXPECT_TRUE(passed);
}

TEST_F(ScenarioIncludeTest, AFailureInsideNamesTheIncludedLineThenEachIncludingLine) {
  Write("roads/a.scn", "start\nclick Form1.Command1\ninclude b.scn\n");
  Write("roads/b.scn", "# continues on the main window\nclick cmdNowhere\n");
  Write("top.scn", "# a road that fails\ninclude roads/a.scn\nexpect txtUm text \"\"\n");
  EXPECT_EQ(Run("top.scn"), "roads/b.scn:2 (included from roads/a.scn:3, from top.scn:2): no control cmdNowhere\n");
  EXPECT_FALSE(passed);
}

// A message box left unchecked at the end is reported where the run ended.
TEST_F(ScenarioIncludeTest, TheChecksOfARunsEndNameItsLastStep) {
  Write("roads/refused_um.scn", "start\nclick Form1.Command1\nclick cmdOKUm\n");
  Write("top.scn", "include roads/refused_um.scn\n");
  EXPECT_EQ(Run("top.scn"),
            "roads/refused_um.scn:3 (included from top.scn:1): message box not checked: "
            "\"Enter a valid value...\" \"Invalid Um                      \"\n");
}

TEST_F(ScenarioIncludeTest, ACycleIsAnErrorAtTheLineThatClosesIt) {
  Write("roads/a.scn", "include b.scn\nclick Form1.Command1\n");
  Write("roads/b.scn", "start\ninclude ../roads/a.scn\n");
  Write("top.scn", "include roads/a.scn\nexpect-window frmVarno shown\n");
  EXPECT_EQ(Run("top.scn"),
            "roads/b.scn:2 (included from roads/a.scn:1, from top.scn:1): include cycle: roads/a.scn is already being "
            "run\n");
  Write("self.scn", "start\ninclude self.scn\n");
  EXPECT_EQ(Run("self.scn"), "self.scn:2: include cycle: self.scn is already being run\n");
}

TEST_F(ScenarioIncludeTest, AMissingFileAnEmptyFileAndAMalformedIncludeFail) {
  Write("roads/empty.scn", "# nothing yet\n");
  Write("top.scn", "start\ninclude roads/missing.scn\ninclude\ninclude a b\ninclude roads/empty.scn\n");
  EXPECT_EQ(Run("top.scn"),
            "top.scn:2: cannot read the included file roads/missing.scn\n"
            "top.scn:3: include takes 1 word(s)\n"
            "top.scn:4: include takes 1 word(s)\n"
            "roads/empty.scn:1 (included from top.scn:5): the scenario holds no step\n");
}

// The shared roads that start the program arrive without a failure; the roads
// that continue are run by the scenarios that include them.
TEST(ScenarioRoads, EveryRoadThatStartsTheProgramRunsClean) {
  int roads = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(IC_SCENARIOS_DIR) / "roads")) {
    const scenario::Script road = scenario::Load(entry.path().string());
    if (road.steps.empty() || road.steps.front().words != std::vector<std::string>{"start"}) continue;
    std::ostringstream out;
    EXPECT_TRUE(scenario::Run(road, out)) << out.str();
    ++roads;
  }
  EXPECT_GT(roads, 0);
}

}  // namespace
