#pragma once
// The picture window of the factor A: the buttons "Show table for A" of the
// fast-front pages open it beside the main window, which stays usable.

#include "frame/app.hpp"

namespace frame {

// Loads the one Table window unless it is loaded, shows it without making it
// modal and brings it in front of the other windows. A restart of the main
// window leaves it as it is; its close box unloads it.
void ShowTableWindow(App& app);

}  // namespace frame
