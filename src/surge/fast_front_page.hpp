#pragma once
// The fast-front page (page 3 of tabSubGeneral1): the representative
// fast-front overvoltage Urp, one value for phase to earth and phase to
// phase, entered, chosen among the formula tabs' results, or skipped. The
// formula strip SSTab1(2) lies over the page.

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace surge {

class FastFrontPage final : public frame::Page {
 public:
  explicit FastFrontPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

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
  static std::span<const platform::ControlDesign> Design();

  frame::App& app_;
};

}  // namespace surge
