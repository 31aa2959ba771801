#include "frame/table_window.hpp"

#include <algorithm>
#include <vector>

#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"

namespace frame {

void ShowTableWindow(App& app, const TableReading& reading) {
  platform::Window& table = app.platform.load(app.tableWindowDefinition());
  std::vector<const platform::Control*> inSight;
  for (const ControlRef& r : {reading.caption, reading.box, reading.ok, reading.next})
    if (Used(r)) inSight.push_back(&Get(app, r));
  // Every box of the tab stays free to click while the table is read: a
  // click meant for one that landed on the table would lose what is typed next.
  if (Used(reading.box)) {
    const auto page = TabPageOf(Get(app, reading.box));
    for (const auto& c : app.main().controls())
      if (c->kind() == platform::Kind::TextBox && c->isShown() && TabPageOf(*c) == page &&
          std::find(inSight.begin(), inSight.end(), c.get()) == inSight.end())
        inSight.push_back(c.get());
  }
  app.platform.showBeside(table, inSight);
  if (Used(reading.box)) app.platform.focus(Get(app, reading.box));
}

}  // namespace frame
