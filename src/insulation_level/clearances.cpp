// The page's clearances: what each of them is computed from, the events they
// answer, and the clearances up to 245 kV: phase to phase and phase to earth
// of the chosen structure, each for the external lightning requirement the
// level selection kept. With a clearance given, the way on opens.

#include "insulation_level/clearances.hpp"

#include "frame/app.hpp"
#include "frame/dependencies.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "insulation_level/slots.hpp"
#include "platform/control.hpp"
#include "platform/window.hpp"
#include "required/slots.hpp"

namespace insulation_level {

namespace {

using frame::Box;
using frame::Option;

constexpr int kRange1SpecialTest = 293;
// The two ways to the phase-to-phase clearance above 245 kV; "Next >>" waits
// for the clearance of the way chosen, while the level is asked for with the
// clearances: asked for alone, the results read no clearance.
constexpr int kTableA3Method = 94, kEquationMethod = 93;
constexpr frame::ControlRef kWithClearances = Option(90);

constexpr frame::Dependency kDependencies[] = {
    // Up to 245 kV each clearance is read for the larger of its two lightning
    // requirements, from the column of the chosen structure. The results table
    // does not take the clearances, so no way on waits for them.
    {Box(ClearancePpTableA1), {{Box(required::UrwFfPpExt), Box(required::LiwPpExt), Option(87), Option(88)}}},
    {Box(ClearancePeTableA1), {{Box(required::LiwPeExt), Box(required::UrwFfPeExt), Option(87), Option(88)}}},

    // Above 245 kV the phase-to-earth clearance is read for the external
    // switching level phase to earth from the column of the chosen structure,
    // whose factor also gives the U50.
    {Box(ClearancePeTableA2), {{Box(SiwPeExtRange2), Option(91), Option(92)}}},
    {Box(U50Pe), {{Box(ClearancePeTableA2), Option(91), Option(92)}}},
    {Box(LiwFromClearancePe), {{Box(U50Pe)}}},

    // The phase-to-phase clearance of the table: the configuration's column for
    // the selected phase-to-phase level and the larger required phase-to-earth withstand.
    {Box(ClearancePpTableA3),
     {{Box(SiwPpExtRange2), Box(required::UrwSfPeExt), Box(required::SiwPeExt), Option(96), Option(95)}},
     {{{"Command29", 40}}},
     {{kWithClearances, Option(kTableA3Method)}}},

    // By the equations each value is computed from the ones shown before it;
    // B from D and Ht, U+ from the required phase-to-phase withstands, d from
    // U50 with the factor of the configuration. A new D or Ht thus withdraws B
    // and what follows from it, and "Next >>" with the clearance.
    {Box(FactorB), {{Box(SilDistanceD), Box(SilHeightHt)}}},
    {Box(UplusUminus), {{Box(required::UrwSfPpExt), Box(required::SiwPpExt)}}},
    {Box(U0Pp), {{Box(FactorB), Box(UplusUminus)}}},
    {Box(U50Pp), {{Box(U0Pp)}}},
    {Box(ClearancePpEquation),
     {{Box(U50Pp), Option(96), Option(95)}},
     {{{"Command29", 40}}},
     {{kWithClearances, Option(kEquationMethod)}}},
};

}  // namespace

void Clearances::Build(platform::Window& w) { w.createAll(Design()); }

std::span<const frame::Dependency> Clearances::Dependencies() const { return kDependencies; }

void Clearances::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Option1Click, 91, [this] { CalculatePeClearanceRodStructure(); });
  routes.on(Option1Click, 92, [this] { CalculatePeClearanceConductorStructure(); });
  routes.on(Option1Click, kTableA3Method, [this] { ChoosePpClearanceTableA3(); });
  routes.on(Option1Click, kEquationMethod, [this] { ChoosePpClearanceEquations(); });
  routes.on(Option1Click, 96, [this] { CalculatePpClearanceRodConductor(); });
  routes.on(Option1Click, 95, [this] { CalculatePpClearanceConductorConductor(); });
  routes.on(Text1Change, ClearancePpTableA3, [this] { EnableNextOnTableA3Clearance(); });
  routes.on(Text1Change, SilHeightHt, [this] { ValidateHeightHt(); });
  routes.on(Text1Change, SilDistanceD, [this] { ValidateClearanceD(); });
  routes.on(Command21Click, 35, [this] { CalculatePpClearanceByEquations(); });
  routes.on(Text1Change, ClearancePpEquation, [this] { EnableNextOnEquationClearance(); });
  routes.on(Option1Click, 88, [this] { CalculateRange1RodClearances(); });
  routes.on(Option1Click, 87, [this] { CalculateRange1ConductorClearances(); });
}

void Clearances::CalculateRange1RodClearances() { CalculateRange1Clearances(gA1RodStructure); }
void Clearances::CalculateRange1ConductorClearances() { CalculateRange1Clearances(gA1ConductorStructure); }

void Clearances::CalculateRange1Clearances(const ClearanceColumn<kA1Rows>& column) {
  SetRunVisible("Label4", 274, 277, true);
  frame::SetVisible(app_, {Box(ClearancePpTableA1), Box(ClearancePeTableA1)}, true);
  const ClearanceFound pp = SearchTableA1(vars_.mRequiredLiwPpExt.Read(app_), column);
  const ClearanceFound pe = SearchTableA1(vars_.mRequiredLiwPeExt.Read(app_), column);
  app_.WriteNumber(app_.text1(ClearancePpTableA1), pp.mm);
  app_.WriteNumber(app_.text1(ClearancePeTableA1), pe.mm);
  app_.control("Label4", kRange1SpecialTest).setVisible(pp.specialTest || pe.specialTest);
  app_.control("Command21", 33).setEnabled(true);
}

}  // namespace insulation_level
