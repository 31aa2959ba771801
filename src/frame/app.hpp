#pragma once
// The application frame as every stage sees it: the platform, the shared
// module, the shared main-window variables, the windows and the frame's own
// procedures (start-up, restart, exit, print).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/dependencies.hpp"
#include "frame/main_vars.hpp"
#include "frame/module1.hpp"
#include "platform/platform.hpp"

namespace frame {

class Routes;
class Stage;

class App {
 public:
  explicit App(platform::Platform& platform);
  App(const App&) = delete;  // the window definitions refer to this App
  App& operator=(const App&) = delete;

  platform::Platform& platform;
  // The shared module's data, which outlives every reload of the main window.
  Module1 module1;
  // The main window's variables that several stages share, reset at every load.
  MainVars mainVars;
  // Withdraws results whose sources have changed since they were computed.
  DependencyRule dependencies{*this};

  // Set by the program before Main runs: the stages in the order they build
  // their controls, and the merged routing table bound on every new main window.
  std::vector<Stage*> stages;
  const Routes* routes = nullptr;

  // The main window frmVarno as it is loaded now (a restart replaces it).
  platform::Window& main() const;
  platform::Control& control(std::string_view name, int index = platform::kNoIndex) const;
  platform::Control& text1(int index) const;
  // The hidden box Text8 that the number-text helpers cut and convert on,
  // so that the box a text comes from keeps it.
  platform::Control& scratch() const { return control("Text8"); }

  // Runs the event procedure of another control as if the event had happened,
  // for example the click of an option that another stage owns: the procedure
  // bound to it runs (a routed array element's row included), whether or not
  // the control is shown, enabled or selected. Nothing runs for a control that
  // does not exist or has no procedure for the event.
  void RaiseEvent(std::string_view name, int index, platform::EventType type);
  void Option1_Click(int index) { RaiseEvent("Option1", index, platform::EventType::Click); }

  // Messages of the conventions: a single box's check, an OK handler of a group.
  void InvalidValueBox();    // "Enter a valid value", title padded to 34
  void InvalidValueGroup();  // "Enter a valid value...", title padded to 33

  // Reads a box as the value-store conventions say: numeric test, dots to
  // commas (rewriting the box), conversion. nullopt when the text is no usable number.
  std::optional<double> ReadNumber(platform::Control& box);
  // Writes a computed number into a box (default text, cut by MaxLength).
  // Returns false and writes nothing when the value cannot be shown.
  bool WriteNumber(platform::Control& box, double value);

  // The frame's own rows of the routing table.
  void DeclareRoutes(Routes& routes);

  // Start-up and the ways out.
  void Main();
  void Command1_Click();  // "START" of the start window
  void Form_Load(platform::Window& w);
  void RestartProgram();
  void ExitProgram();
  void PrintScreen();  // defined in print.cpp, beside the print job

  // Um entry.
  void txtUm_Change();
  void txtUm_KeyPress(int& keyAscii);
  void cmdOKUm_Click();

  double Um() const;  // the accepted Um from the hidden txtUm
  bool IsRange1() const;

  const platform::WindowDefinition& mainWindowDefinition() const { return main_; }
  const platform::WindowDefinition& tableWindowDefinition() const { return table_; }

 private:
  // The three window definitions; the main window's build runs the frame's
  // and the stages' parts in a fixed order.
  void DefineWindows();
  void BuildMainWindow(platform::Window& w);
  // The Um entry's way back after a refused value.
  void RefuseUm(const char* prompt);
  void ResetUmEntry();

  platform::WindowDefinition start_, main_, table_;
};

// A title padded with blanks to a fixed length, as the message boxes show it.
std::string PaddedTitle(std::string_view title, std::size_t length);

}  // namespace frame
