#pragma once
// The co-ordination TOV page (page 0 of SSTab1(3)): the co-ordination
// withstand voltages for temporary overvoltages, phase to earth and phase to
// phase, equal to the representative TOV values (Kc = 1) or entered, an entry
// only ever raising a value that stands.

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace coordination {

class TovPage final : public frame::Page {
 public:
  explicit TovPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void CalculateUcwTov();
  void EnterUcwTov();
  void BackToRepresentativeFromCw();
  void OpenCwSlowFrontPage();

 private:
  // The page's controls other than its value-store boxes.
  static std::span<const platform::ControlDesign> Design();
  void ShowResults(bool results, bool formula);
  // "Next >>" waits for both values: the later stages read both.
  void FollowNext();

  frame::App& app_;
};

}  // namespace coordination
