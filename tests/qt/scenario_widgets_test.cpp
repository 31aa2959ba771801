// The scenario steps through the real widgets: what a person cannot do there
// is refused, what the widgets cannot express fails the file and says so, and
// positions are read in pixels at the window's scale.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "scenario/run.hpp"
#include "widgets/widget_front.hpp"

namespace {

namespace fs = std::filesystem;

// The failure lines of a run through FRONT, the file's path left out: the run
// starts, passes the start window, and takes STEPS from the file's line 3 on.
std::string FailuresOnTheMainWindow(std::string_view steps, scenario::Front&& front = scenario::WidgetFront()) {
  const fs::path file = fs::path(::testing::TempDir()) / "through_widgets.scn";
  std::ofstream(file) << "start\nclick Form1.Command1\n" << steps;
  std::ostringstream out;
  scenario::RunFile(file.string(), out, front);
  std::string lines = out.str();
  const std::string prefix = file.string();
  for (auto at = lines.find(prefix); at != std::string::npos; at = lines.find(prefix, at))
    lines.erase(at, prefix.size());
  return lines;
}

TEST(ScenarioThroughWidgets, StepsTheWidgetsCannotExpressFailTheFile) {
  EXPECT_EQ(FailuresOnTheMainWindow("key txtUm 65\ntype txtUm \"1\xc3\"\n"),
            ":3: not expressible through the widgets: key 65: a key that types nothing in a box is Enter (13)\n"
            ":4: not expressible through the widgets: no key types bytes that are no character\n");
}

// Both fronts refuse alike what a person cannot do: rest the pointer on a
// control not shown or click it (so that no help is checked that nobody
// sees), type a key that types no text, or set a box not shown.
TEST(ScenarioThroughWidgets, WhatAPersonCannotReachOrTypeIsRefusedHeadlessToo) {
  const std::pair<const char*, const char*> cases[] = {
      {"hover lblRange\ntype txtUm 420\nclick cmdOKUm\nclick txtUm\n",
       ":3: cannot hover over lblRange: it is not shown\n"
       ":6: cannot click txtUm: it is not shown\n"},
      {"type txtUm \"\t\x01\"\ntype txtUm 420\nclick cmdOKUm\nset txtUm 1\n",
       ":3: cannot type into txtUm: the text holds the control character 9, which no key types into a box\n"
       ":6: cannot set txtUm: it is not shown\n"},
  };
  for (const auto& [steps, refused] : cases) {
    EXPECT_EQ(FailuresOnTheMainWindow(steps), refused);
    EXPECT_EQ(FailuresOnTheMainWindow(steps, scenario::Front()), refused);
  }
}

TEST(ScenarioThroughWidgets, PositionsAreReadInPixelsAtTheWindowsScale) {
  const std::string lines = FailuresOnTheMainWindow("expect cmdOKUm left 7800\nexpect cmdOKUm left 7830\n");
  // The window is shrunk to fit the small offscreen screen: 7800 and 7830 twips are pixels apart.
  EXPECT_EQ(lines.rfind(":4: cmdOKUm left is ", 0), 0u) << lines;
  EXPECT_NE(lines.find(" twips at the scale 0."), std::string::npos) << lines;
}

}  // namespace
