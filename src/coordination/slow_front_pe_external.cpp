// The external insulation frame of the phase-to-earth tab, Frame31(1):
// Ucw = K × Urp by the deterministic method (Kcd typed, or by curve a from
// Ue2) or the statistical method (Kcs typed, or from the risk of failure R).
// The method chosen here is also the method of the external phase-to-phase
// frame. With the tab's "<<Back" and "Next >>".

#include "coordination/slow_front_tab_groups.hpp"
#include "coordination/slow_front_tabs.hpp"
#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "surge/slots.hpp"

namespace coordination {

namespace {

using namespace tabs;

constexpr ControlRef kFactorModes{"Frame36", 9}, kUnits{"Frame36", 8};
constexpr int kDeterministicOption = 70, kStatisticalOption = 71;

// What a method changes on both external frames.
struct MethodLook {
  const char* enterCaption;
  const char* calculateCaption;
  int ppOption, ppOtherOption;  // the phase-to-phase method options
  const char* ppFrameCaption;
  const char* k;  // K's subscript
};
constexpr MethodLook kDeterministic{"Enter deterministic co-ordination factor",
                                    "Calculate deterministic co-ordination factor", 79, 78,
                                    "External insulation (Deterministic method)", "cd"};
constexpr MethodLook kStatistical{"Enter statistical co-ordination factor",
                                  "Calculate statistical co-ordination factor", 78, 79, "External insulation (Statistical method)", "cs"};

constexpr ControlRef kPeFormula[] = {{"Shape1", 8}, {"Label41", 182}, {"Label41", 183}, {"Label41", 184},
                                     {"Label41", 185}};
constexpr ControlRef kPpFormula[] = {{"Shape1", 10}, {"Label41", 190}, {"Label41", 191}, {"Label41", 192},
                                     {"Label41", 193}};

constexpr int kEnteredResultTop = 3360, kDeterministicResultTop = 3900;

constexpr Ue2IntakeBoxes kIntake{Box(Ue2PeCwExt), frame::Option(73),      frame::Option(72),  Box(UpsUe2RatioPeExt),
                                 Box(KcdPeExt),   Box(surge::UrpSfPeExt), Box(UcwSfPeExtCalc)};

// The rows shown with a typed factor's result, and with a calculated Kcd's.
constexpr ControlRef kEnteredShown[] = {Label(244), Label(245), Box(FactorPeExtEntered), Label(62), Label(63),
                                        Label(64), Box(UcwSfPeExtCalc)};
constexpr ControlRef kDeterministicShown[] = {kPeExtLine, Box(Ue2PeCwExt), Box(KcdPeExt), Box(UpsUe2RatioPeExt),
                                              Label(62),  Label(63),        Label(64),     Box(UcwSfPeExtCalc)};

}  // namespace

void SlowFrontTabs::ResetRowsPeExt() {
  frame::SetVisible(app_, kPeExtRiskLabels, false);
  frame::SetVisible(app_, kPeExtFactorLabels, false);
  // Emptying the typed boxes hides their "OK" buttons, emptying Ucw disables "Next >>".
  frame::SetVisible(app_, kPeExtBoxes, false);
  frame::Clear(app_, kPeExtBoxes);
  frame::SetVisible(app_, {kPeExtLine}, false);
}

void SlowFrontTabs::SelectCwSlowFrontExtMethod(ExternalMethod method) {
  const MethodLook& look = method == ExternalMethod::Deterministic ? kDeterministic : kStatistical;
  frame::SetVisible(app_, {kFactorModes}, true);
  platform::Control& enter = app_.control("Option1", 74);
  platform::Control& calculate = app_.control("Option1", 75);
  enter.setCaption(look.enterCaption);
  calculate.setCaption(look.calculateCaption);
  frame::Deselect(app_, {frame::Option(74), frame::Option(75)});
  frame::SetVisible(app_, {kUnits}, false);
  ResetRowsPeExt();

  // The phase-to-phase frame takes the method and cannot change it: its
  // option is selected (running its reset) even while it is disabled.
  platform::Control& ppOption = app_.control("Option1", look.ppOption);
  ppOption.setValue(true);
  ppOption.setEnabled(true);
  app_.control("Option1", look.ppOtherOption).setEnabled(false);
  app_.control("Option1", 83).setCaption(enter.caption());
  app_.control("Option1", 82).setCaption(calculate.caption());
  frame::Get(app_, kPpExtFrame).setCaption(look.ppFrameCaption);
  app_.Option1_Click(look.ppOption);

  frame::SetVisible(app_, kPeFormula, true);
  app_.control("Label41", 183).setCaption(look.k);
  frame::SetVisible(app_, kPpFormula, true);
  app_.control("Label41", 191).setCaption(look.k);
}

void SlowFrontTabs::SelectFactorEntryPeExt() {
  ResetRowsPeExt();
  frame::SetVisible(app_, {Label(245), Label(244), Box(FactorPeExtEntered)}, true);
  app_.text1(FactorPeExtEntered).setText("");
  if (app_.control("Option1", kDeterministicOption).value()) app_.control("Label4", 244).setCaption("cd");
  else if (app_.control("Option1", kStatisticalOption).value()) app_.control("Label4", 244).setCaption("cs");
  frame::SetVisible(app_, {kUnits}, false);
}

void SlowFrontTabs::SelectFactorCalculationPeExt() {
  ResetRowsPeExt();
  if (app_.control("Option1", kDeterministicOption).value()) {
    frame::SetVisible(app_, {kUnits}, true);
    frame::DeselectOptions(app_, 72, 73);
  } else if (app_.control("Option1", kStatisticalOption).value()) {
    frame::SetVisible(app_, {Label(57), Label(61), Box(RiskPe)}, true);
    app_.text1(RiskPe).setText("");
  }
}

void SlowFrontTabs::SelectUe2PeExt() {
  ResetRowsPeExt();
  frame::SetVisible(app_, {Label(246), Label(247), Label(248), Box(Ue2PeCwExt)}, true);
  app_.text1(Ue2PeCwExt).setText("");
}

void SlowFrontTabs::AcceptFactorPeExt() {
  platform::Control& factor = app_.text1(FactorPeExtEntered);
  if (!app_.ReadNumber(factor)) {
    app_.InvalidValueGroup();
    ResetRowsPeExt();
    return;
  }
  // A factor that gives no withstand above zero: the entry line stays for another.
  if (factors_.WithstandVoltage(Box(surge::UrpSfPeExt), Box(FactorPeExtEntered), Box(UcwSfPeExtCalc)) !=
      FactorOutcome::Written) {
    RefuseTypedFactor(FactorPeExtEntered, kPeExtUcwRow);
    return;
  }
  frame::SetVisible(app_, Labels<57, 61>(), false);
  frame::SetVisible(app_, Labels<246, 256>(), false);
  const ControlRef otherWays[] = {Box(RiskPe), Box(KcsPe), Box(Ue2PeCwExt), Box(KcdPeExt), Box(UpsUe2RatioPeExt)};
  frame::SetVisible(app_, otherWays, false);
  frame::Clear(app_, otherWays);
  frame::SetVisible(app_, {kPeExtLine}, false);
  frame::SetVisible(app_, kEnteredShown, true);
  PlaceRow(kPeExtResultRow, kPeExtResultSubscript, kEnteredResultTop);
}

void SlowFrontTabs::CalculateKcdPeExt() {
  const std::optional<double> before = factors_.Ue2PerUnit();
  switch (factors_.CalculateKcdPhaseToEarth(kIntake)) {
    case FactorOutcome::Written: {
      frame::SetVisible(app_, Labels<246, 256>(), true);
      frame::SetVisible(app_, kDeterministicShown, true);
      frame::SetVisible(app_, Labels<57, 61>(), false);
      frame::SetVisible(app_, {Label(244), Label(245)}, false);
      const ControlRef otherWays[] = {Box(RiskPe), Box(KcsPe), Box(FactorPeExtEntered)};
      frame::SetVisible(app_, otherWays, false);
      frame::Clear(app_, otherWays);
      PlaceRow(kPeExtResultRow, kPeExtResultSubscript, kDeterministicResultTop);
      FollowNewUe2PerUnit(before);
      break;
    }
    case FactorOutcome::Refused: ResetRowsPeExt(); break;
    case FactorOutcome::NotComputed: break;
  }
}

void SlowFrontTabs::CloseCwSlowFrontTabs() { app_.control("SSTab1", 4).setVisible(false); }

void SlowFrontTabs::OpenCwSlowFrontPpTab() {
  frame::OpenPage(app_.control("SSTab1", 4), 1);
  // With the internal Kcd typed there is no Ue2 for curve b to start from.
  if (app_.control("Option1", 67).value()) {
    app_.control("Option1", 77).setEnabled(false);
  } else {
    app_.control("Option1", 76).setEnabled(true);
    app_.control("Option1", 77).setEnabled(true);
  }
}

}  // namespace coordination
