// The K2 page's modes and the checks of its boxes. The calculations behind
// the two "OK" buttons are in k2_calculation.cpp.

#include "tov/k2_page.hpp"

#include <cmath>
#include <string>

#include "platform/numbers.hpp"
#include "tov/slots.hpp"

namespace tov {

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

void K2Page::Register(frame::Procedures& procedures) {
  procedures.add("Option2_Click", [this] { Option2_Click(); });
  procedures.add("SelectK2Ignore", [this] { SelectK2Ignore(); });
  procedures.add("SelectK2EnterFactor", [this] { SelectK2EnterFactor(); });
  procedures.add("SelectK2EnterUrp", [this] { SelectK2EnterUrp(); });
  procedures.add("SelectK2AnalyticalFormula", [this] { SelectK2AnalyticalFormula(); });
  procedures.add("SelectK2SimplifiedFormula", [this] { SelectK2SimplifiedFormula(); });
  procedures.add("Text4_Change", [this] { Text4_Change(); });
  procedures.add("Text3_Change", [this] { Text3_Change(); });
  procedures.add("Text2_Change", [this] { Text2_Change(); });
  const std::pair<const char*, int> lineChecks[] = {
      {"ValidateK2Frequency", K2Frequency},
      {"ValidateK2LineLength", K2LineLength},
      {"ValidateK2Capacitance", K2Capacitance},
      {"ValidateK2Voltage", K2ReceivingVoltage},
      {"ValidateK2ChargingPower", K2ChargingPower},
      {"ValidateK2ShortCircuitPower", K2ShortCircuitPower},
      {"ValidateK2CompensationSe", K2CompensationSending},
      {"ValidateK2CompensationRe", K2CompensationReceiving},
      {"ValidateK2LinePower", K2LinePower},
      {"ValidateK2Inductance", K2Inductance},
  };
  for (const auto& [name, slot] : lineChecks)
    procedures.add(name, [this, slot = slot] { ValidateLineDataSlot(slot); });
  procedures.add("Text6_Change", [this] { Text6_Change(); });
  procedures.add("Text5_Change", [this] { Text5_Change(); });
  // The charging power does not depend on which of the four boxes was left.
  for (const char* name : {"CalculateK2ChargingPowerF", "CalculateK2ChargingPowerL",
                           "CalculateK2ChargingPowerC", "CalculateK2ChargingPowerU"})
    procedures.add(name, [this] { CalculateK2ChargingPower(); });
}

Control& K2Page::Ctl(const char* name, int index) const { return app_.control(name, index); }
Control& K2Page::Slot(int slot) const { return app_.text1(slot); }
bool K2Page::Filled(int slot) const { return !Slot(slot).text().empty(); }

bool K2Page::AllFilled(int first, int last) const {
  for (int i = first; i <= last; ++i)
    if (!Filled(i)) return false;
  return true;
}

void K2Page::ShowControl(const char* name, int index, bool visible) const {
  Ctl(name, index).setVisible(visible);
}

// The results area back to empty and hidden; clearing the result boxes runs
// the "Next >>" rule, which disables "Next >>".
void K2Page::ResetResults() {
  for (int i : {3, 4}) ShowControl("Label1", i, false);
  ShowControl("Label20", kNoIndex, false);
  for (int i : {2, 3, 4, 5}) ShowControl("Label13", i, false);
  ShowControl("Label22", kNoIndex, false);
  Slot(UrpK2Pp).setText("");
  Slot(UrpK2Pe).setText("");
  Slot(UrpK2Pp).setVisible(false);
  Slot(UrpK2Pe).setVisible(false);
  for (const char* name : {"Command6", "Label24", "Label25"}) ShowControl(name, kNoIndex, false);
  Slot(UrpK2PpSending).setText("");
  Slot(UrpK2PeSending).setText("");
  Slot(UrpK2PpSending).setVisible(false);
  Slot(UrpK2PeSending).setVisible(false);
  for (const char* name : {"Command7", "Label45", "Label26"}) ShowControl(name, kNoIndex, false);
}

void K2Page::Option2_Click() {
  ShowControl("Frame2", kNoIndex, false);
  ShowControl("Frame4", kNoIndex, true);
  ShowControl("Frame5", kNoIndex, false);
  ShowControl("Frame3", kNoIndex, false);
  ResetResults();
  for (int i = 3; i <= 6; ++i) Ctl("Option1", i).setValue(false);
  Ctl("Command2").setEnabled(false);
}

void K2Page::SelectK2Ignore() {
  for (const char* frame : {"Frame2", "Frame4", "Frame5", "Frame3"}) ShowControl(frame, kNoIndex, false);
  ShowControl("Label1", 3, true);
  ShowControl("Label1", 4, true);
  ShowControl("Label20", kNoIndex, true);
  ShowControl("Label13", 2, true);
  ShowControl("Label13", 3, true);
  ShowControl("Label13", 4, false);
  ShowControl("Label13", 5, false);
  ShowControl("Label22", kNoIndex, true);
  Slot(UrpK2Pp).setText("");
  Slot(UrpK2Pe).setText("");
  const double um = app_.Um();
  // Um and Um / sqrt(3) of an accepted Um always fit their boxes; should one
  // not, the rows stay empty and "Next >>" is not offered.
  const bool written = WriteResults({{UrpK2Pe, um / std::sqrt(3.0)}, {UrpK2Pp, um}});
  Slot(UrpK2Pp).setVisible(true);
  Slot(UrpK2Pe).setVisible(true);
  for (const char* name : {"Command6", "Label24", "Label25"}) ShowControl(name, kNoIndex, false);
  Slot(UrpK2PpSending).setText("");
  Slot(UrpK2PeSending).setText("");
  Slot(UrpK2PpSending).setVisible(false);
  Slot(UrpK2PeSending).setVisible(false);
  for (const char* name : {"Command7", "Label45", "Label26"}) ShowControl(name, kNoIndex, false);
  for (int i = 3; i <= 6; ++i) Ctl("Option1", i).setValue(false);
  // The writes ran the "Next >>" rule while "Choose K2RE" may still have been
  // visible from an earlier analytical result.
  Ctl("Command2").setEnabled(written);
}

void K2Page::SelectK2EnterFactor() {
  ShowControl("Frame5", kNoIndex, true);
  for (const char* name : {"Label16", "Label17", "Label11", "Label15"}) ShowControl(name, kNoIndex, false);
  ShowControl("lblKV", 2, false);
  ShowControl("lblKV", 3, false);
  Slot(UrpK2PpEntered).setVisible(false);
  Slot(UrpK2PeEntered).setVisible(false);
  ShowControl("Label19", kNoIndex, true);
  ShowControl("Label18", kNoIndex, true);
  Slot(K2Entered).setText("");
  Slot(UrpK2PpEntered).setText("");
  Slot(UrpK2PeEntered).setText("");
  Control& box = Slot(K2Entered);
  box.setVisible(true);
  Control& ok = Ctl("Command1");
  ok.setGeometry(box.left() + box.width() + 60, box.top(), ok.width(), ok.height());
  ok.setVisible(false);
  ShowControl("Frame3", kNoIndex, false);
  ResetResults();
  Ctl("Command2").setEnabled(false);
}

void K2Page::SelectK2EnterUrp() {
  ShowControl("Frame5", kNoIndex, true);
  ShowControl("Label18", kNoIndex, false);
  ShowControl("Label19", kNoIndex, false);
  Slot(K2Entered).setVisible(false);
  for (const char* name : {"Label11", "Label15", "Label16", "Label17"}) ShowControl(name, kNoIndex, true);
  ShowControl("lblKV", 2, true);
  ShowControl("lblKV", 3, true);
  Slot(K2Entered).setText("");
  Slot(UrpK2PpEntered).setText("");
  Slot(UrpK2PeEntered).setText("");
  Slot(UrpK2PpEntered).setVisible(true);
  Slot(UrpK2PeEntered).setVisible(true);
  const Control& below = Slot(UrpK2PpEntered);
  Control& ok = Ctl("Command1");
  ok.setGeometry(below.left(), below.top() + below.height() + 150, ok.width(), ok.height());
  ok.setVisible(false);
  ShowControl("Frame3", kNoIndex, false);
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
  ShowControl("Frame3", kNoIndex, true);
  for (int i = 0; i <= 17; ++i) ShowControl("Label33", i, i <= lastCaption);
  for (int slot = K2Frequency; slot <= K2Inductance; ++slot) Slot(slot).setVisible(slot <= lastSlot);
  // The checks these clears run still see the previous mode; "OK" is hidden below anyway.
  for (int slot = K2Frequency; slot <= K2Inductance; ++slot) Slot(slot).setText("");
  const Control& below = Slot(lastSlot);
  Control& ok = Ctl("Command8");
  ok.setGeometry(below.left(), below.top() + below.height() + 150, ok.width(), ok.height());
  ok.setVisible(false);
  ShowControl("Frame5", kNoIndex, false);
  ResetResults();
  Ctl("Command2").setEnabled(false);
  mK2FormulaMode = mode;
}

// The numeric test of a box's check: a text that is no usable number is
// refused and the box emptied (which runs the check once more, silently).
bool K2Page::CheckNumber(int slot) {
  Control& box = Slot(slot);
  if (box.text().empty() || platform::TextToNumber(box.text())) return true;
  app_.InvalidValueBox();
  box.setText("");
  return false;
}

void K2Page::Text4_Change() {
  CheckNumber(K2Entered);
  ShowControl("Command1", kNoIndex, Filled(K2Entered));
}

void K2Page::Text3_Change() {
  CheckNumber(UrpK2PeEntered);
  ShowControl("Command1", kNoIndex, Filled(UrpK2PeEntered) && Filled(UrpK2PpEntered));
}

void K2Page::Text2_Change() {
  CheckNumber(UrpK2PpEntered);
  ShowControl("Command1", kNoIndex, Filled(UrpK2PeEntered) && Filled(UrpK2PpEntered));
}

void K2Page::ValidateLineDataSlot(int slot) {
  CheckNumber(slot);
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
