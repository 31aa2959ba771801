#pragma once

#include "frame/stage.hpp"
#include "insulation_level/level_page.hpp"
#include "insulation_level/level_search.hpp"

namespace insulation_level {

// The standard-insulation-level stage: the page "Standard insulation level"
// (tabGeneral page 3) in its layout above 245 kV and in the one up to 245 kV,
// the minimum air clearances of both layouts, and the results tables of
// page 4.
class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);

 private:
  // The fit marks of the last searches, which outlive a restart, and the
  // requirements of the last selections, which the clearances read.
  IecFits fits_;
  LevelVars vars_;
};

}  // namespace insulation_level
