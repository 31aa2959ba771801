#pragma once
// A stage of the procedure is its pages, in the order they build their
// controls. The program lists the stages; the frame builds the main window
// from them, merges their routes, and gathers their value-store rows and
// what their results are computed from.

#include <memory>
#include <stdexcept>
#include <span>
#include <utility>
#include <vector>

#include "frame/dependencies.hpp"
#include "frame/page.hpp"
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

  // Each page's controls, in order, on a freshly loaded main window.
  virtual void Build(platform::Window& w);
  // Each page's routed procedures.
  virtual void DeclareRoutes(Routes& routes);
  // Each page's value-store rows.
  virtual std::vector<std::span<const platform::ControlDesign>> ValueStoreRows() const;
  // What each result of each page is computed from.
  virtual std::vector<std::span<const Dependency>> Dependencies() const;

 // The stage's page of type P, for the tests that reach past its controls.
  template <class P>
  P& page() const {
    for (const auto& added : pages_)
      if (auto* found = dynamic_cast<P*>(added.get())) return *found;
    throw std::logic_error("the stage has no such page");
  }

 protected:
  // Adds a page after the ones before it; the stage keeps it for the run of the program.
  template <class P, class... Args>
  P& AddPage(Args&&... args) {
    auto page = std::make_unique<P>(std::forward<Args>(args)...);
    P& added = *page;
    pages_.push_back(std::move(page));
    return added;
  }

 private:
  std::vector<std::unique_ptr<Page>> pages_;
};

}  // namespace frame
