#pragma once
// What every stage of the procedure gives the frame: its controls on the main
// window, the routed procedures of its array elements and its value-store rows.
// The program lists the stages; the frame builds the main window from them.

#include <span>
#include <vector>

#include "frame/dependencies.hpp"
#include "platform/design.hpp"

namespace platform {
class Window;
}

namespace frame {

class Routes;

class Stage {
 public:
  virtual ~Stage() = default;

  // The stage's name in the printed routing table.
  virtual const char* Name() const = 0;

  // Creates the stage's controls on a freshly loaded main window, in their
  // design state, binds the events of its own named controls, and puts the
  // stage's main-window variables back to their start values: every load of
  // the main window (a restart too) begins a clean run.
  virtual void Build(platform::Window& w) = 0;

  // One row per routed array element the stage owns.
  virtual void DeclareRoutes(Routes& routes) = 0;

  // The design rows of the value-store boxes Text1(i) the stage owns, as
  // one table per page or group of pages.
  virtual std::vector<std::span<const platform::ControlDesign>> ValueStoreRows() const = 0;

  // What each result the stage calculates or takes over is computed from,
  // as one table per page or group of pages.
  virtual std::vector<std::span<const Dependency>> Dependencies() const { return {}; }
};

}  // namespace frame
