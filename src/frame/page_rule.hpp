#pragma once

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

}  // namespace frame
