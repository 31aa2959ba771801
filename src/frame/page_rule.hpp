#pragma once

#include <utility>

#include "platform/control.hpp"

namespace frame {

// Opens page n of a tab strip: page n is the only enabled page, then it is selected.
void OpenPage(platform::Control& strip, int n);

// The strips whose pages are the steps of the procedure: one page open at a
// time, a later one reached only by the way on of the page before. The other
// strips are laid over one page (CALCULATE opens them) and belong to it.
bool IsStepStrip(const platform::Control& strip);

// Whether every step page the control lies on is enabled, as `enabled(strip,
// page)` says: a person gets to it through the pages open now, selected or
// not. A later page of the procedure is closed until the way on opens it.
template <class Enabled>
bool OnEnabledPages(const platform::Control& c, Enabled enabled) {
  for (const platform::Control* k = &c; k->container() != nullptr; k = k->container())
    if (k->container()->kind() == platform::Kind::TabStrip && IsStepStrip(*k->container()) &&
        !enabled(*k->container(), k->containerPage()))
      return false;
  return true;
}
inline bool OnEnabledPages(const platform::Control& c) {
  return OnEnabledPages(c, [](const platform::Control& strip, int page) { return strip.tabEnabled(page); });
}

// A page of a step strip, by its strip and number.
using StepPage = std::pair<const platform::Control*, int>;
// The innermost step page a control lies on; {nullptr, -1} outside every step strip.
StepPage StepPageOf(const platform::Control& c);
// The innermost page of any tab strip a control lies on; {nullptr, -1} outside every strip.
std::pair<const platform::Control*, int> TabPageOf(const platform::Control& c);
// A page further on in the procedure than another: a later page of the
// first strip on which the ways to the two pages part.
bool Later(const StepPage& page, const StepPage& than);

}  // namespace frame
