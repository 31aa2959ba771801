// The phase-to-earth clearance above 245 kV: the clearance of the chosen
// structure for the switching impulse level phase to earth of the selected
// external level, the U50 of a gap of that clearance and the lightning
// withstand that U50 gives. A choice of structure also opens the
// phase-to-phase part afresh, so a phase-to-phase clearance is always given
// after the phase-to-earth one it stands beside.

#include <optional>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "insulation_level/clearance_formulas.hpp"
#include "insulation_level/clearances.hpp"
#include "insulation_level/slots.hpp"
#include "platform/control.hpp"

namespace insulation_level {

namespace {

using frame::Box;

constexpr int kPeSpecialTest = 337;

}  // namespace

void Clearances::CalculatePeClearanceRodStructure() { CalculatePeClearance(kRodStructureK, gA2RodStructure); }

void Clearances::CalculatePeClearanceConductorStructure() {
  CalculatePeClearance(kConductorStructureK, gA2ConductorStructure);
}

void Clearances::CalculatePeClearance(double k, const ClearanceColumn<kA2Rows>& column) {
  WithdrawPpClearance();
  SetRunVisible("Label4", 326, 334, true);
  SetRunVisible("Text1", ClearancePeTableA2, LiwFromClearancePe, true);
  OpenPpClearance();

  const std::optional<double> siw = frame::NumberAsTyped(app_.text1(SiwPeExtRange2));
  if (!siw) {
    frame::Clear(app_, {Box(ClearancePeTableA2), Box(U50Pe), Box(LiwFromClearancePe)});
    app_.control("Label4", kPeSpecialTest).setVisible(false);
    app_.InvalidValueGroup();
    return;
  }
  const ClearanceFound found = SearchTableA2(*siw, column, fits_);
  platform::Control& clearance = app_.text1(ClearancePeTableA2);
  platform::Control& u50 = app_.text1(U50Pe);
  app_.WriteNumber(clearance, found.mm);
  app_.control("Label4", kPeSpecialTest).setVisible(found.specialTest);
  // Each value is computed from the one the box above shows.
  app_.WriteNumber(u50, U50OfPeClearance(k, frame::NumberAsTyped(clearance).value_or(0)));
  app_.WriteNumber(app_.text1(LiwFromClearancePe), WithstandOfU50(frame::NumberAsTyped(u50).value_or(0)));
}

// The phase-to-phase part with no method chosen: nothing of it shown but the methods.
void Clearances::OpenPpClearance() {
  app_.control("Frame37", 16).setVisible(true);
  frame::Deselect(app_, {frame::Option(93), frame::Option(94)});
  frame::SetVisible(app_, {{"Frame37", 18}, {"Frame37", 19}, {"Command21", 35}}, false);
  SetRunVisible("Label41", 235, 238, false);
  SetRunVisible("Label4", 335, 356, false);
  SetRunVisible("Text1", ClearancePpTableA3, ClearancePpEquation, false);
}

}  // namespace insulation_level
