// The K2 page's modes and the checks of its boxes. The calculations behind
// the two "OK" buttons are in k2_calculation.cpp.

#include "tov/k2_page.hpp"

#include <cmath>
#include <string>

#include "frame/page_kit.hpp"
#include "platform/numbers.hpp"
#include "tov/slots.hpp"

namespace tov {

namespace {

using frame::ControlRef;
using frame::FilledRule;

constexpr ControlRef kFactorEntry[] = {{"Text1", K2Entered}};
constexpr ControlRef kUrpEntries[] = {{"Text1", UrpK2PeEntered}, {"Text1", UrpK2PpEntered}};
constexpr FilledRule kFactorEntryRule{kFactorEntry[0], kFactorEntry, "Command1"};
constexpr FilledRule kUrpPeEntryRule{kUrpEntries[0], kUrpEntries, "Command1"};
constexpr FilledRule kUrpPpEntryRule{kUrpEntries[1], kUrpEntries, "Command1"};

}  // namespace

using frame::SetVisible;
using platform::Control;
using platform::EventType;
using platform::kNoIndex;

void K2Page::Build(platform::Window& w) {
  w.createAll(Design());
  // A reloaded window starts without a formula choice.
  mK2FormulaMode = FormulaMode::None;
  w.on("Command8", EventType::Click, [this](platform::Event&) { Command8_Click(); });
  w.on("Command6", EventType::Click, [this](platform::Event&) { Command6_Click(); });
  w.on("Command7", EventType::Click, [this](platform::Event&) { Command7_Click(); });
  w.on("Command1", EventType::Click, [this](platform::Event&) { Command1_Click(); });
}


Control& K2Page::Ctl(const char* name, int index) const { return app_.control(name, index); }
Control& K2Page::Slot(int slot) const { return app_.text1(slot); }
bool K2Page::Filled(int slot) const { return !Slot(slot).text().empty(); }

bool K2Page::AllFilled(int first, int last) const {
  for (int i = first; i <= last; ++i)
    if (!Filled(i)) return false;
  return true;
}


// The results area back to empty and hidden; clearing the result boxes runs
// the "Next >>" rule, which disables "Next >>".
void K2Page::ResetResults() {
  SetVisible(app_, {{"Label1", 3}, {"Label1", 4}, "Label20", {"Label13", 2}, {"Label13", 3}, {"Label13", 4},
                    {"Label13", 5}, "Label22"},
             false);
  Slot(UrpK2Pp).setText("");
  Slot(UrpK2Pe).setText("");
  Slot(UrpK2Pp).setVisible(false);
  Slot(UrpK2Pe).setVisible(false);
  SetVisible(app_, {"Command6", "Label24", "Label25"}, false);
  Slot(UrpK2PpSending).setText("");
  Slot(UrpK2PeSending).setText("");
  Slot(UrpK2PpSending).setVisible(false);
  Slot(UrpK2PeSending).setVisible(false);
  SetVisible(app_, {"Command7", "Label45", "Label26"}, false);
}

// "Enter": the choice between factor and Urp comes up; the typed line data
// and the formula mode stay as they are.
void K2Page::SelectK2EnterMode() {
  SetVisible(app_, {"Frame2"}, true);
  SetVisible(app_, {"Frame4", "Frame5", "Frame3"}, false);
  ResetResults();
  frame::DeselectOptions(app_, 3, 6);
  Ctl("Command2").setEnabled(false);
}

void K2Page::Option2_Click() {
  SetVisible(app_, {"Frame2"}, false);
  SetVisible(app_, {"Frame4"}, true);
  SetVisible(app_, {"Frame5", "Frame3"}, false);
  ResetResults();
  frame::DeselectOptions(app_, 3, 6);
  Ctl("Command2").setEnabled(false);
}

void K2Page::SelectK2Ignore() {
  SetVisible(app_, {"Frame2", "Frame4", "Frame5", "Frame3"}, false);
  SetVisible(app_, {{"Label1", 3}, {"Label1", 4}, "Label20", {"Label13", 2}, {"Label13", 3}}, true);
  SetVisible(app_, {{"Label13", 4}, {"Label13", 5}}, false);
  SetVisible(app_, {"Label22"}, true);
  Slot(UrpK2Pp).setText("");
  Slot(UrpK2Pe).setText("");
  const double um = app_.Um();
  // From a Um of 1E6 kV the two results no longer fit the six characters of
  // their boxes: refused as every other result that cannot be shown.
  const bool written = WriteResults({{UrpK2Pe, um / std::sqrt(3.0)}, {UrpK2Pp, um}});
  Slot(UrpK2Pp).setVisible(true);
  Slot(UrpK2Pe).setVisible(true);
  SetVisible(app_, {"Command6", "Label24", "Label25"}, false);
  Slot(UrpK2PpSending).setText("");
  Slot(UrpK2PeSending).setText("");
  Slot(UrpK2PpSending).setVisible(false);
  Slot(UrpK2PeSending).setVisible(false);
  SetVisible(app_, {"Command7", "Label45", "Label26"}, false);
  frame::DeselectOptions(app_, 3, 6);
  if (!written) ShowOutcome(RefuseResult());
  // The writes ran the "Next >>" rule while "Choose K2RE" may still have been
  // visible from an earlier analytical result.
  Ctl("Command2").setEnabled(written);
}

void K2Page::SelectK2EnterFactor() {
  SetVisible(app_, {"Frame5"}, true);
  SetVisible(app_, {"Label16", "Label17", "Label11", "Label15", {"lblKV", 2}, {"lblKV", 3}}, false);
  Slot(UrpK2PpEntered).setVisible(false);
  Slot(UrpK2PeEntered).setVisible(false);
  SetVisible(app_, {"Label19", "Label18"}, true);
  Slot(K2Entered).setText("");
  Slot(UrpK2PpEntered).setText("");
  Slot(UrpK2PeEntered).setText("");
  Control& box = Slot(K2Entered);
  box.setVisible(true);
  Control& ok = Ctl("Command1");
  frame::PlaceBeside(ok, box);
  ok.setVisible(false);
  SetVisible(app_, {"Frame3"}, false);
  ResetResults();
  Ctl("Command2").setEnabled(false);
}

void K2Page::SelectK2EnterUrp() {
  SetVisible(app_, {"Frame5"}, true);
  SetVisible(app_, {"Label18", "Label19"}, false);
  Slot(K2Entered).setVisible(false);
  SetVisible(app_, {"Label11", "Label15", "Label16", "Label17", {"lblKV", 2}, {"lblKV", 3}}, true);
  Slot(K2Entered).setText("");
  Slot(UrpK2PpEntered).setText("");
  Slot(UrpK2PeEntered).setText("");
  Slot(UrpK2PpEntered).setVisible(true);
  Slot(UrpK2PeEntered).setVisible(true);
  const Control& below = Slot(UrpK2PpEntered);
  Control& ok = Ctl("Command1");
  frame::PlaceBelow(ok, below);
  ok.setVisible(false);
  SetVisible(app_, {"Frame3"}, false);
  ResetResults();
  Ctl("Command2").setEnabled(false);
}

// Captions Label33(0) to (17) belong to boxes 4 to 13: f and l one each, the
// others a caption and its subscript.
void K2Page::SelectK2AnalyticalFormula() { ShowFormulaRows(K2Inductance, 17, FormulaMode::Analytical); }
void K2Page::SelectK2SimplifiedFormula() { ShowFormulaRows(K2ShortCircuitPower, 9, FormulaMode::Simplified); }

// The line-data rows up to lastSlot shown, the others hidden, all ten boxes
// cleared and "OK" placed under the last shown box.
void K2Page::ShowFormulaRows(int lastSlot, int lastCaption, FormulaMode mode) {
  SetVisible(app_, {"Frame3"}, true);
  for (int i = 0; i <= 17; ++i) Ctl("Label33", i).setVisible(i <= lastCaption);
  for (int slot = K2Frequency; slot <= K2Inductance; ++slot) Slot(slot).setVisible(slot <= lastSlot);
  // The checks these clears run still see the previous mode; "OK" is hidden below anyway.
  for (int slot = K2Frequency; slot <= K2Inductance; ++slot) Slot(slot).setText("");
  const Control& below = Slot(lastSlot);
  Control& ok = Ctl("Command8");
  frame::PlaceBelow(ok, below);
  ok.setVisible(false);
  SetVisible(app_, {"Frame5"}, false);
  ResetResults();
  Ctl("Command2").setEnabled(false);
  mK2FormulaMode = mode;
}


// The entry boxes: each box's check, then "OK" shown once its group is filled.
void K2Page::Text4_Change() { frame::RunFilledRule(app_, kFactorEntryRule); }
void K2Page::Text3_Change() { frame::RunFilledRule(app_, kUrpPeEntryRule); }
void K2Page::Text2_Change() { frame::RunFilledRule(app_, kUrpPpEntryRule); }

void K2Page::ValidateLineDataSlot(int slot) {
  frame::RefuseUnlessNumber(app_, Slot(slot));
  Control& ok = Ctl("Command8");
  if (slot >= K2CompensationSending) {
    ok.setVisible(AllFilled(K2Frequency, K2Inductance));
  } else if (mK2FormulaMode == FormulaMode::Analytical) {
    ok.setVisible(AllFilled(K2Frequency, K2Inductance));
  } else if (mK2FormulaMode == FormulaMode::Simplified) {
    ok.setVisible(AllFilled(K2Frequency, K2ShortCircuitPower));
  }
}

// "Next >>" is offered once both results stand and no end is left to choose.
void K2Page::Text6_Change() {
  const bool both = Filled(UrpK2Pe) && Filled(UrpK2Pp);
  Ctl("Command2").setEnabled(both && !Ctl("Command6").visible());
}

}  // namespace tov
