// The K2 page's modes and the checks of its boxes. The calculations behind
// the two "OK" buttons are in k2_calculation.cpp.

#include "tov/k2_page.hpp"

#include <cmath>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "tov/factor_entry.hpp"
#include "tov/slots.hpp"

namespace tov {

namespace {

using frame::ControlRef;
using frame::FilledRule;

constexpr ControlRef kFactorEntry[] = {frame::Box(K2Entered)};
constexpr ControlRef kUrpEntries[] = {frame::Box(UrpK2PeEntered), frame::Box(UrpK2PpEntered)};
constexpr FilledRule kFactorEntryRule{kFactorEntry[0], kFactorEntry, "Command1"};
constexpr FilledRule kUrpPeEntryRule{kUrpEntries[0], kUrpEntries, "Command1"};
constexpr FilledRule kUrpPpEntryRule{kUrpEntries[1], kUrpEntries, "Command1"};

// The two entries of Frame5 and what choosing one opens.
constexpr ControlRef kFactorRows[] = {"Label19", "Label18", frame::Box(K2Entered)};
constexpr ControlRef kUrpRows[] = {"Label16", "Label17", "Label11", "Label15", {"lblKV", 2}, {"lblKV", 3},
                                   frame::Box(UrpK2PpEntered), frame::Box(UrpK2PeEntered)};
constexpr ControlRef kEntryBoxes[] = {frame::Box(K2Entered), frame::Box(UrpK2PpEntered), frame::Box(UrpK2PeEntered)};
constexpr ControlRef kLineDataFrame[] = {"Frame3"};
constexpr RowChoice kFactorChoice{"Frame5", kFactorRows, kUrpRows, kEntryBoxes,
                                  "Command1", frame::Box(K2Entered), true, kLineDataFrame};
constexpr RowChoice kUrpChoice{"Frame5", kUrpRows, kFactorRows, kEntryBoxes,
                               "Command1", frame::Box(UrpK2PpEntered), false, kLineDataFrame};

// The line-data boxes in the order of their rows, f first.
constexpr ControlRef kLineData[] = {
    frame::Box(K2Frequency),         frame::Box(K2LineLength),          frame::Box(K2Capacitance),
    frame::Box(K2ReceivingVoltage),  frame::Box(K2ChargingPower),       frame::Box(K2ShortCircuitPower),
    frame::Box(K2CompensationSending), frame::Box(K2CompensationReceiving), frame::Box(K2LinePower),
    frame::Box(K2Inductance),
};
static_assert(std::size(kLineData) == K2Inductance - K2Frequency + 1);

}  // namespace

using frame::SetVisible;
using platform::Control;
using platform::EventType;

void K2Page::Build(platform::Window& w) {
  w.createAll(Design());
  // A reloaded window starts without a formula choice.
  mK2FormulaMode = FormulaMode::None;
}

void K2Page::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on("Command8", EventType::Click, [this] { Command8_Click(); });
  routes.on("Command6", EventType::Click, [this] { Command6_Click(); });
  routes.on("Command7", EventType::Click, [this] { Command7_Click(); });
  routes.on("Command1", EventType::Click, [this] { Command1_Click(); });
  routes.on(Option1Click, 0, [this] { SelectK2EnterMode(); });
  routes.on(Option1Click, 1, [this] { Option2_Click(); });
  routes.on(Option1Click, 2, [this] { SelectK2Ignore(); });
  routes.on(Option1Click, 3, [this] { SelectK2EnterFactor(); });
  routes.on(Option1Click, 4, [this] { SelectK2EnterUrp(); });
  routes.on(Option1Click, 5, [this] { SelectK2AnalyticalFormula(); });
  routes.on(Option1Click, 6, [this] { SelectK2SimplifiedFormula(); });
  routes.on(Text1Change, K2Entered, [this] { Text4_Change(); });
  routes.on(Text1Change, UrpK2PeEntered, [this] { Text3_Change(); });
  routes.on(Text1Change, UrpK2PpEntered, [this] { Text2_Change(); });
  routes.onEach(Text1Change, K2Frequency, K2Inductance, [this](int slot) { ValidateLineDataSlot(slot); });
  routes.on(Text1Change, UrpK2Pe, [this] { Text6_Change(); });
  routes.on(Text1Change, UrpK2Pp, [this] { Text5_Change(); });
  // The charging power does not depend on which of f, l, C1 and U2 was left.
  routes.onEach(Text1LostFocus, K2Frequency, K2ReceivingVoltage, [this](int) { CalculateK2ChargingPower(); });
}

bool K2Page::LineDataFilled(int lastSlot) const {
  return frame::AllFilled(app_, frame::ControlRefs(kLineData).first(static_cast<std::size_t>(lastSlot - K2Frequency + 1)));
}

// The results area back to empty and hidden; clearing the result boxes runs
// the "Next >>" rule, which disables "Next >>".
void K2Page::ResetResults() {
  SetVisible(app_, {{"Label1", 3}, {"Label1", 4}, "Label20", {"Label13", 2}, {"Label13", 3}, {"Label13", 4},
                    {"Label13", 5}, "Label22"},
             false);
  app_.text1(UrpK2Pp).setText("");
  app_.text1(UrpK2Pe).setText("");
  app_.text1(UrpK2Pp).setVisible(false);
  app_.text1(UrpK2Pe).setVisible(false);
  ClearSendingEnd();
}

// The sending-end results emptied and hidden, with the two buttons that choose
// an end and the K2RE and K2SE above the columns.
void K2Page::ClearSendingEnd() {
  SetVisible(app_, {"Command6", "Label24", "Label25"}, false);
  app_.text1(UrpK2PpSending).setText("");
  app_.text1(UrpK2PeSending).setText("");
  app_.text1(UrpK2PpSending).setVisible(false);
  app_.text1(UrpK2PeSending).setVisible(false);
  SetVisible(app_, {"Command7", "Label45", "Label26"}, false);
}

// "Enter": the choice between factor and Urp comes up; the typed line data
// and the formula mode stay as they are.
void K2Page::SelectK2EnterMode() {
  SetVisible(app_, {"Frame2"}, true);
  SetVisible(app_, {"Frame4", "Frame5", "Frame3"}, false);
  ResetResults();
  frame::DeselectOptions(app_, 3, 6);
  app_.control("Command2").setEnabled(false);
}

void K2Page::Option2_Click() {
  SetVisible(app_, {"Frame2"}, false);
  SetVisible(app_, {"Frame4"}, true);
  SetVisible(app_, {"Frame5", "Frame3"}, false);
  ResetResults();
  frame::DeselectOptions(app_, 3, 6);
  app_.control("Command2").setEnabled(false);
}

void K2Page::SelectK2Ignore() {
  SetVisible(app_, {"Frame2", "Frame4", "Frame5", "Frame3"}, false);
  SetVisible(app_, {{"Label1", 3}, {"Label1", 4}, "Label20", {"Label13", 2}, {"Label13", 3}}, true);
  SetVisible(app_, {{"Label13", 4}, {"Label13", 5}}, false);
  SetVisible(app_, {"Label22"}, true);
  app_.text1(UrpK2Pp).setText("");
  app_.text1(UrpK2Pe).setText("");
  const double um = app_.Um();
  // From a Um of 1E6 kV the two results no longer fit the six characters of
  // their boxes: refused as every other result that cannot be shown.
  const bool written = WriteResults({{UrpK2Pe, um / std::sqrt(3.0)}, {UrpK2Pp, um}});
  app_.text1(UrpK2Pp).setVisible(true);
  app_.text1(UrpK2Pe).setVisible(true);
  ClearSendingEnd();
  frame::DeselectOptions(app_, 3, 6);
  if (!written) ShowOutcome(RefuseResult());
  // The writes ran the "Next >>" rule while "Choose K2RE" may still have been
  // visible from an earlier analytical result.
  app_.control("Command2").setEnabled(written);
}

void K2Page::SelectK2EnterFactor() {
  OpenRows(app_, kFactorChoice);
  ResetResults();
  app_.control("Command2").setEnabled(false);
}

void K2Page::SelectK2EnterUrp() {
  OpenRows(app_, kUrpChoice);
  ResetResults();
  app_.control("Command2").setEnabled(false);
}

// Captions Label33(0) to (17) belong to boxes 4 to 13: f and l one each, the
// others a caption and its subscript.
void K2Page::SelectK2AnalyticalFormula() { ShowFormulaRows(K2Inductance, 17, FormulaMode::Analytical); }
void K2Page::SelectK2SimplifiedFormula() { ShowFormulaRows(K2ShortCircuitPower, 9, FormulaMode::Simplified); }

// The line-data rows up to lastSlot shown, the others hidden, all ten boxes
// cleared and "OK" placed under the last shown box.
void K2Page::ShowFormulaRows(int lastSlot, int lastCaption, FormulaMode mode) {
  SetVisible(app_, {"Frame3"}, true);
  for (int i = 0; i <= 17; ++i) app_.control("Label33", i).setVisible(i <= lastCaption);
  for (int slot = K2Frequency; slot <= K2Inductance; ++slot) app_.text1(slot).setVisible(slot <= lastSlot);
  // The checks these clears run still see the previous mode; "OK" is hidden below anyway.
  for (int slot = K2Frequency; slot <= K2Inductance; ++slot) app_.text1(slot).setText("");
  const Control& below = app_.text1(lastSlot);
  Control& ok = app_.control("Command8");
  frame::PlaceBelow(ok, below);
  ok.setVisible(false);
  SetVisible(app_, {"Frame5"}, false);
  ResetResults();
  app_.control("Command2").setEnabled(false);
  mK2FormulaMode = mode;
}


// The entry boxes: each box's check, then "OK" shown once its group is filled.
void K2Page::Text4_Change() { frame::RunFilledRule(app_, kFactorEntryRule); }
void K2Page::Text3_Change() { frame::RunFilledRule(app_, kUrpPeEntryRule); }
void K2Page::Text2_Change() { frame::RunFilledRule(app_, kUrpPpEntryRule); }

void K2Page::ValidateLineDataSlot(int slot) {
  frame::RefuseUnlessNumber(app_, app_.text1(slot));
  Control& ok = app_.control("Command8");
  if (slot >= K2CompensationSending) {
    ok.setVisible(LineDataFilled(K2Inductance));
  } else if (mK2FormulaMode == FormulaMode::Analytical) {
    ok.setVisible(LineDataFilled(K2Inductance));
  } else if (mK2FormulaMode == FormulaMode::Simplified) {
    ok.setVisible(LineDataFilled(K2ShortCircuitPower));
  }
}

// "Next >>" is offered once both results stand and no end is left to choose.
void K2Page::Text6_Change() {
  const bool both = frame::IsFilled(app_.text1(UrpK2Pe)) && frame::IsFilled(app_.text1(UrpK2Pp));
  app_.control("Command2").setEnabled(both && !app_.control("Command6").visible());
}

}  // namespace tov
