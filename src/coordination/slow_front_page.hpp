#pragma once
// The co-ordination slow-front page (page 1 of SSTab1(3)): the four
// co-ordination withstand voltages for slow-front overvoltages, internal and
// external insulation, phase to earth and phase to phase, entered by ENTER or
// committed from the tab strip SSTab1(4) that CALCULATE opens.

#include <string>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace coordination {

class SlowFrontPage final : public frame::Page {
 public:
  explicit SlowFrontPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

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
  // The page's controls other than its value-store boxes.
  static std::span<const platform::ControlDesign> Design();
  void ShowSummary(bool shown);

  frame::App& app_;
};

}  // namespace coordination
