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

class App;
class Routes;

// The one element of type T among the owned elements of a list, which a
// test may look inside.
template <class T, class Base>
T& OwnedOfType(const std::vector<std::unique_ptr<Base>>& owned) {
  for (const auto& element : owned)
    if (auto* found = dynamic_cast<T*>(element.get())) return *found;
  throw std::logic_error("nothing of the type asked for");
}

class Stage {
 public:
  // The stage's name in the printed routing table.
  explicit Stage(const char* name) : name_(name) {}
  virtual ~Stage() = default;

  const char* Name() const { return name_; }

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
    return OwnedOfType<P>(pages_);
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
  // Adds pages that need nothing but the program, in this order.
  template <class... P>
  void AddPages(App& app) {
    (AddPage<P>(app), ...);
  }

 private:
  const char* name_;
  std::vector<std::unique_ptr<Page>> pages_;
};

}  // namespace frame
