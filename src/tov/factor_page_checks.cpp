#include "tov/factor_page_checks.hpp"

#include "platform/numbers.hpp"

namespace tov {

std::optional<double> NumberAsTyped(const platform::Control& box) { return platform::TextToNumber(box.text()); }

bool IsUsableNumber(const platform::Control& box) { return NumberAsTyped(box).has_value(); }

void RefuseUnlessNumber(frame::App& app, platform::Control& box) {
  if (!IsFilled(box) || IsUsableNumber(box)) return;
  app.InvalidValueBox();
  box.setText("");
}

bool AllShowable(std::initializer_list<std::pair<const platform::Control*, double>> results) {
  for (const auto& [box, value] : results) {
    if (!platform::NumberTextForBox(value, box->maxLength())) return false;
  }
  return true;
}

void SetVisible(frame::App& app, std::initializer_list<ControlRef> controls, bool visible) {
  for (const ControlRef& c : controls) app.control(c.name, c.index).setVisible(visible);
}

}  // namespace tov
