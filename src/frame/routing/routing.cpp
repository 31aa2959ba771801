#include "frame/routing/routing.hpp"

#include "frame/routing/inline_actions.hpp"

namespace program {

using platform::Event;
using platform::EventType;

const Route* FindRoute(RouteTable table, int index) {
  for (const Route& r : table)
    if (r.index == index) return &r;
  return nullptr;
}

void Routing::Run(RouteTable table, int index) const {
  const Route* row = FindRoute(table, index);
  if (row == nullptr) return;
  if (row->procedure == nullptr) {
    RunInlineAction(*app_, row->action);
    return;
  }
  if (const auto* procedure = procedures_->find(row->procedure)) (*procedure)();
}

void Routing::Bind(platform::Window& w) const {
  const Routing r = *this;
  auto bind = [&w, r](const char* name, EventType type, void (Routing::*procedure)(int) const) {
    w.on(name, type, [r, procedure](Event& e) { (r.*procedure)(e.index); });
  };
  bind("Command21", EventType::Click, &Routing::Command21_Click);
  bind("Command25", EventType::Click, &Routing::Command25_Click);
  bind("Command28", EventType::Click, &Routing::Command28_Click);
  bind("Command29", EventType::Click, &Routing::Command29_Click);
  bind("Option1", EventType::Click, &Routing::Option1_Click);
  bind("Text1", EventType::Change, &Routing::Text1_Change);
  bind("Text1", EventType::LostFocus, &Routing::Text1_LostFocus);
  bind("Label33", EventType::MouseMove, &Routing::Label33_MouseMove);
  bind("Option1", EventType::MouseMove, &Routing::Option1_MouseMove);
  bind("Label41", EventType::MouseMove, &Routing::Label41_MouseMove);
  bind("Frame30", EventType::MouseMove, &Routing::Frame30_MouseMove);
}

void BindRouting(platform::Window& main, frame::App& app, const frame::Procedures& procedures) {
  Routing(app, procedures).Bind(main);
}

}  // namespace program
