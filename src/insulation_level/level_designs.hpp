#pragma once
// The design tables of the standard-insulation-level page (tabGeneral page 3)
// and of the results tables (page 4).

#include <span>

#include "platform/design.hpp"

namespace insulation_level {

// The Range II layout on the strip SSTab1(12) and the Range I layout in the
// frame Frame37(6), with their levels and their ways on and back.
std::span<const platform::ControlDesign> StandardLevelDesign();
std::span<const platform::ControlDesign> StandardLevelValueStoreRows();

// The clearance frames of both layouts with the controls the level
// selection shows, hides or clears.
std::span<const platform::ControlDesign> ClearanceFramesDesign();
std::span<const platform::ControlDesign> ClearanceValueStoreRows();

// The grids of both results tables: pictures, header labels and cells.
std::span<const platform::ControlDesign> ResultsDesign();
std::span<const platform::ControlDesign> ResultsValueStoreRows();

}  // namespace insulation_level
