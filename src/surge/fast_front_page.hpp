#pragma once
// The fast-front page (page 3 of tabSubGeneral1): the representative
// fast-front overvoltage Urp, one value for phase to earth and phase to
// phase, entered, chosen among the formula tabs' results, or skipped. The
// formula strip SSTab1(2) lies over the page.

#include <span>

#include "frame/app.hpp"
#include "frame/dependencies.hpp"
#include "platform/design.hpp"
#include "platform/window.hpp"

namespace frame {
class Routes;
}

namespace surge {

class FastFrontPage {
 public:
  explicit FastFrontPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();
  static std::span<const frame::Dependency> Dependencies();

  void EnterFastFrontUrp();
  void OpenFastFrontFormulas();
  void SkipFastFront();
  void BackToSlowFrontPage();
  void OpenCoordinationWithstandPage();
  // "Next >>" follows the two Urp boxes.
  void EnableFastFrontNext();

  // The heading, the two rows and their boxes, shown or hidden together.
  void ShowSummary(bool shown);

 private:
  frame::App& app_;
};

}  // namespace surge
