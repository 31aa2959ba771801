#pragma once
// The temporary-overvoltage strip SSTab1(7): Urw of internal insulation
// from CALCULATE, and Urw of external insulation from a typed Ka or a Ka
// calculated from the altitude and the exponent m. A result is shown only
// for the inputs and Ucw values on screen: a changed input withdraws it, and
// so does a Ucw that changed on the co-ordination pages since.

#include <optional>
#include <span>
#include <string>

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

class RwTovTabs {
 public:
  RwTovTabs(frame::App& app, RwPageFlow& flow) : app_(app), flow_(flow) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();

  void CalculateUrwTovInt();
  void SelectKaEntryUrwTov();
  void SelectKaCalculationUrwTov();
  void ValidateKaUrwTov();
  void ValidateAltitudeUrwTov();
  void ValidateExponentMUrwTov();
  void CalculateUrwTovExtWithEnteredKa();
  void CalculateUrwTovExtWithAltitudeKa();
  void ShowAltitudeHelpUrwTov();

  // Results calculated from Ucw values that have changed since are cleared.
  void WithdrawIfStale();

 private:
  // The Ucw texts a result was calculated from.
  struct Ucw {
    std::string pe, pp;
    bool operator==(const Ucw&) const = default;
  };
  Ucw CurrentUcw() const;
  // Both Ucw values as numbers; nullopt when either is none.
  bool ReadUcw(double& pe, double& pp) const;
  // The external results written, or refused with the OK's message.
  void WriteExternal(double pe, double pp);
  void ClearExternal();
  void ClearInternal();

  frame::App& app_;
  RwPageFlow& flow_;
  std::optional<Ucw> internalFrom_, externalFrom_;
};

}  // namespace required
