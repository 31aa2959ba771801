#include "tov/factor_entry.hpp"

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

std::optional<double> ReadEnteredNumber(frame::App& app, platform::Control& box) {
  const auto value = app.ReadNumber(box);
  if (!value) {
    app.InvalidValueGroup();
    box.setText("");
  }
  return value;
}

std::optional<UrpPair> ReadEnteredUrp(frame::App& app, platform::Control& pe, platform::Control& pp) {
  const bool numbers = frame::IsUsableNumber(pe) && frame::IsUsableNumber(pp);
  const auto peValue = numbers ? app.ReadNumber(pe) : std::nullopt;
  const auto ppValue = numbers ? app.ReadNumber(pp) : std::nullopt;
  if (!peValue || !ppValue) {
    app.InvalidValueGroup();
    pe.setText("");
    pp.setText("");
    return std::nullopt;
  }
  return UrpPair{*peValue, *ppValue};
}

}  // namespace tov
