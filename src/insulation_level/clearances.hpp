#pragma once
// The minimum air clearances of the page "Standard insulation level": phase
// to earth and phase to phase from the clearance tables up to 245 kV; above
// it phase to earth from its table with the U50 and lightning withstand of
// that clearance, and phase to phase from its table or by the equations of
// the gap factor from the line's D and Ht. Their frames stand in both layouts
// of the page, which open them.

#include <span>

#include "insulation_level/clearance_search.hpp"
#include "insulation_level/level_page.hpp"

namespace platform {
class Control;
}

namespace insulation_level {

class Clearances final : public LevelPage {
 public:
  using LevelPage::LevelPage;

  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  // Up to 245 kV.
  void CalculateRange1RodClearances();
  void CalculateRange1ConductorClearances();

  // Above 245 kV, phase to earth.
  void CalculatePeClearanceRodStructure();
  void CalculatePeClearanceConductorStructure();

  // Above 245 kV, phase to phase: the method, the configuration, the table.
  void ChoosePpClearanceTableA3();
  void ChoosePpClearanceEquations();
  void CalculatePpClearanceRodConductor();
  void CalculatePpClearanceConductorConductor();
  void EnableNextOnTableA3Clearance();

  // Above 245 kV, phase to phase by the equations.
  void ValidateHeightHt();
  void ValidateClearanceD();
  void CalculatePpClearanceByEquations();
  void EnableNextOnEquationClearance();

 private:
  static std::span<const platform::ControlDesign> Design();
  void CalculateRange1Clearances(const ClearanceColumn<kA1Rows>& column);
  void CalculatePeClearance(double k, const ClearanceColumn<kA2Rows>& column);
  void OpenPpClearance();
  void WithdrawPpClearance();
  void HidePpResults();
  void ChoosePpMethod(int resultCaption);
  void CalculatePpClearance(const ClearanceColumn<kA3Rows>& column);
  void OpenEquationEntry();
  void ValidateEntry(platform::Control& box);
  void HideEquationResults();
};

}  // namespace insulation_level
