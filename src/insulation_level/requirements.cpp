#include "insulation_level/requirements.hpp"

#include <algorithm>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"

namespace insulation_level {

std::optional<double> Largest(frame::App& app, std::initializer_list<int> slots) {
  std::optional<double> largest;
  for (int slot : slots) {
    const std::optional<double> value = frame::NumberAsTyped(app.text1(slot));
    if (!value) return std::nullopt;
    largest = std::max(largest.value_or(*value), *value);
  }
  return largest;
}

void RefuseSelection(frame::App& app, std::initializer_list<int> results, std::initializer_list<int> labels) {
  app.InvalidValueGroup();
  for (int slot : results) app.text1(slot).setText("");
  for (int label : labels) app.control("Label4", label).setVisible(false);
}

}  // namespace insulation_level
