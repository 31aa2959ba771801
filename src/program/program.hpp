#pragma once
// The whole program without a display: the frame, the list of stages, and
// the merged routing table of the main window's controls.

#include <memory>
#include <vector>

#include "frame/app.hpp"
#include "frame/routes.hpp"
#include "frame/stage.hpp"

namespace platform {
class Platform;
}

namespace program {

class Program {
 public:
  // Builds every stage and merges their routes; throws std::logic_error when
  // the routing table or the value store does not stand (an index or a named
  // control claimed twice).
  explicit Program(platform::Platform& platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  frame::App app;
  frame::Routes routes;

  void Main() { app.Main(); }

  const std::vector<std::unique_ptr<frame::Stage>>& stages() const { return stages_; }
  // The stage of a type, for tests that look inside one.
  template <class S>
  S& stage() const {
    return frame::OwnedOfType<S>(stages_);
  }

 private:
  std::vector<std::unique_ptr<frame::Stage>> stages_;
};

}  // namespace program
