// The controls that the frame itself answers: the Um entry at the top of the
// main window, the restart of the temporary-overvoltage page, and the three
// buttons of the results page.

#include "frame/app.hpp"
#include "frame/routes.hpp"

namespace frame {

void App::DeclareRoutes(Routes& routes) {
  using platform::EventType;
  routes.on("txtUm", EventType::Change, [this] { txtUm_Change(); });
  routes.on("txtUm", EventType::KeyPress, [this](platform::Event& e) { txtUm_KeyPress(e.keyAscii); });
  routes.on("cmdOKUm", EventType::Click, [this] { cmdOKUm_Click(); });
  routes.on(Command21Click, 0, [this] { RestartProgram(); });  // "<< Back" of the temporary-overvoltage page
  routes.on(Command25Click, 19, [this] { RestartProgram(); });
  routes.on(Command25Click, 20, [this] { ExitProgram(); });
  routes.on(Command25Click, 21, [this] { PrintScreen(); });
}

}  // namespace frame
