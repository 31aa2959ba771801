#pragma once
// The whole headless program, started and past "START", with helpers to
// record which routed procedures run.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "frame/routing/program.hpp"
#include "frame/routing/route.hpp"
#include "platform/scripted_services.hpp"

class ProgramTest : public ::testing::Test {
 protected:
  platform::HeadlessPlatform h;
  platform::Platform& p = h.platform;
  program::Program prog{h.platform};
  std::vector<std::string> calls;

  // Main, then "START" of the start window: the main window in its design state.
  void StartMainWindow() {
    prog.Main();
    platform::Window* start = p.window("Form1");
    ASSERT_NE(start, nullptr) << "Main shows no start window";
    p.click(start->get("Command1"));
    ASSERT_NE(p.window("frmVarno"), nullptr) << "START opens no main window";
  }

  platform::Window& main() { return prog.app.main(); }
  platform::Control& text1(int i) { return main().get("Text1", i); }

  // Replaces the named procedures by ones that only note their name.
  void Record(std::initializer_list<const char*> names) {
    for (const char* n : names) Record(std::string(n));
  }
  void Record(const std::string& name) {
    prog.procedures.add(name, [this, name] { calls.push_back(name); });
  }
  // Every procedure any routing table names.
  void RecordEveryRoutedProcedure() {
    for (program::RouteTable t : AllTables())
      for (const auto& row : t)
        if (row.procedure != nullptr) Record(std::string(row.procedure));
  }

  static std::vector<program::RouteTable> AllTables() {
    using namespace program::routes;
    return {Command21Click, Command25Click, Command28Click, Command29Click, Option1Click,    Text1Change,
            Text1LostFocus, Label33MouseMove, Option1MouseMove, Label41MouseMove, Frame30MouseMove};
  }
};
