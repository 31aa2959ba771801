#include "frame/table_window.hpp"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/page_kit.hpp"

namespace frame {

namespace {

bool Named(const ControlRef& r) { return !std::string_view(r.name).empty(); }

// The tab strip and page a control stands on, through the frames around it.
std::pair<const platform::Control*, int> TabPage(const platform::Control& c) {
  for (const platform::Control* at = &c; at->container() != nullptr; at = at->container())
    if (at->container()->kind() == platform::Kind::TabStrip) return {at->container(), at->containerPage()};
  return {nullptr, 0};
}

}  // namespace

void ShowTableWindow(App& app, const TableReading& reading) {
  platform::Window& table = app.platform.load(app.tableWindowDefinition());
  std::vector<const platform::Control*> inSight;
  for (const ControlRef& r : {reading.caption, reading.box, reading.ok, reading.next})
    if (Named(r)) inSight.push_back(&Get(app, r));
  // Every box of the tab stays free to click while the table is read: a
  // click meant for one that landed on the table would lose what is typed next.
  if (Named(reading.box)) {
    const auto page = TabPage(Get(app, reading.box));
    for (const auto& c : app.main().controls())
      if (c->kind() == platform::Kind::TextBox && c->isShown() && TabPage(*c) == page &&
          std::find(inSight.begin(), inSight.end(), c.get()) == inSight.end())
        inSight.push_back(c.get());
  }
  app.platform.showBeside(table, inSight);
  if (Named(reading.box)) app.platform.focus(Get(app, reading.box));
}

}  // namespace frame
