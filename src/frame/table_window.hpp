#pragma once
// The picture window of the factor A: the buttons "Show table for A" of the
// fast-front pages open it beside the main window, which stays usable.

#include "frame/app.hpp"
#include "frame/control_ref.hpp"

namespace frame {

// Where A is read from the table: the box it is typed into with its caption,
// and the buttons the person goes on with, the box's "OK" and the tab's "Next >>".
struct TableReading {
  ControlRef caption, box, ok, next;
};

// Loads the one Table window unless it is loaded, shows it without making it
// modal beside the main window and brings it in front of the other windows,
// leaving the reading's controls and the boxes of its tab in sight; the focus
// goes to the reading's box. A restart of the main window leaves it as it is;
// its close box unloads it.
void ShowTableWindow(App& app, const TableReading& reading = {});

}  // namespace frame
