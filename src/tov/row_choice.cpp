#include "tov/row_choice.hpp"

#include "frame/page_kit.hpp"

namespace tov {

void OpenRows(frame::App& app, const RowChoice& choice) {
  frame::Get(app, choice.frame).setVisible(true);
  frame::SetVisible(app, choice.otherRows, false);
  frame::SetVisible(app, choice.rows, true);
  frame::Clear(app, choice.boxes);
  platform::Control& ok = frame::Get(app, choice.ok);
  const platform::Control& last = frame::Get(app, choice.lastBox);
  if (choice.okBeside) frame::PlaceBeside(ok, last);
  else frame::PlaceBelow(ok, last);
  ok.setVisible(false);
  frame::SetVisible(app, choice.otherFrames, false);
}

}  // namespace tov
