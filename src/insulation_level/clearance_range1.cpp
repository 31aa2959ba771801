// The minimum air clearances up to 245 kV: phase to phase and phase to earth
// of the chosen structure, each for the external lightning requirement the
// level selection kept. With a clearance given, the way on opens.

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "insulation_level/clearance_calculations.hpp"
#include "insulation_level/clearance_controls.hpp"
#include "insulation_level/slots.hpp"
#include "insulation_level/level_vars.hpp"
#include "platform/control.hpp"
#include "required/slots.hpp"

namespace insulation_level {

namespace {

constexpr int kClearanceSpecialTest = 293;

// Each clearance is read for the larger of its two lightning requirements,
// from the column of the chosen structure. The results table does not take
// the clearances, so no way on waits for them.
constexpr frame::Dependency kDependencies[] = {
    {{"Text1", ClearancePpTableA1},
     {{{"Text1", required::UrwFfPpExt}, {"Text1", required::LiwPpExt}, {"Option1", 87}, {"Option1", 88}}}},
    {{"Text1", ClearancePeTableA1},
     {{{"Text1", required::LiwPeExt}, {"Text1", required::UrwFfPeExt}, {"Option1", 87}, {"Option1", 88}}}},
};

}  // namespace

std::span<const frame::Dependency> Clearances::Range1Dependencies() { return kDependencies; }

void Clearances::CalculateRange1RodClearances() { CalculateRange1Clearances(gA1RodStructure); }
void Clearances::CalculateRange1ConductorClearances() { CalculateRange1Clearances(gA1ConductorStructure); }

void Clearances::CalculateRange1Clearances(const ClearanceColumn<kA1Rows>& column) {
  SetRunVisible(app_, "Label4", 274, 277, true);
  frame::SetVisible(app_, {{"Text1", ClearancePpTableA1}, {"Text1", ClearancePeTableA1}}, true);
  const ClearanceFound pp = SearchTableA1(vars_.mRequiredLiwPpExt, column);
  const ClearanceFound pe = SearchTableA1(vars_.mRequiredLiwPeExt, column);
  app_.WriteNumber(app_.text1(ClearancePpTableA1), pp.mm);
  app_.WriteNumber(app_.text1(ClearancePeTableA1), pe.mm);
  app_.control("Label4", kClearanceSpecialTest).setVisible(pp.specialTest || pe.specialTest);
  app_.control("Command21", 33).setEnabled(true);
}

}  // namespace insulation_level
