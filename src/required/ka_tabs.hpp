#pragma once
// What the temporary-overvoltage and slow-front strips share: Urw of
// internal insulation from CALCULATE, the choice between a typed Ka and a Ka
// from the altitude, and Urw of external insulation from a typed Ka. Each
// strip adds its own way of calculating Ka, and declares beside it what each
// result is computed from.

#include <optional>

#include "frame/page_kit.hpp"

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace platform {
class Control;
}

namespace required {

class RwPageFlow;
struct RwStrip;

// The input of an "OK" read with its decimal comma; a box that holds no
// number is refused with the OK's message and emptied (nullopt).
std::optional<double> ReadOkInput(frame::App& app, platform::Control& box);

// The controls and boxes that play each part on one strip.
struct RwKaTabRoles {
  const RwStrip& (*strip)();
  int calculate;                               // Command25 "CALCULATE"
  int ucwIntPe, ucwIntPp, ucwExtPe, ucwExtPp;  // Text1, read
  int intPe, intPp, extPe, extPp;              // Text1, the results
  int enterKa, calculateKa;                    // Option1
  int kaBox, kaOk;                             // Text1, Command28
  int kaFrame, altitudeFrame, resultsFrame;    // Frame28, Frame30, Frame30
  frame::ControlRefs kaFormula;                // the drawn formula of Ka
};

class RwKaTabs {
 public:
  RwKaTabs(frame::App& app, RwPageFlow& flow, const RwKaTabRoles& roles) : app_(app), flow_(flow), roles_(roles) {}
  RwKaTabs(const RwKaTabs&) = delete;
  RwKaTabs& operator=(const RwKaTabs&) = delete;
  void DeclareRoutes(frame::Routes& routes);

  // CalculateUrwTovInt, CalculateUrwSlowFrontInt: the strip opened, then Ks Ucw.
  void CalculateInternal();
  // SelectKaEntryUrwTov, SelectKaEntryUrwSlowFront.
  void SelectKaEntry();
  // ValidateKaUrwTov, ValidateKaUrwSlowFront.
  void ValidateKa();
  // CalculateUrwTovExtWithEnteredKa, CalculateUrwSlowFrontExtWithEnteredKa.
  void CalculateExternalWithEnteredKa();

 protected:
  // The external results cleared and their frame hidden.
  void ClearExternal();
  // The external Ucw values as numbers; false when either is none.
  bool ReadExternalUcw(double& pe, double& pp) const;
  // The external results written, or refused with the OK's message.
  void WriteExternal(double pe, double pp);
  // A refused "OK": the message, and no result left standing.
  void RefuseExternal();

  frame::App& app_;
  RwPageFlow& flow_;
  const RwKaTabRoles& roles_;
};

}  // namespace required
