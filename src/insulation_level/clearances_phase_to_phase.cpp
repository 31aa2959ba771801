// The phase-to-phase clearance above 245 kV: the method (the clearance
// table or the equations), then the configuration, which with the table
// gives the clearance at once and with the equations opens the entry of D
// and Ht. The table search tests the phase-to-phase level of the selected
// external level and the larger required phase-to-earth withstand. By the
// equations the user gives the line's phase-to-phase distance D and height Ht
// in m; "OK" gives the gap factor B of D / Ht, U+ = U- as half the larger
// required phase-to-phase withstand, U0, its U50 and the clearance d of that
// U50. The equations lie beyond the clearance table, so the special test is
// asked for beside every d they give.

#include <array>
#include <optional>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "insulation_level/clearance_formulas.hpp"
#include "insulation_level/clearances.hpp"
#include "insulation_level/slots.hpp"
#include "platform/control.hpp"
#include "required/slots.hpp"

namespace insulation_level {

namespace {

using frame::Box;

constexpr int kPpSpecialTest = 353, kTableResultCaption = 336, kEquationResultCaption = 352;
constexpr int kTableMethod = 94, kRodConductor = 96;
constexpr std::array<frame::ControlRef, 2> kEntry{{Box(SilHeightHt), Box(SilDistanceD)}};

}  // namespace

// No phase-to-phase clearance stands while a new one is being asked for, and
// "Next >>" waits for it. Both result boxes are emptied, so whichever gives
// the next clearance turns "Next >>" on with its change.
void Clearances::WithdrawPpClearance() {
  frame::Clear(app_, {Box(ClearancePpEquation), Box(ClearancePpTableA3)});
  app_.control("Command29", 40).setEnabled(false);
}

// The entry of D and Ht emptied, and it, the equations and both clearances hidden.
void Clearances::HidePpResults() {
  frame::Clear(app_, {Box(SilHeightHt), Box(SilDistanceD)});
  SetRunVisible("Label41", 235, 238, false);
  SetRunVisible("Label4", 338, 356, false);
  SetRunVisible("Text1", ClearancePpTableA3, ClearancePpEquation, false);
}

void Clearances::ChoosePpClearanceTableA3() { ChoosePpMethod(kTableResultCaption); }
void Clearances::ChoosePpClearanceEquations() { ChoosePpMethod(kEquationResultCaption); }

void Clearances::ChoosePpMethod(int resultCaption) {
  WithdrawPpClearance();
  app_.control("Frame37", 18).setVisible(true);
  frame::SetVisible(app_, {{"Frame37", 19}, {"Label4", 335}, {"Label4", 336}}, false);
  HidePpResults();
  frame::Deselect(app_, {frame::Option(96), frame::Option(95)});
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
  const std::optional<double> siwPe = Largest({required::UrwSfPeExt, required::SiwPeExt});
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

void Clearances::OpenEquationEntry() {
  frame::SetVisible(app_, {{"Frame37", 19}, {"Label4", 335}, {"Label4", 336}}, false);
  HidePpResults();
  SetRunVisible("Label41", 235, 238, true);
  frame::SetVisible(app_, kEntry, true);
  app_.text1(ClearancePpEquation).setText("");
}

void Clearances::ValidateHeightHt() { ValidateEntry(app_.text1(SilHeightHt)); }
void Clearances::ValidateClearanceD() { ValidateEntry(app_.text1(SilDistanceD)); }

void Clearances::ValidateEntry(platform::Control& box) {
  frame::RunFilledRule(app_, {.box = Box(box.index()), .group = kEntry, .button = {"Command21", 35}});
}

void Clearances::HideEquationResults() {
  SetRunVisible("Label4", 338, 356, false);
  SetRunVisible("Text1", FactorB, ClearancePpEquation, false);
  for (int slot = FactorB; slot <= ClearancePpEquation; ++slot) app_.text1(slot).setText("");
}

void Clearances::CalculatePpClearanceByEquations() {
  frame::SetVisible(app_, {{"Frame37", 19}, {"Label4", 335}, {"Label4", 336}}, false);
  platform::Control& heightBox = app_.text1(SilHeightHt);
  platform::Control& distanceBox = app_.text1(SilDistanceD);
  const std::optional<double> height = app_.ReadNumber(heightBox);
  const std::optional<double> distance = app_.ReadNumber(distanceBox);
  const std::optional<double> withstand = Largest({required::UrwSfPpExt, required::SiwPpExt});
  if (!height || !distance || !withstand) {
    HideEquationResults();
    app_.InvalidValueGroup();
    return;
  }
  // A line has a height above earth and a distance of zero or more between its phases.
  if (*height <= 0 || *distance < 0) {
    HideEquationResults();
    app_.InvalidValueBox();
    (*height <= 0 ? heightBox : distanceBox).setText("");
    return;
  }
  const double k = app_.control("Option1", kRodConductor).value() ? kRodConductorK : kConductorConductorK;
  const std::optional<PpEquationValues> v = PpClearanceByEquations(*distance / *height, *withstand / 2, k);
  if (!v) {
    HideEquationResults();
    app_.InvalidValueGroup();
    return;
  }
  SetRunVisible("Label41", 235, 238, true);
  SetRunVisible("Label4", 338, 356, true);
  SetRunVisible("Text1", SilHeightHt, ClearancePpEquation, true);
  app_.text1(ClearancePpTableA3).setVisible(false);
  frame::WriteAll(app_, {{&app_.text1(FactorB), v->b},
                         {&app_.text1(UplusUminus), v->uPlus},
                         {&app_.text1(U0Pp), v->u0},
                         {&app_.text1(U50Pp), v->u50},
                         {&app_.text1(ClearancePpEquation), v->d}});
}

void Clearances::EnableNextOnEquationClearance() {
  app_.control("Command29", 40).setEnabled(frame::IsFilled(app_.text1(ClearancePpEquation)));
}

}  // namespace insulation_level
