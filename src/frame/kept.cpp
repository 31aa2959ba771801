#include "frame/kept.hpp"

#include <vector>

#include "frame/app.hpp"

namespace frame {

bool Traced(const App& app) { return *app.platform.tracerSlot() != nullptr; }

const std::string* TraceKeptRead(const App& app, const char* name, const std::string& text,
                                 std::span<const ControlRef> from) {
  const platform::Window* main = app.platform.window(app.mainWindowDefinition().name);
  std::vector<const platform::Control*> controls;
  for (const ControlRef& r : from)
    if (const platform::Control* c = main == nullptr ? nullptr : main->find(r.name, r.index)) controls.push_back(c);
  return app.platform.traceKeptRead(name, text, controls);
}

}  // namespace frame
