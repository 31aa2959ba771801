#include "frame/table_window.hpp"

namespace frame {

void ShowTableWindow(App& app) {
  platform::Window& table = app.platform.load(app.tableWindowDefinition());
  app.platform.show(table);
  app.platform.bringToFront(table);
}

}  // namespace frame
