#pragma once
// The co-ordination fast-front page (page 2 of SSTab1(3)): the co-ordination
// withstand voltages for fast-front overvoltages, internal and external
// insulation, each shown as the phase-to-earth and the phase-to-phase value,
// entered by ENTER or committed from the tab strip SSTab1(5) that CALCULATE
// opens. Its "Next >>" opens the required-withstand stage.

#include <optional>
#include <span>

#include "coordination/cw_fast_front_tabs.hpp"
#include "platform/design.hpp"

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace platform {
class Window;
}

namespace coordination {

class CwFastFrontPage {
 public:
  CwFastFrontPage(frame::App& app, CwFastFrontTabs& tabs) : app_(app), tabs_(tabs) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();

  void EnterUcwFastFront();
  void OpenCwFastFrontTabs();
  void BackToCwSlowFrontPage();
  void OpenRequiredWithstandFromCw();
  // "Next >>" of the external tab: the tabs' results into the summary.
  void AcceptUcwFastFront();
  // ShowUcwFastFrontExtPeUnit and ...PpUnit: "kV" beside an external value
  // only while it is a number.
  void ShowExternalUnit(int slot);

  // Values calculated on the tabs from a fast-front Urp or an arrester that
  // have changed since are cleared, on the tabs and in the summary; true when
  // any was. The way onto the page runs it.
  bool WithdrawIfStale();

 private:
  // The summary shown while any of its boxes holds text, hidden otherwise;
  // returns whether it is shown.
  bool ShowSummary();
  // "Next >>" waits for every value the later stages read.
  void FollowNext();

  frame::App& app_;
  CwFastFrontTabs& tabs_;
  // What each committed pair, internal and external, was calculated from;
  // nothing for an entered or ignored value.
  std::optional<CwFastFrontSource> committedFrom_[2];
};

}  // namespace coordination
