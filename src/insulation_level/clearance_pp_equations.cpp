// The phase-to-phase clearance above 245 kV by the equations: the user
// gives the line's phase-to-phase distance D and height Ht in m; "OK" gives
// the gap factor B of D / Ht, U+ = U- as half the larger required
// phase-to-phase withstand, U0, its U50 and the clearance d of that U50.
// The equations lie beyond the clearance table, so the special test is
// asked for beside every d they give.

#include <array>
#include <optional>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "insulation_level/clearance_calculations.hpp"
#include "insulation_level/clearance_controls.hpp"
#include "insulation_level/clearance_formulas.hpp"
#include "insulation_level/slots.hpp"
#include "insulation_level/requirements.hpp"
#include "platform/control.hpp"
#include "required/slots.hpp"

namespace insulation_level {

namespace {

constexpr int kRodConductor = 96;
constexpr std::array<frame::ControlRef, 2> kEntry{{{"Text1", SilHeightHt}, {"Text1", SilDistanceD}}};

// Each value is computed from the ones shown before it; B from D and Ht, U+
// from the required phase-to-phase withstands, d from U50 with the factor of
// the configuration. A new D or Ht thus withdraws B and what follows from it,
// and "Next >>" with the clearance.
constexpr frame::Dependency kDependencies[] = {
    {{"Text1", FactorB}, {{{"Text1", SilDistanceD}, {"Text1", SilHeightHt}}}},
    {{"Text1", UplusUminus}, {{{"Text1", required::UrwSfPpExt}, {"Text1", required::SiwPpExt}}}},
    {{"Text1", U0Pp}, {{{"Text1", FactorB}, {"Text1", UplusUminus}}}},
    {{"Text1", U50Pp}, {{{"Text1", U0Pp}}}},
    {{"Text1", ClearancePpEquation}, {{{"Text1", U50Pp}, {"Option1", 96}, {"Option1", 95}}}, {{{"Command29", 40}}}},
};

}  // namespace

std::span<const frame::Dependency> Clearances::PpEquationDependencies() { return kDependencies; }

void Clearances::OpenEquationEntry() {
  frame::SetVisible(app_, {{"Frame37", 19}, {"Label4", 335}, {"Label4", 336}}, false);
  HidePpResults();
  SetRunVisible(app_, "Label41", 235, 238, true);
  frame::SetVisible(app_, kEntry, true);
  app_.text1(ClearancePpEquation).setText("");
}

void Clearances::ValidateHeightHt() { ValidateEntry(app_.text1(SilHeightHt)); }
void Clearances::ValidateClearanceD() { ValidateEntry(app_.text1(SilDistanceD)); }

void Clearances::ValidateEntry(platform::Control& box) {
  frame::RunFilledRule(app_, {.box = {"Text1", box.index()}, .group = kEntry, .button = {"Command21", 35}});
}

void Clearances::HideEquationResults() {
  SetRunVisible(app_, "Label4", 338, 356, false);
  SetRunVisible(app_, "Text1", FactorB, ClearancePpEquation, false);
  for (int slot = FactorB; slot <= ClearancePpEquation; ++slot) app_.text1(slot).setText("");
}

void Clearances::CalculatePpClearanceByEquations() {
  frame::SetVisible(app_, {{"Frame37", 19}, {"Label4", 335}, {"Label4", 336}}, false);
  platform::Control& heightBox = app_.text1(SilHeightHt);
  platform::Control& distanceBox = app_.text1(SilDistanceD);
  const std::optional<double> height = app_.ReadNumber(heightBox);
  const std::optional<double> distance = app_.ReadNumber(distanceBox);
  const std::optional<double> withstand = Largest(app_, {required::UrwSfPpExt, required::SiwPpExt});
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
  SetRunVisible(app_, "Label41", 235, 238, true);
  SetRunVisible(app_, "Label4", 338, 356, true);
  SetRunVisible(app_, "Text1", SilHeightHt, ClearancePpEquation, true);
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
