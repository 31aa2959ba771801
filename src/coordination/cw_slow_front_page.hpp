#pragma once
// The co-ordination slow-front page (page 1 of SSTab1(3)): the four
// co-ordination withstand voltages for slow-front overvoltages, internal and
// external insulation, phase to earth and phase to phase, entered by ENTER or
// committed from the tab strip SSTab1(4) that CALCULATE opens.

#include <span>
#include <string>

#include "frame/dependencies.hpp"
#include "platform/design.hpp"

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace platform {
class Window;
}

namespace coordination {

class CwSlowFrontPage {
 public:
  explicit CwSlowFrontPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();
  static std::span<const frame::Dependency> Dependencies();

  void EnterUcwSlowFront();
  void OpenCwSlowFrontTabs();
  void BackToCwTovPage();
  void OpenCwFastFrontPage();
  // EnableCwSlowFrontNextOnIntPp, ...IntPe, ...ExtPp and ...ExtPe (Text1(102)
  // to (105)): "Next >>" is enabled while all four boxes hold values.
  void EnableCwSlowFrontNext(int slot);
  // "Next >>" of the tab strip's phase-to-phase tab: the tabs' results into the summary.
  void AcceptUcwSlowFront();

  // "1" once a commit found the tabs' results, "0" otherwise.
  std::string mUcwSlowFrontCalculated;

 private:
  void ShowSummary(bool shown);

  frame::App& app_;
};

}  // namespace coordination
