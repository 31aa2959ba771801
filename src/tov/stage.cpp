#include "tov/stage.hpp"

namespace tov {

Stage::Stage(frame::App& a)
    : app(a), page(a, *this), flow(a, *this), k1(a, *this), k2(a, *this), k3(a, *this), k4(a, *this),
      combination(a, *this), help(a, *this) {}

void Stage::Build(platform::Window& w) {
  page.Build(w);
  flow.Build(w);
  k1.Build(w);
  k2.Build(w);
  k3.Build(w);
  k4.Build(w);
  combination.Build(w);
  help.Build(w);
}

void Stage::Register(frame::Procedures& procedures) {
  page.Register(procedures);
  flow.Register(procedures);
  k1.Register(procedures);
  k2.Register(procedures);
  k3.Register(procedures);
  k4.Register(procedures);
  combination.Register(procedures);
  help.Register(procedures);
}

}  // namespace tov
