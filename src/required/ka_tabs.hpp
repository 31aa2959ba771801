#pragma once
// What the temporary-overvoltage and slow-front strips share. The internal
// tab shows Urw = Ks Ucw from CALCULATE. The external tab shows
// Urw = Ka Ks Ucw with the choice of a typed Ka or a Ka from the altitude:
// below the choice either the Ka entry or the altitude frame (whose inputs
// each strip adds) with the drawn formula of Ka, and the results last,
// hidden until an "OK" has calculated. Each strip adds its own way of
// calculating Ka, and declares beside it what each result is computed from.

#include <array>
#include <optional>

#include "frame/control_ref.hpp"
#include "frame/page.hpp"

namespace frame {
class App;
}

namespace platform {
class Control;
}

namespace required {

// The input of an "OK" read with its decimal comma; a box that holds no
// number is refused with the OK's message and emptied (nullopt).
std::optional<double> ReadOkInput(frame::App& app, platform::Control& box);

// The controls and boxes that play each role on one strip.
struct KaTabsRoles {
  int strip;                                   // SSTab1
  const char* labels;                          // the array of the strip's unnamed labels
  int calculate;                               // Command25 "CALCULATE"
  int ucwIntPe, ucwIntPp, ucwExtPe, ucwExtPp;  // Text1, read
  int intPe, intPp, extPe, extPp;              // Text1, the results
  int enterKa, calculateKa;                    // Option1
  int kaBox, kaOk, kaNote;                     // Text1, Command28, Label33
  int internalFrame, choiceFrame;              // Frame30, Frame36
  int kaFrame, altitudeFrame, resultsFrame;    // Frame28, Frame30, Frame30
  int kaFormula, kaLine;                       // the first of five Label41, and Line2
};

// The drawn formula of Ka: Label41(first) to (first + 4) and Line2(line).
constexpr std::array<frame::ControlRef, 6> KaFormulaControls(int first, int line) {
  return {{{"Label41", first},
           {"Label41", first + 1},
           {"Label41", first + 2},
           {"Label41", first + 3},
           {"Label41", first + 4},
           {"Line2", line}}};
}

class KaTabs : public frame::Page {
 public:
  KaTabs(frame::App& app, const KaTabsRoles& roles)
      : app_(app), roles_(roles), kaFormula_(KaFormulaControls(roles.kaFormula, roles.kaLine)) {}
  void DeclareRoutes(frame::Routes& routes) override;

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
  // Ka from the altitude chosen: its frame shown in place of the Ka entry,
  // with its inputs emptied.
  void OpenAltitudeFrame(frame::ControlRefs inputs);
  // The external Ucw values as numbers; false when either is none.
  bool ReadExternalUcw(double& pe, double& pp) const;
  // The external results written, or refused with the OK's message.
  void WriteExternal(double pe, double pp);
  // A refused "OK": the message, and no result left standing.
  void RefuseExternal();

  frame::App& app_;
  const KaTabsRoles& roles_;
  const std::array<frame::ControlRef, 6> kaFormula_;
};

}  // namespace required
