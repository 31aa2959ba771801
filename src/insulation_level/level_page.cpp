#include "insulation_level/level_page.hpp"

#include <algorithm>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "platform/window.hpp"

namespace insulation_level {

std::optional<double> LevelPage::Largest(std::initializer_list<int> slots) const {
  std::optional<double> largest;
  for (int slot : slots) {
    const std::optional<double> value = frame::NumberAsTyped(app_.text1(slot));
    if (!value) return std::nullopt;
    largest = std::max(largest.value_or(*value), *value);
  }
  return largest;
}

void LevelPage::RefuseSelection(std::initializer_list<int> results, std::initializer_list<int> labels) {
  app_.InvalidValueGroup();
  for (int slot : results) app_.text1(slot).setText("");
  for (int label : labels) app_.control("Label4", label).setVisible(false);
}

void LevelPage::SetRunVisible(const char* name, int first, int last, bool visible) {
  for (int i = first; i <= last; ++i)
    if (platform::Control* c = app_.main().find(name, i)) c->setVisible(visible);
}

}  // namespace insulation_level
