#pragma once
// The temporary-overvoltage strip SSTab1(7): Urw of internal and external
// insulation, phase to earth and phase to phase, from the temporary Ucw; the
// external Ka typed, or calculated from the altitude H and one exponent m.

#include "coordination/slots.hpp"
#include "required/ka_tabs.hpp"
#include "required/slots.hpp"

namespace required {

class TovTabs final : public KaTabs {
 public:
  static constexpr KaTabsRoles kRoles{
      .strip = 7, .labels = "Label87", .calculate = 11,
      .ucwIntPe = coordination::UcwTovPe, .ucwIntPp = coordination::UcwTovPp,
      .ucwExtPe = coordination::UcwTovPe, .ucwExtPp = coordination::UcwTovPp,
      .intPe = UrwTovPeIntCalc, .intPp = UrwTovPpIntCalc, .extPe = UrwTovPeExtCalc, .extPp = UrwTovPpExtCalc,
      .enterKa = 48, .calculateKa = 49, .kaBox = KaTovEntered, .kaOk = 17, .kaNote = 74,
      .internalFrame = 5, .choiceFrame = 1, .kaFrame = 3, .altitudeFrame = 6, .resultsFrame = 7,
      .kaFormula = 220, .kaLine = 8};

  explicit TovTabs(frame::App& app) : KaTabs(app, kRoles) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void SelectKaCalculationUrwTov();
  void ValidateAltitudeUrwTov();
  void ValidateExponentMUrwTov();
  void CalculateUrwTovExtWithAltitudeKa();
  void ShowAltitudeHelpUrwTov();
 private:
  // The controls as they stand when the main window is loaded.
  static std::span<const platform::ControlDesign> Design();
};

}  // namespace required
