// The three windows of the program and the order in which the main window's
// controls are created: the frame's pages first, so that every stage finds
// its containers, then the stages, the value store, and the routing last,
// once every control exists.

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
  for (Stage* stage : stages) stage->Build(w);
  BuildValueStore(w, stages);
  BindFrameHandlers(w);
  if (routes != nullptr) routes->Bind(w);
}

void App::BindFrameHandlers(Window& w) {
  w.on("txtUm", EventType::Change, [this](Event&) { txtUm_Change(); });
  w.on("txtUm", EventType::KeyPress, [this](Event& e) { txtUm_KeyPress(e.keyAscii); });
  w.on("cmdOKUm", EventType::Click, [this](Event&) { cmdOKUm_Click(); });
}

}  // namespace frame
