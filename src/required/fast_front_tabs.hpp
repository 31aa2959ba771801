#pragma once
// The fast-front strip SSTab1(9): one Urw for each insulation. Internal
// Urw = 1,15 Ucw; external Urw = Ka 1,05 Ucw with Ka typed or e^(H / 8150)
// for lightning impulses (m = 1). Range II first asks whether the external
// Urw is calculated or ignored, and ignores it whenever the co-ordination
// page ignored the external Ucw.

#include <optional>
#include <span>

#include "frame/dependencies.hpp"
#include "platform/design.hpp"

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace platform {
class Window;
}

namespace required {

class RwPageFlow;

class RwFastFrontTabs {
 public:
  RwFastFrontTabs(frame::App& app, RwPageFlow& flow) : app_(app), flow_(flow) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();
  static std::span<const frame::Dependency> Dependencies();

  void CalculateUrwFastFrontInt();
  void OpenUrwFastFrontExtTab();
  void SelectUrwFastFrontExtCalculation();
  void SelectUrwFastFrontExtIgnore();
  void SelectKaEntryUrwFastFront();
  void SelectKaCalculationUrwFastFront();
  void ValidateKaUrwFastFront();
  void ValidateAltitudeUrwFastFront();
  void CalculateUrwFastFrontExtWithEnteredKa();
  void CalculateUrwFastFrontExtWithAltitudeKa();
  void ShowAltitudeHelp();  // Label83_MouseMove

 private:
  // The external result cleared and its frame hidden.
  void ClearExternal();
  // A refused "OK": the message, and no result left standing.
  void RefuseExternal();
  // Writes Urw of external insulation with the Ks caption, or refuses it.
  void WriteExternal(double urw);
  // The external Ucw as a number; nullopt for "Ignored" or no number.
  std::optional<double> ExternalUcw() const;

  frame::App& app_;
  RwPageFlow& flow_;
};

}  // namespace required
