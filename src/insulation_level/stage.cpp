#include "insulation_level/stage.hpp"

#include "insulation_level/clearances.hpp"
#include "insulation_level/range1_level_page.hpp"
#include "insulation_level/range2_level_page.hpp"
#include "insulation_level/results_tables.hpp"

namespace insulation_level {

Stage::Stage(frame::App& app) : frame::Stage("standard insulation level") {
  // The results come first: the way on of either layout opens them. The
  // clearance frames stand inside both layouts, so they come after them.
  ResultsTables& results = AddPage<ResultsTables>(app);
  AddPage<Range2LevelPage>(app, fits_, vars_, results);
  AddPage<Range1LevelPage>(app, fits_, vars_, results);
  AddPage<Clearances>(app, fits_, vars_);
}

}  // namespace insulation_level
