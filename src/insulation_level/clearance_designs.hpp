#pragma once
// The clearance lines of the page "Standard insulation level": the captions,
// formulas and boxes that the clearance calculations show, in the frames the
// level selection opens.

#include <span>

#include "platform/design.hpp"

namespace insulation_level {

std::span<const platform::ControlDesign> ClearanceLinesDesign();
std::span<const platform::ControlDesign> ClearanceLinesValueStoreRows();

}  // namespace insulation_level
