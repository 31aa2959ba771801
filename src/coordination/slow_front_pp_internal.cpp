// The internal insulation frame of the phase-to-phase tab, Frame31(2):
// Ucw = Kcd × Urp, Kcd typed or calculated by curve b for a switching case
// from the per-unit Ue2 that the phase-to-earth tab left.

#include "coordination/slow_front_tab_groups.hpp"
#include "coordination/slow_front_tabs.hpp"
#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "surge/slots.hpp"

namespace coordination {

namespace {

using namespace tabs;

constexpr int kCalculatedTop = 2790;  // below the ratio row
constexpr int kTypedTop = 2280;       // under the "OK" of the typed Kcd
constexpr int kReenergizationOption = 43, kEnergizationOption = 42;

constexpr CurveBBoxes kCurveB{Box(UpsUp2RatioPp), Box(KcdPp), Box(surge::UrpSfPpInt), Box(UcwSfPpIntCalc)};

}  // namespace

void SlowFrontTabs::SelectKcdEntryPpInt() {
  frame::SetVisible(app_, {kPpIntLine}, false);
  frame::SetVisible(app_, kPpIntRows, false);
  frame::SetVisible(app_, kPpIntEntryCaption, true);
  frame::SetVisible(app_, kPpIntResults, false);
  frame::Clear(app_, kPpIntResults);
  frame::SetVisible(app_, {Box(KcdPpEntered)}, true);
  app_.text1(KcdPpEntered).setText("");
  frame::SetVisible(app_, {kPpIntCases}, false);
}

void SlowFrontTabs::SelectKcdCalculationPpInt() {
  frame::SetVisible(app_, {kPpIntLine}, false);
  frame::SetVisible(app_, kPpIntEntryCaption, false);
  frame::SetVisible(app_, {Box(KcdPpEntered)}, false);
  app_.text1(KcdPpEntered).setText("");
  frame::SetVisible(app_, kPpIntRows, false);
  frame::SetVisible(app_, kPpIntResults, false);
  // A Ucw of the typed Kcd, hidden now, is not committed as if it stood.
  frame::Clear(app_, kPpIntResults);
  // The case options keep their selection; a click on one calculates.
  frame::SetVisible(app_, {kPpIntCases}, true);
}

void SlowFrontTabs::WithdrawPpIntCase() {
  frame::Clear(app_, kPpIntResults);
  frame::SetVisible(app_, kPpIntResults, false);
  frame::SetVisible(app_, kPpIntRows, false);
  frame::SetVisible(app_, {kPpIntLine}, false);
  frame::DeselectOptions(app_, kEnergizationOption, kReenergizationOption);
}

void SlowFrontTabs::CalculateKcdPpInt(SwitchingCase switching) {
  frame::SetVisible(app_, kPpIntEntryCaption, false);
  frame::SetVisible(app_, {Box(KcdPpEntered)}, false);
  app_.text1(KcdPpEntered).setText("");
  if (factors_.CalculateKcdPhaseToPhase(switching, kCurveB) != FactorOutcome::Written) {
    WithdrawPpIntCase();
    return;
  }
  frame::SetVisible(app_, {kPpExtFrame, kPpIntLine}, true);
  frame::SetVisible(app_, kPpIntRows, true);
  frame::SetVisible(app_, kPpIntResults, true);
  PlaceRow(kPpIntResultRow, kPpIntResultSubscript, kCalculatedTop);
}

void SlowFrontTabs::AcceptKcdPpInt() {
  platform::Control& kcd = app_.text1(KcdPpEntered);
  const bool number = app_.ReadNumber(kcd).has_value();
  if (!number) app_.InvalidValueGroup();
  if (!number || factors_.WithstandVoltage(Box(surge::UrpSfPpInt), Box(KcdPpEntered), Box(UcwSfPpIntCalc)) !=
                     FactorOutcome::Written) {
    RefuseTypedFactor(KcdPpEntered, kPpIntUcwRow);
    return;
  }
  // The ratio and the calculated Kcd hide with their texts.
  frame::SetVisible(app_, kPpIntRows, false);
  frame::SetVisible(app_, {Box(KcdPp), Box(UpsUp2RatioPp), kPpIntLine}, false);
  frame::SetVisible(app_, kPpIntUcwRow, true);
  frame::SetVisible(app_, {kPpExtFrame}, true);
  PlaceRow(kPpIntResultRow, kPpIntResultSubscript, kTypedTop);
  frame::SetVisible(app_, {kPpExtCases}, false);
}

}  // namespace coordination
