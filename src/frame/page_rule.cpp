#include "frame/page_rule.hpp"

#include <vector>

namespace frame {

void OpenPage(platform::Control& strip, int n) {
  for (int i = 0; i < strip.tabCount(); ++i) strip.setTabEnabled(i, i == n);
  strip.setTab(n);
}

std::pair<const platform::Control*, int> TabPageOf(const platform::Control& c) {
  for (const platform::Control* k = &c; k->container() != nullptr; k = k->container())
    if (k->container()->kind() == platform::Kind::TabStrip) return {k->container(), k->containerPage()};
  return {nullptr, -1};
}

StepPage StepPageOf(const platform::Control& c) {
  for (const platform::Control* k = &c; k->container() != nullptr; k = k->container())
    if (k->container()->kind() == platform::Kind::TabStrip && IsStepStrip(*k->container()))
      return {k->container(), k->containerPage()};
  return {nullptr, -1};
}

namespace {

// The step pages from the first strip down to a page: where it stands in the procedure.
std::vector<StepPage> PathOf(const StepPage& page) {
  std::vector<StepPage> path{page};
  for (const platform::Control* k = page.first; k->container() != nullptr; k = k->container())
    if (IsStepStrip(*k->container())) path.emplace(path.begin(), k->container(), k->containerPage());
  return path;
}

}  // namespace

bool Later(const StepPage& page, const StepPage& than) {
  if (page.first == nullptr || than.first == nullptr) return false;
  const auto a = PathOf(page), b = PathOf(than);
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i] != b[i]) return a[i].first == b[i].first && a[i].second > b[i].second;
  return false;
}

}  // namespace frame
