#pragma once
// The co-ordination slow-front page (page 1 of SSTab1(3)): the four
// co-ordination withstand voltages for slow-front overvoltages, internal and
// external insulation, phase to earth and phase to phase, entered by ENTER or
// committed from the tab strip SSTab1(4) that CALCULATE opens.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "platform/design.hpp"

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace platform {
class Window;
}

namespace coordination {

class CwFastFrontPage;

class CwSlowFrontPage {
 public:
  explicit CwSlowFrontPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();

  void EnterUcwSlowFront();
  void OpenCwSlowFrontTabs();
  void BackToCwTovPage();
  void OpenCwFastFrontPage();
  // EnableCwSlowFrontNextOnIntPp, ...IntPe, ...ExtPp and ...ExtPe (Text1(102)
  // to (105)): "Next >>" is enabled while all four boxes hold values.
  void EnableCwSlowFrontNext(int slot);
  // "Next >>" of the tab strip's phase-to-phase tab: the tabs' results into the summary.
  void AcceptUcwSlowFront();

  // Committed values that the tabs calculated from representative slow-front
  // overvoltages or an arrester that have changed since are cleared, with the
  // page back to its state before the commit; true when it withdrew them.
  bool WithdrawIfStale();

  // What CALCULATE runs when the representative overvoltages or the arrester
  // have changed since the strip was last open: the tabs' results, all
  // calculated from the old ones, are withdrawn before the strip shows.
  void OnStaleTabResults(std::function<void()> withdraw) { withdrawTabResults_ = std::move(withdraw); }
  // The fast-front page, whose stale values the way onto it withdraws.
  void AttachFastFrontPage(CwFastFrontPage& page) { fastFront_ = &page; }

  // "1" once a commit found the tabs' results, "0" otherwise.
  std::string mUcwSlowFrontCalculated;

 private:
  // What the tabs calculated the committed values from.
  struct Sources {
    std::array<std::string, 4> urp;
    double ups;
    bool operator==(const Sources&) const = default;
  };
  Sources CurrentSources() const;
  void ShowSummary(bool shown);

  frame::App& app_;
  std::optional<Sources> committedFrom_;
  // What the strip showed its results for when it was last open; nothing
  // changes them while it is open.
  std::optional<Sources> tabsOpenedWith_;
  std::function<void()> withdrawTabResults_;
  CwFastFrontPage* fastFront_ = nullptr;
};

}  // namespace coordination
