#include "frame/table_window.hpp"

#include <string_view>
#include <vector>

#include "frame/page_kit.hpp"

namespace frame {

namespace {
bool Named(const ControlRef& r) { return !std::string_view(r.name).empty(); }
}  // namespace

void ShowTableWindow(App& app, const TableReading& reading) {
  platform::Window& table = app.platform.load(app.tableWindowDefinition());
  std::vector<const platform::Control*> inSight;
  for (const ControlRef& r : {reading.caption, reading.box, reading.ok, reading.next})
    if (Named(r)) inSight.push_back(&Get(app, r));
  app.platform.showBeside(table, inSight);
  if (Named(reading.box)) app.platform.focus(Get(app, reading.box));
}

}  // namespace frame
