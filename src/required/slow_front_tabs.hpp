#pragma once
// The slow-front strip SSTab1(8): Urw of internal and external insulation,
// phase to earth and phase to phase, from the slow-front Ucw; the external
// Ka typed, or calculated from the altitude H with an exponent m for each of
// phase to earth and phase to phase, typed or fitted to the external Ucw.

#include "coordination/slots.hpp"
#include "required/ka_tabs.hpp"
#include "required/slots.hpp"

namespace required {

class SlowFrontTabs final : public KaTabs {
 public:
  static constexpr KaTabsRoles kRoles{
      .strip = 8, .labels = "Label88", .calculate = 14,
      .ucwIntPe = coordination::UcwSfPeInt, .ucwIntPp = coordination::UcwSfPpInt,
      .ucwExtPe = coordination::UcwSfPeExt, .ucwExtPp = coordination::UcwSfPpExt,
      .intPe = UrwSfPeIntCalc, .intPp = UrwSfPpIntCalc, .extPe = UrwSfPeExtCalc, .extPp = UrwSfPpExtCalc,
      .enterKa = 55, .calculateKa = 54, .kaBox = KaSfEntered, .kaOk = 18, .kaNote = 77,
      .internalFrame = 11, .choiceFrame = 2, .kaFrame = 4, .altitudeFrame = 9, .resultsFrame = 8,
      .kaFormula = 225, .kaLine = 9};

  explicit SlowFrontTabs(frame::App& app) : KaTabs(app, kRoles) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void SelectKaCalculationUrwSlowFront();
  void SelectExponentMEntryUrwSlowFront();
  void CalculateExponentMFromFig9();
  // ValidateAltitudeUrwSlowFront, ValidateExponentMPeUrwSlowFront and ...PpUrwSlowFront.
  void ValidateAltitudeInput(int slot);
  void CalculateUrwSlowFrontExtWithAltitudeKa();
  void ShowAltitudeHelpUrwSlowFront();

 private:
  // The controls as they stand when the main window is loaded.
  static std::span<const platform::ControlDesign> Design();
  // The exponent boxes shown with their captions, editable or not.
  void ShowExponents(const char* peCaption, const char* ppCaption, bool locked);
  // An exponent above 1 is refused and its box emptied; true when it passed.
  bool ExponentAtMost1(int slot, double m);
};

}  // namespace required
