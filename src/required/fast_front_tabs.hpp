#pragma once
// The fast-front strip SSTab1(9): one Urw for each insulation. Internal
// Urw = 1,15 Ucw; external Urw = Ka 1,05 Ucw with Ka typed or e^(H / 8150)
// for lightning impulses (m = 1). Range II first asks whether the external
// Urw is calculated or ignored, and ignores it whenever the co-ordination
// page ignored the external Ucw.

#include <optional>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace required {

class FastFrontTabs final : public frame::Page {
 public:
  explicit FastFrontTabs(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

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
  // The controls as they stand when the main window is loaded.
  static std::span<const platform::ControlDesign> Design();
  // The external result cleared and its frame hidden.
  void ClearExternal();
  // A refused "OK": the message, and no result left standing.
  void RefuseExternal();
  // Writes Urw of external insulation with the Ks caption, or refuses it.
  void WriteExternal(double urw);
  // The external Ucw as a number; nullopt for "Ignored" or no number.
  std::optional<double> ExternalUcw() const;

  frame::App& app_;
};

}  // namespace required
