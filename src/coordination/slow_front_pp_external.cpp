// The external insulation frame of the phase-to-phase tab, Frame31(3):
// Ucw = K × Urp by the method chosen on the phase-to-earth tab, K typed, by
// curve b for a switching case (deterministic) or from the risk of failure R
// (statistical, slow_front_risk_of_failure.cpp). With the tab's "<<Back".

#include "coordination/slow_front_tab_groups.hpp"
#include "coordination/slow_front_tabs.hpp"
#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "surge/slots.hpp"

namespace coordination {

namespace {

using namespace tabs;

constexpr int kDeterministicOption = 79, kStatisticalOption = 78;
constexpr int kReenergizationOption = 80, kEnergizationOption = 81;

constexpr CurveBBoxes kCurveB{Box(UpsUp2RatioPpExt), Box(KcdPpExt), Box(surge::UrpSfPpExt), Box(UcwSfPpExtCalc)};

constexpr ControlRef kResults[] = {Box(UcwSfPpExtCalc), Box(KcsPp), Box(RiskPp)};
constexpr ControlRef kDeterministicBoxes[] = {Box(UpsUp2RatioPpExt), Box(KcdPpExt)};
constexpr ControlRef kEnteredFactor = Box(FactorPpExtEntered);

bool Selected(frame::App& app, int option) { return app.control("Option1", option).value(); }

// Every working row of the frame hidden; the typed boxes and results emptied
// (the checks hide the "OK" buttons, "Next >>" is disabled).
void HideWorkingRows(frame::App& app, bool withEntry) {
  frame::SetVisible(app, kPpExtLabels, false);
  if (withEntry) frame::SetVisible(app, kPpExtEntryLabels, false);
  frame::SetVisible(app, kPpExtDeterministicLabels, false);
  frame::SetVisible(app, kResults, false);
  frame::Clear(app, kResults);
  frame::SetVisible(app, kDeterministicBoxes, false);
  frame::Clear(app, kDeterministicBoxes);
  if (withEntry) {
    frame::SetVisible(app, {kEnteredFactor}, false);
    frame::Clear(app, {kEnteredFactor});
  }
  frame::SetVisible(app, {kPpExtLine}, false);
}

}  // namespace

void SlowFrontTabs::ResetCwSlowFrontPpExt() {
  // The method itself is read later from the option that is selected.
  frame::SetVisible(app_, {kPpExtCases}, false);
  frame::DeselectOptions(app_, 82, 83);
  HideWorkingRows(app_, true);
}

void SlowFrontTabs::SelectFactorEntryPpExt() {
  HideWorkingRows(app_, true);
  frame::SetVisible(app_, kPpExtEntryLabels, true);
  frame::SetVisible(app_, {kEnteredFactor}, true);
  if (Selected(app_, kDeterministicOption)) app_.control("Label4", 259).setCaption("cd");
  else if (Selected(app_, kStatisticalOption)) app_.control("Label4", 259).setCaption("cs");
  frame::SetVisible(app_, {kPpExtCases}, false);
}

void SlowFrontTabs::SelectFactorCalculationPpExt() {
  HideWorkingRows(app_, true);
  if (Selected(app_, kDeterministicOption)) {
    // Nothing is calculated until a switching case is clicked.
    frame::SetVisible(app_, {kPpExtCases}, true);
    frame::DeselectOptions(app_, kReenergizationOption, kEnergizationOption);
  } else if (Selected(app_, kStatisticalOption)) {
    frame::SetVisible(app_, {Label(83), Label(80), Box(RiskPp)}, true);
  }
}

void SlowFrontTabs::WithdrawPpExtCase() {
  frame::Clear(app_, {Box(UcwSfPpExtCalc)});
  frame::Clear(app_, kDeterministicBoxes);
  frame::SetVisible(app_, kPpExtUcwRow, false);
  frame::SetVisible(app_, kPpExtDeterministicLabels, false);
  frame::SetVisible(app_, kDeterministicBoxes, false);
  frame::SetVisible(app_, {kPpExtLine}, false);
  frame::DeselectOptions(app_, kReenergizationOption, kEnergizationOption);
}

void SlowFrontTabs::CalculateKcdPpExt(SwitchingCase switching) {
  frame::SetVisible(app_, kPpExtEntryLabels, false);
  frame::SetVisible(app_, {kEnteredFactor}, false);
  app_.text1(FactorPpExtEntered).setText("");
  if (factors_.CalculateKcdPhaseToPhase(switching, kCurveB) != FactorOutcome::Written) {
    WithdrawPpExtCase();
    return;
  }
  frame::SetVisible(app_, kPpExtDeterministicLabels, true);
  frame::SetVisible(app_, {kPpExtLine}, true);
  frame::SetVisible(app_, kDeterministicBoxes, true);
  frame::SetVisible(app_, kPpExtUcwRow, true);
}

void SlowFrontTabs::AcceptFactorPpExt() {
  platform::Control& factor = app_.text1(FactorPpExtEntered);
  const bool number = app_.ReadNumber(factor).has_value();
  if (!number) app_.InvalidValueGroup();
  if (!number || factors_.WithstandVoltage(Box(surge::UrpSfPpExt), kEnteredFactor, Box(UcwSfPpExtCalc)) !=
                     FactorOutcome::Written) {
    RefuseTypedFactor(FactorPpExtEntered, kPpExtUcwRow);
    return;
  }
  frame::SetVisible(app_, {Label(79), Label(80), Label(81), Label(82), Label(83)}, false);
  frame::SetVisible(app_, kPpExtDeterministicLabels, false);
  const ControlRef otherWays[] = {Box(KcsPp), Box(RiskPp), Box(UpsUp2RatioPpExt), Box(KcdPpExt)};
  frame::SetVisible(app_, otherWays, false);
  frame::Clear(app_, otherWays);
  frame::SetVisible(app_, {kPpExtLine}, false);
  frame::SetVisible(app_, kPpExtEntryLabels, true);
  frame::SetVisible(app_, {kEnteredFactor}, true);
  frame::SetVisible(app_, kPpExtUcwRow, true);
}

void SlowFrontTabs::BackToCwSlowFrontPeTab() { frame::OpenPage(app_.control("SSTab1", 4), 0); }

}  // namespace coordination
