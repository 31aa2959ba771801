// The internal insulation frame of the phase-to-earth tab, Frame31(0):
// Ucw = Kcd × Urp, Kcd typed or calculated by curve a from Ue2 in kV or pu.

#include "coordination/slow_front_tab_groups.hpp"
#include "coordination/slow_front_tabs.hpp"
#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "surge/slots.hpp"

namespace coordination {

namespace {

using namespace tabs;

constexpr int kResultTop = 3360;       // below the ratio row
constexpr int kTypedResultTop = 2820;  // in the place of the ratio row
constexpr ControlRef kUnitChoice{"Frame36", 6};

constexpr Ue2IntakeBoxes kIntake{Box(Ue2PeCwInt), frame::Option(68),      frame::Option(69),  Box(UpsUe2RatioPe),
                                 Box(KcdPe),      Box(surge::UrpSfPeInt), Box(UcwSfPeIntCalc)};

// What each option of the frame does besides hiding the external frame and
// emptying the frame's boxes.
enum class UnitChoice { Hide, Show, Keep };
struct OptionView {
  bool unsetUnits;
  UnitChoice unitChoice;
  bool ue2Row;
  bool entryRow;
};
constexpr OptionView kKcdEntry{false, UnitChoice::Hide, false, true};
constexpr OptionView kKcdCalculation{true, UnitChoice::Show, false, false};
constexpr OptionView kUe2Entry{false, UnitChoice::Keep, true, false};

void ShowOption(frame::App& app, const OptionView& view) {
  frame::SetVisible(app, {kPeExtFrame}, false);
  if (view.unsetUnits) frame::DeselectOptions(app, 68, 69);
  if (view.unitChoice != UnitChoice::Keep) frame::SetVisible(app, {kUnitChoice}, view.unitChoice == UnitChoice::Show);
  frame::SetVisible(app, kPeIntRows, false);
  frame::SetVisible(app, {kPeIntLine}, false);
  frame::SetVisible(app, kPeIntUe2Row, view.ue2Row);
  frame::SetVisible(app, kPeIntResults, false);
  // Emptying the typed boxes hides their "OK" buttons.
  frame::Clear(app, {Box(Ue2PeCwInt), Box(UpsUe2RatioPe), Box(KcdPe), Box(UcwSfPeIntCalc)});
  frame::SetVisible(app, kPeIntEntryRow, view.entryRow);
  frame::Clear(app, {Box(KcdPeEntered)});
}

}  // namespace

void SlowFrontTabs::SelectKcdEntryPeInt() { ShowOption(app_, kKcdEntry); }
void SlowFrontTabs::SelectKcdCalculationPeInt() { ShowOption(app_, kKcdCalculation); }
void SlowFrontTabs::SelectUe2PeInt() { ShowOption(app_, kUe2Entry); }

void SlowFrontTabs::ShowPeIntCalculation(bool shown) {
  frame::SetVisible(app_, kPeIntRows, shown);
  frame::SetVisible(app_, kPeIntUe2Row, shown);
  frame::SetVisible(app_, kPeIntResults, shown);
  frame::SetVisible(app_, {kPeIntLine, kPeExtFrame}, shown);
}

void SlowFrontTabs::CalculateKcdPeInt() {
  const std::optional<double> before = factors_.Ue2PerUnit();
  switch (factors_.CalculateKcdPhaseToEarth(kIntake)) {
    case FactorOutcome::Written:
      ShowPeIntCalculation(true);
      PlaceRow(kPeIntResultRow, kPeIntResultSubscript, kResultTop);
      FollowNewUe2PerUnit(before);
      break;
    case FactorOutcome::Refused:
      // The Ue2 row hides too; a unit option brings it back, empty.
      ShowPeIntCalculation(false);
      break;
    case FactorOutcome::NotComputed: break;
  }
}

void SlowFrontTabs::AcceptKcdPeInt() {
  platform::Control& kcd = app_.text1(KcdPeEntered);
  if (!frame::IsFilled(kcd)) return;
  const bool number = app_.ReadNumber(kcd).has_value();
  if (!number) app_.InvalidValueGroup();
  if (!number || factors_.WithstandVoltage(Box(surge::UrpSfPeInt), Box(KcdPeEntered), Box(UcwSfPeIntCalc)) !=
                     FactorOutcome::Written) {
    // Nothing of an earlier result stays for the commit to copy.
    kcd.setText("");
    frame::Clear(app_, kPeIntResults);
    ShowPeIntCalculation(false);
    return;
  }
  frame::SetVisible(app_, kPeIntRatioRow, false);
  frame::SetVisible(app_, kPeIntUe2Row, false);
  frame::SetVisible(app_, kPeIntResultRow, true);
  frame::SetVisible(app_, {kPeIntResultSubscript, kPeExtFrame}, true);
  PlaceRow(kPeIntResultRow, kPeIntResultSubscript, kTypedResultTop);
}

}  // namespace coordination
