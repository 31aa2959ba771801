#pragma once

#include "platform/control.hpp"

namespace frame {

// Opens page n of a tab strip: page n is the only enabled page, then it is selected.
void OpenPage(platform::Control& strip, int n);

}  // namespace frame
