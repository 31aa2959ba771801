#pragma once
// The slow-front strip SSTab1(8): Urw of internal and external insulation,
// phase to earth and phase to phase, from the slow-front Ucw; the external
// Ka typed, or calculated from the altitude H with an exponent m for each of
// phase to earth and phase to phase, typed or fitted to the external Ucw.

#include <span>

#include "frame/dependencies.hpp"
#include "platform/design.hpp"
#include "required/ka_tabs.hpp"

namespace platform {
class Window;
}

namespace required {

class RwSlowFrontTabs : public RwKaTabs {
 public:
  RwSlowFrontTabs(frame::App& app, RwPageFlow& flow);
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();
  static std::span<const frame::Dependency> Dependencies();

  void SelectKaCalculationUrwSlowFront();
  void SelectExponentMEntryUrwSlowFront();
  void CalculateExponentMFromFig9();
  // ValidateAltitudeUrwSlowFront, ValidateExponentMPeUrwSlowFront and ...PpUrwSlowFront.
  void ValidateAltitudeInput(int slot);
  void CalculateUrwSlowFrontExtWithAltitudeKa();
  void ShowAltitudeHelpUrwSlowFront();

 private:
  // The exponent boxes shown with their captions, editable or not.
  void ShowExponents(const char* peCaption, const char* ppCaption, bool locked);
  // An exponent above 1 is refused and its box emptied; true when it passed.
  bool ExponentAtMost1(int slot, double m);
};

}  // namespace required
