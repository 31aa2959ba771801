#pragma once
// One page of a stage, or a strip of tabs laid over a page: it creates its
// own controls, answers the events routed to them with procedures declared
// beside its handlers, gives the design rows of the value-store boxes it
// holds and says what each of its results is computed from.

#include <span>

#include "frame/dependencies.hpp"
#include "platform/design.hpp"

namespace platform {
class Window;
}

namespace frame {

class Routes;

class Page {
 public:
  virtual ~Page() = default;

  // Creates the page's controls on a freshly loaded main window, in their
  // design state, and puts the page's variables back to their start values:
  // every load of the main window (a restart too) begins a clean run.
  virtual void Build(platform::Window& w) = 0;
  // One row per event procedure the page answers: an array element's or a named control's.
  virtual void DeclareRoutes(Routes& routes) = 0;
  // The design rows of the value-store boxes Text1(i) on the page.
  virtual std::span<const platform::ControlDesign> ValueStoreRows() const { return {}; }
  // What each result of the page is computed from.
  virtual std::span<const Dependency> Dependencies() const { return {}; }
};

}  // namespace frame
