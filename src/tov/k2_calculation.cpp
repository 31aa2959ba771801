// The K2 calculation: the charging power of the line, the line-data "OK"
// (analytical or simplified formula), the choice of the line end, and the
// entry "OK" for a typed K2 or typed Urp values.

#include <cmath>
#include <optional>

#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "platform/numbers.hpp"
#include "tov/k2_formulas.hpp"
#include "tov/k2_page.hpp"
#include "tov/slots.hpp"

namespace tov {

using platform::Control;

namespace {

std::optional<double> Number(const Control& box) { return platform::TextToNumber(box.text()); }

}  // namespace

// Writes every result or none: a value that is not finite or does not fit its
// box leaves all the boxes as they are.
bool K2Page::WriteResults(std::initializer_list<std::pair<int, double>> results) {
  // At most four results: the pairs of both line ends.
  std::pair<Control*, double> boxes[4];
  std::size_t n = 0;
  for (const auto& [slot, value] : results) boxes[n++] = {&app_.text1(slot), value};
  switch (n) {
    case 2: return frame::WriteAll(app_, {boxes[0], boxes[1]});
    case 4: return frame::WriteAll(app_, {boxes[0], boxes[1], boxes[2], boxes[3]});
    default: return false;
  }
}

// Q_OL from f, l, C1 and U2 into its box. The four texts are read with their
// dots as commas, so "0.00001" is never read as 1. A value that cannot be
// shown empties the box (after the message when asked for).
bool K2Page::WriteChargingPower(bool reportRefusal) {
  const auto f = Number(app_.text1(K2Frequency));
  const auto l = Number(app_.text1(K2LineLength));
  const auto c1 = Number(app_.text1(K2Capacitance));
  const auto u2 = Number(app_.text1(K2ReceivingVoltage));
  std::optional<double> q;
  if (f && l && c1 && u2) q = ChargingPowerOfLine(*f, *l, *c1, *u2);
  Control& box = app_.text1(K2ChargingPower);
  if (q && platform::NumberTextForBox(*q, box.maxLength()) && app_.WriteNumber(box, *q)) return true;
  if (reportRefusal) app_.InvalidValueGroup();
  box.setText("");
  return false;
}

void K2Page::CalculateK2ChargingPower() {
  if (!LineDataFilled(K2ReceivingVoltage)) return;
  WriteChargingPower(true);
}

void K2Page::ShowResultRows(bool shown) {
  frame::SetVisible(app_, {{"Label1", 3}, {"Label1", 4}, "Label20", {"Label13", 2}, {"Label13", 3}, "Label22"},
                    shown);
  app_.text1(UrpK2Pp).setVisible(shown);
  app_.text1(UrpK2Pe).setVisible(shown);
}

void K2Page::ShowSendingEnd(bool shown) {
  app_.text1(UrpK2PpSending).setVisible(shown);
  app_.text1(UrpK2PeSending).setVisible(shown);
  frame::SetVisible(app_, {"Command7", "Command6", "Label45", "Label26", "Label24", "Label25"}, shown);
  frame::SetVisible(app_, {{"Label13", 4}, {"Label13", 5}}, shown);
}

void K2Page::ShowOutcome(Outcome outcome) {
  if (outcome == Outcome::Failed) {
    ShowResultRows(false);
    ShowSendingEnd(false);
    return;
  }
  ShowResultRows(true);
  ShowSendingEnd(outcome == Outcome::TwoEnded);
}

// A result the formulas cannot give (a division by zero, a root of a negative
// number, a value beyond a double) or that does not fit its box is not shown:
// the earlier results are cleared, which also disables "Next >>".
K2Page::Outcome K2Page::RefuseResult() {
  app_.InvalidValueGroup();
  app_.text1(UrpK2Pp).setText("");
  app_.text1(UrpK2Pe).setText("");
  app_.text1(UrpK2PpSending).setText("");
  app_.text1(UrpK2PeSending).setText("");
  return Outcome::Failed;
}

K2Page::Outcome K2Page::RunAnalytical() {
  K2LineData d;
  double* fields[] = {&d.f, &d.l, &d.c1, nullptr, &d.qOL, &d.sSC, &d.qSE, &d.qRE, &d.sOL, &d.l1};
  for (int slot = K2Frequency; slot <= K2Inductance; ++slot) {
    double* field = fields[slot - K2Frequency];
    if (field == nullptr) continue;  // U2 only enters the charging power
    const auto v = Number(app_.text1(slot));
    if (!v) return RefuseResult();
    *field = *v;
  }
  const auto k2 = K2Analytical(d);
  if (!k2) return RefuseResult();
  const double um = app_.Um();
  const double root3 = std::sqrt(3.0);
  if (!WriteResults({{UrpK2Pe, k2->receiving * um / root3},
                     {UrpK2Pp, k2->receiving * um},
                     {UrpK2PeSending, k2->sending * um / root3},
                     {UrpK2PpSending, k2->sending * um}}))
    return RefuseResult();
  // The end is still to be chosen.
  app_.control("Command2").setEnabled(false);
  return Outcome::TwoEnded;
}

K2Page::Outcome K2Page::RunSimplified() {
  const auto qOL = Number(app_.text1(K2ChargingPower));
  const auto sSC = Number(app_.text1(K2ShortCircuitPower));
  if (!qOL || !sSC) return RefuseResult();
  const auto k2 = K2Simplified(*qOL, *sSC);
  if (!k2) return RefuseResult();
  const double um = app_.Um();
  if (!WriteResults({{UrpK2Pe, *k2 * um / std::sqrt(3.0)}, {UrpK2Pp, *k2 * um}})) return RefuseResult();
  app_.control("Command2").setEnabled(true);
  return Outcome::Single;
}

void K2Page::Command8_Click() {
  // The filled boxes, not the formula option, decide the formula.
  int last;
  if (LineDataFilled(K2Inductance)) {
    last = K2Inductance;
  } else if (LineDataFilled(K2ShortCircuitPower)) {
    last = K2ShortCircuitPower;
  } else {
    return;  // "OK" is not offered while neither set is complete
  }

  Outcome outcome;
  bool numbers = true;
  for (int slot = K2Frequency; slot <= last; ++slot)
    if (!Number(app_.text1(slot))) numbers = false;
  if (!numbers) {
    app_.InvalidValueGroup();
    for (int slot = K2Frequency; slot <= last; ++slot) app_.text1(slot).setText("");
    outcome = Outcome::Failed;
  } else {
    for (int slot = K2Frequency; slot <= last; ++slot) frame::ReplaceDotWithComma(app_.module1, app_.text1(slot));
    // The charging power again, from the rewritten texts, so that K2 never
    // rests on a value left from data typed since the box was last left.
    if (!WriteChargingPower(false)) {
      outcome = RefuseResult();
    } else {
      outcome = last == K2Inductance ? RunAnalytical() : RunSimplified();
    }
  }
  ShowOutcome(outcome);
}

// Closes the choice of the line end: the sending-end column and the buttons go.
void K2Page::CloseChoice() {
  frame::SetVisible(app_, {{"Label13", 4}, {"Label13", 5}, "Command6", "Command7"}, false);
  app_.control("Command2").setEnabled(true);
  frame::SetVisible(app_, {"Label24", "Label25", "Label45", "Label26"}, false);
}

void K2Page::Command6_Click() {
  app_.text1(UrpK2PpSending).setVisible(false);
  app_.text1(UrpK2PeSending).setVisible(false);
  CloseChoice();
}

void K2Page::Command7_Click() {
  app_.text1(UrpK2PpSending).setVisible(false);
  app_.text1(UrpK2PeSending).setVisible(false);
  // The texts as they stand: what the user saw is what the page keeps.
  app_.text1(UrpK2Pp).setText(app_.text1(UrpK2PpSending).text());
  app_.text1(UrpK2Pe).setText(app_.text1(UrpK2PeSending).text());
  CloseChoice();
}

void K2Page::Command1_Click() {
  bool success = false;
  if (frame::IsFilled(app_.text1(K2Entered))) {
    Control& factor = app_.text1(K2Entered);
    if (!Number(factor)) {
      app_.InvalidValueGroup();
      factor.setText("");
    } else {
      frame::ReplaceDotWithComma(app_.module1, factor);
      const auto k2 = Number(factor);
      const double um = app_.Um();
      if (k2 && WriteResults({{UrpK2Pe, *k2 * um / std::sqrt(3.0)}, {UrpK2Pp, *k2 * um}})) {
        success = true;
      } else {
        RefuseResult();
      }
    }
  } else {
    Control& pe = app_.text1(UrpK2PeEntered);
    Control& pp = app_.text1(UrpK2PpEntered);
    if (!Number(pp) || !Number(pe)) {
      app_.InvalidValueGroup();
      pe.setText("");
      pp.setText("");
    } else {
      frame::ReplaceDotWithComma(app_.module1, pe);
      frame::ReplaceDotWithComma(app_.module1, pp);
      const auto urpPe = Number(pe);
      const auto urpPp = Number(pp);
      if (urpPe && urpPp && WriteResults({{UrpK2Pe, *urpPe}, {UrpK2Pp, *urpPp}})) {
        app_.control("Frame5").setVisible(false);
        success = true;
      } else {
        RefuseResult();
      }
    }
  }
  ShowResultRows(success);
  ShowSendingEnd(false);
}

}  // namespace tov
