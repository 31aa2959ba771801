#pragma once
// The co-ordination TOV page (page 0 of SSTab1(3)): the co-ordination
// withstand voltages for temporary overvoltages, phase to earth and phase to
// phase, equal to the representative TOV values (Kc = 1) or entered, an entry
// only ever raising a value that stands.

#include <span>

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

class CwTovPage {
 public:
  explicit CwTovPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();
  static std::span<const frame::Dependency> Dependencies();

  void CalculateUcwTov();
  void EnterUcwTov();
  void BackToRepresentativeFromCw();
  void OpenCwSlowFrontPage();

 private:
  void ShowResults(bool results, bool formula);
  // "Next >>" waits for both values: the later stages read both.
  void FollowNext();

  frame::App& app_;
};

}  // namespace coordination
