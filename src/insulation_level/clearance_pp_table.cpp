// The phase-to-phase clearance above 245 kV: the method (the clearance
// table or the equations), then the configuration, which with the table
// gives the clearance at once and with the equations opens the entry of D
// and Ht. The table search tests the phase-to-phase level of the selected
// external level and the larger required phase-to-earth withstand.

#include <optional>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "insulation_level/clearance_calculations.hpp"
#include "insulation_level/clearance_controls.hpp"
#include "insulation_level/slots.hpp"
#include "insulation_level/requirements.hpp"
#include "platform/control.hpp"
#include "required/slots.hpp"

namespace insulation_level {

namespace {

constexpr int kPpSpecialTest = 353, kTableResultCaption = 336, kEquationResultCaption = 352;
constexpr int kTableMethod = 94;

// The clearance of the configuration's column for the selected phase-to-phase
// level and the larger required phase-to-earth withstand.
constexpr frame::Dependency kDependencies[] = {
    {{"Text1", ClearancePpTableA3},
     {{{"Text1", SiwPpExtRange2},
       {"Text1", required::UrwSfPeExt},
       {"Text1", required::SiwPeExt},
       {"Option1", 96},
       {"Option1", 95}}},
     {{{"Command29", 40}}}},
};

}  // namespace

std::span<const frame::Dependency> Clearances::PpTableDependencies() { return kDependencies; }

// No phase-to-phase clearance stands while a new one is being asked for, and
// "Next >>" waits for it. Both result boxes are emptied, so whichever gives
// the next clearance turns "Next >>" on with its change.
void Clearances::WithdrawPpClearance() {
  frame::Clear(app_, {{"Text1", ClearancePpEquation}, {"Text1", ClearancePpTableA3}});
  app_.control("Command29", 40).setEnabled(false);
}

// The entry of D and Ht emptied, and it, the equations and both clearances hidden.
void Clearances::HidePpResults() {
  frame::Clear(app_, {{"Text1", SilHeightHt}, {"Text1", SilDistanceD}});
  SetRunVisible(app_, "Label41", 235, 238, false);
  SetRunVisible(app_, "Label4", 338, 356, false);
  SetRunVisible(app_, "Text1", ClearancePpTableA3, ClearancePpEquation, false);
}

void Clearances::ChoosePpClearanceTableA3() { ChoosePpMethod(kTableResultCaption); }
void Clearances::ChoosePpClearanceEquations() { ChoosePpMethod(kEquationResultCaption); }

void Clearances::ChoosePpMethod(int resultCaption) {
  WithdrawPpClearance();
  app_.control("Frame37", 18).setVisible(true);
  frame::SetVisible(app_, {{"Frame37", 19}, {"Label4", 335}, {"Label4", 336}}, false);
  HidePpResults();
  frame::Deselect(app_, {{"Option1", 96}, {"Option1", 95}});
  // The special test stands on the row of the method's result.
  platform::Control& special = app_.control("Label4", kPpSpecialTest);
  const platform::Control& row = app_.control("Label4", resultCaption);
  special.setGeometry(special.left(), row.top(), special.width(), special.height());
}

void Clearances::CalculatePpClearanceRodConductor() { CalculatePpClearance(gA3RodConductor); }
void Clearances::CalculatePpClearanceConductorConductor() { CalculatePpClearance(gA3ConductorConductor); }

void Clearances::CalculatePpClearance(const ClearanceColumn<kA3Rows>& column) {
  WithdrawPpClearance();
  app_.control("Frame37", 19).setVisible(false);
  if (!app_.control("Option1", kTableMethod).value()) {
    OpenEquationEntry();
    return;
  }
  frame::SetVisible(app_, {{"Label4", 335}, {"Label4", 336}}, true);
  HidePpResults();
  platform::Control& clearance = app_.text1(ClearancePpTableA3);
  clearance.setVisible(true);

  const std::optional<double> siwPp = frame::NumberAsTyped(app_.text1(SiwPpExtRange2));
  const std::optional<double> siwPe = Largest(app_, {required::UrwSfPeExt, required::SiwPeExt});
  if (!siwPp || !siwPe) {
    app_.InvalidValueGroup();
    return;
  }
  const ClearanceFound found = SearchTableA3(*siwPp, *siwPe, column, fits_);
  app_.WriteNumber(clearance, found.mm);
  app_.control("Label4", kPpSpecialTest).setVisible(found.specialTest);
}

void Clearances::EnableNextOnTableA3Clearance() {
  app_.control("Command29", 40).setEnabled(frame::IsFilled(app_.text1(ClearancePpTableA3)));
}

}  // namespace insulation_level
