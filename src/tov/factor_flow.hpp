#pragma once
// The walk through the five factor pages of tabCalculation1 with their
// "<<Back" and "Next >>" buttons, the check of each page's phase-to-phase
// result against Um, and the close that takes the highest results of all
// pages into the temporary-overvoltage page.

#include <span>
#include <string>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace platform {
class Control;
}

namespace tov {

class TovPage;

class FactorFlow final : public frame::Page {
 public:
  FactorFlow(frame::App& app, TovPage& page) : app_(app), page_(page) {}
  // The ten buttons, and the close's values back to their start.
  void Build(platform::Window& w) override;
  // The ten buttons' clicks.
  void DeclareRoutes(frame::Routes& routes) override;
  // Each page's "Next >>" passes the page's results on. Their sources are
  // none: a result stands until its page's next "OK".
  std::span<const frame::Dependency> Dependencies() const override;

  void Command4_Click();   // "<<Back" of K1: leave the strip
  void Command3_Click();   // "Next >>" of K1
  void Command5_Click();   // "<<Back" of K2
  void Command2_Click();   // "Next >>" of K2
  void Command9_Click();   // "<<Back" of K3
  void Command10_Click();  // "Next >>" of K3
  void Command13_Click();  // "<<Back" of K4
  void Command14_Click();  // "Next >>" of K4
  void Command19_Click();  // "<<Back" of the combination
  void Command18_Click();  // "Next >>" of the combination: the close

 private:
  static std::span<const platform::ControlDesign> Design();
  void GoToPage(int n);
  // False after the phase-to-phase result was refused (below Um) and the
  // page's two result boxes were cleared in the given order.
  bool PassesUmCheck(platform::Control& pp, platform::Control& first, platform::Control& second);
  void TakeMaxima();

  frame::App& app_;
  TovPage& page_;

  // The close's own values; only the close reads them.
  std::string mTovMaxPe;
  double mTovMaxPp = 0;
  std::string mTovCalculated = "0";
};

}  // namespace tov
