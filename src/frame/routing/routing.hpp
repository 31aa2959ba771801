#pragma once
// The event procedures of the main window's control arrays. Each looks the
// element's index up in its table and runs what the table names for it: a
// registered procedure of the main window or an action of its own. An index
// without a row, or a row whose procedure no stage has registered, does nothing.
// The routing holds no state, so a procedure may run other rows while it runs.

#include "frame/app.hpp"
#include "frame/procedures.hpp"
#include "frame/routing/route.hpp"
#include "platform/window.hpp"

namespace program {

class Routing {
 public:
  Routing(frame::App& app, const frame::Procedures& procedures) : app_(&app), procedures_(&procedures) {}

  void Command21_Click(int index) const { Run(routes::Command21Click, index); }
  void Command25_Click(int index) const { Run(routes::Command25Click, index); }
  void Command28_Click(int index) const { Run(routes::Command28Click, index); }
  void Command29_Click(int index) const { Run(routes::Command29Click, index); }
  // Also called from code with an explicit index: the same row as a click,
  // whether or not the option is selected.
  void Option1_Click(int index) const { Run(routes::Option1Click, index); }
  void Text1_Change(int index) const { Run(routes::Text1Change, index); }
  void Text1_LostFocus(int index) const { Run(routes::Text1LostFocus, index); }

  void Label33_MouseMove(int index) const { Run(routes::Label33MouseMove, index); }
  void Option1_MouseMove(int index) const { Run(routes::Option1MouseMove, index); }
  void Label41_MouseMove(int index) const { Run(routes::Label41MouseMove, index); }
  void Frame30_MouseMove(int index) const { Run(routes::Frame30MouseMove, index); }

  // Binds all eleven procedures on the main window.
  void Bind(platform::Window& main) const;

 private:
  void Run(RouteTable table, int index) const;

  frame::App* app_;
  const frame::Procedures* procedures_;
};

void BindRouting(platform::Window& main, frame::App& app, const frame::Procedures& procedures);

}  // namespace program
