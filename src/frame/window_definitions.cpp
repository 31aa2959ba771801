// The three windows of the program and the order in which the main window's
// controls are created: the frame's pages first, so that every stage finds
// its containers, then the stages, the value store, and the routing last,
// once every control exists.

#include <stdexcept>
#include <string>

#include "frame/app.hpp"
#include "frame/routes.hpp"
#include "frame/stage.hpp"
#include "frame/value_store.hpp"
#include "frame/window_designs.hpp"

namespace frame {

using platform::Event;
using platform::EventType;
using platform::Window;

void App::DefineWindows() {
  // The start window's one button is bound with its window: the routing
  // table answers the main window alone, and the table window answers nothing.
  start_ = {"Form1", kWindowCaption, kStartWindowWidth, kStartWindowHeight,
            [this](Window& w) {
              w.createAll(StartWindowDesign());
              w.on("Command1", EventType::Click, [this](Event&) { Command1_Click(); });
            },
            {}};
  main_ = {"frmVarno", kWindowCaption, kMainWindowWidth, kMainWindowHeight,
           [this](Window& w) { BuildMainWindow(w); }, [this](Window& w) { Form_Load(w); }};
  table_ = {"Table", "Table", kTableWindowWidth, kTableWindowHeight,
            [](Window& w) { w.createAll(TableWindowDesign()); }, {}};
}

void App::BuildMainWindow(Window& w) {
  w.createAll(MainWindowTopAreaDesign());
  w.createAll(MainWindowPageTreeDesign());
  for (Stage* stage : stages) {
    // A row the window refuses is the stage's to mend: the stage is named.
    try {
      stage->Build(w);
    } catch (const std::logic_error& e) {
      throw std::logic_error(std::string("the stage ") + stage->Name() + ": " + e.what());
    }
  }
  BuildValueStore(w, stages);
  if (routes != nullptr) routes->Bind(w);
}

}  // namespace frame
