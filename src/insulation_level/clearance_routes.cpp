#include "frame/routes.hpp"
#include "insulation_level/clearance_calculations.hpp"

namespace insulation_level {

void Clearances::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Option1Click, 91, [this] { CalculatePeClearanceRodStructure(); });
  routes.on(Option1Click, 92, [this] { CalculatePeClearanceConductorStructure(); });
  routes.on(Option1Click, 94, [this] { ChoosePpClearanceTableA3(); });
  routes.on(Option1Click, 93, [this] { ChoosePpClearanceEquations(); });
  routes.on(Option1Click, 96, [this] { CalculatePpClearanceRodConductor(); });
  routes.on(Option1Click, 95, [this] { CalculatePpClearanceConductorConductor(); });
  routes.on(Text1Change, 246, [this] { EnableNextOnTableA3Clearance(); });
  routes.on(Text1Change, 247, [this] { ValidateHeightHt(); });
  routes.on(Text1Change, 248, [this] { ValidateClearanceD(); });
  routes.on(Command21Click, 35, [this] { CalculatePpClearanceByEquations(); });
  routes.on(Text1Change, 253, [this] { EnableNextOnEquationClearance(); });
  routes.on(Option1Click, 88, [this] { CalculateRange1RodClearances(); });
  routes.on(Option1Click, 87, [this] { CalculateRange1ConductorClearances(); });
}

}  // namespace insulation_level
