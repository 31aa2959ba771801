#pragma once
// The temporary-overvoltage strip SSTab1(7): Urw of internal and external
// insulation, phase to earth and phase to phase, from the temporary Ucw; the
// external Ka typed, or calculated from the altitude H and one exponent m.

#include <span>

#include "frame/dependencies.hpp"
#include "platform/design.hpp"
#include "required/ka_tabs.hpp"

namespace platform {
class Window;
}

namespace required {

class RwTovTabs : public RwKaTabs {
 public:
  RwTovTabs(frame::App& app, RwPageFlow& flow);
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();
  static std::span<const frame::Dependency> Dependencies();

  void SelectKaCalculationUrwTov();
  void ValidateAltitudeUrwTov();
  void ValidateExponentMUrwTov();
  void CalculateUrwTovExtWithAltitudeKa();
  void ShowAltitudeHelpUrwTov();
};

}  // namespace required
