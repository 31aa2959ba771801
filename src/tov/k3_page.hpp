#pragma once

#include "frame/app.hpp"
#include "frame/procedures.hpp"
#include "platform/window.hpp"

namespace tov {

class Stage;

class K3Page {
 public:
  K3Page(frame::App& app, Stage& stage) : app_(app), stage_(stage) {}
  void Build(platform::Window& w);
  void Register(frame::Procedures& procedures);

 private:
  frame::App& app_;
  Stage& stage_;
};

}  // namespace tov
