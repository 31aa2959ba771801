#include "frame/page_kit.hpp"

#include "platform/numbers.hpp"

namespace frame {

void SetVisible(App& app, ControlRefs controls, bool visible) {
  for (const ControlRef& c : controls) Get(app, c).setVisible(visible);
}
void SetVisible(App& app, std::initializer_list<ControlRef> controls, bool visible) {
  SetVisible(app, ControlRefs(controls.begin(), controls.size()), visible);
}

void Clear(App& app, ControlRefs boxes) {
  for (const ControlRef& c : boxes) Get(app, c).setText("");
}
void Clear(App& app, std::initializer_list<ControlRef> boxes) { Clear(app, ControlRefs(boxes.begin(), boxes.size())); }

void Deselect(App& app, ControlRefs options) {
  for (const ControlRef& c : options) Get(app, c).setValue(false);
}
void Deselect(App& app, std::initializer_list<ControlRef> options) {
  Deselect(app, ControlRefs(options.begin(), options.size()));
}
void DeselectOptions(App& app, int first, int last) {
  for (int i = first; i <= last; ++i) app.control("Option1", i).setValue(false);
}

bool AllFilled(App& app, ControlRefs boxes) {
  for (const ControlRef& c : boxes)
    if (!IsFilled(Get(app, c))) return false;
  return true;
}
bool AllFilled(App& app, std::initializer_list<ControlRef> boxes) {
  return AllFilled(app, ControlRefs(boxes.begin(), boxes.size()));
}

std::optional<double> NumberAsTyped(const platform::Control& box) { return platform::TextToNumber(box.text()); }

bool IsUsableNumber(const platform::Control& box) { return NumberAsTyped(box).has_value(); }

bool HoldsNoNumberToBe(const platform::Control& box) {
  return IsFilled(box) && !IsUsableNumber(box) && !platform::IsUnfinishedNumber(box.text());
}

bool RefuseUnlessNumber(App& app, platform::Control& box) {
  if (!HoldsNoNumberToBe(box)) return true;
  app.InvalidValueBox();
  box.setText("");
  return false;
}

bool WriteAll(App& app, std::initializer_list<std::pair<platform::Control*, double>> results) {
  for (const auto& [box, value] : results)
    if (!platform::NumberTextForBox(value, box->maxLength())) return false;
  for (const auto& [box, value] : results) app.WriteNumber(*box, value);
  return true;
}

void PlaceBeside(platform::Control& ok, const platform::Control& box) {
  ok.setGeometry(box.left() + box.width() + 60, box.top(), ok.width(), ok.height());
}

void PlaceBelow(platform::Control& ok, const platform::Control& box) {
  ok.setGeometry(box.left(), box.top() + box.height() + 150, ok.width(), ok.height());
}

void RunFilledRule(App& app, const FilledRule& rule) {
  if (rule.checkNumber) RefuseUnlessNumber(app, Get(app, rule.box));
  const bool filled = AllFilled(app, rule.group);
  platform::Control& button = Get(app, rule.button);
  if (rule.action == FilledRule::Action::Show) button.setVisible(filled);
  else button.setEnabled(filled);
}

}  // namespace frame
