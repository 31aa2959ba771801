#include "frame/program_copy.hpp"

#include "frame/app.hpp"
#include "platform/scripted_services.hpp"

namespace frame {

using Kind = platform::PersonAction::Kind;

void StartCopy(ProgramCopy& copy, const platform::ActionLog& log) {
  for (const platform::PersonAction& a : log)
    if (a.kind == Kind::Answer) copy.Headless().dialogs.queueAnswer(a.text);
  copy.Main();
}

void DoAgain(ProgramCopy& copy, const platform::PersonAction& a) {
  platform::Platform& p = copy.Program().platform;
  platform::Window* w = p.window(a.window);
  if (a.kind == Kind::Answer || w == nullptr) return;
  if (a.kind == Kind::Close) return p.close(*w);
  platform::Control* c = w->find(a.name, a.index);
  if (c == nullptr) return;
  switch (a.kind) {
    case Kind::Click: p.click(*c); break;
    case Kind::Type: p.typeText(*c, a.text); break;
    case Kind::Set: p.setTextByUser(*c, a.text); break;
    case Kind::Key: p.keyPress(*c, a.number); break;
    case Kind::Focus: p.focus(*c); break;
    case Kind::Hover: p.mouseMove(*c); break;
    case Kind::Tab: p.clickTab(*c, a.number); break;
    default: break;
  }
}

}  // namespace frame
