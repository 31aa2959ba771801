#pragma once
// The co-ordination fast-front page (page 2 of SSTab1(3)): the co-ordination
// withstand voltages for fast-front overvoltages, internal and external
// insulation, each shown as the phase-to-earth and the phase-to-phase value,
// entered by ENTER or committed from the tab strip SSTab1(5) that CALCULATE
// opens. Its "Next >>" opens the required-withstand stage.

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace coordination {

class FastFrontPage final : public frame::Page {
 public:
  explicit FastFrontPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void EnterUcwFastFront();
  void OpenCwFastFrontTabs();
  void BackToCwSlowFrontPage();
  void OpenRequiredWithstandFromCw();
  // "Next >>" of the external tab: the tabs' results into the summary.
  void AcceptUcwFastFront();
  // ShowUcwFastFrontExtPeUnit and ...PpUnit: "kV" beside an external value
  // only while it is a number.
  void ShowExternalUnit(int slot);

 private:
  // The page's controls other than its value-store boxes.
  static std::span<const platform::ControlDesign> Design();
  // The summary shown while any of its boxes holds text, hidden otherwise;
  // returns whether it is shown.
  bool ShowSummary();
  // "Next >>" waits for every value the later stages read.
  void FollowNext();

  frame::App& app_;
};

}  // namespace coordination
