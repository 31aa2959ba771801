#include "tov/k4_page.hpp"

#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "platform/numbers.hpp"
#include "platform/window.hpp"
#include "tov/factor_formulas.hpp"
#include "tov/factor_entry.hpp"
#include "tov/slots.hpp"

namespace tov {

using frame::IsFilled;
using frame::NumberAsTyped;
using frame::RefuseUnlessNumber;

namespace {

using frame::FilledRule;

constexpr const char* kFactorRequired = "Enter factor 2<K4<3";
constexpr const char* kFactorIgnored = "Factor ignored";

constexpr frame::ControlRef kFactorEntry[] = {frame::Box(K4Entered)};
constexpr frame::ControlRef kUrpEntries[] = {frame::Box(UrpK4PeEntered), frame::Box(UrpK4PpEntered)};
constexpr frame::ControlRef kResonanceFactor[] = {frame::Box(K4Factor)};
constexpr frame::ControlRef kResults[] = {frame::Box(UrpK4Pe), frame::Box(UrpK4Pp)};

// The two entries of Frame11 and what choosing one opens.
constexpr frame::ControlRef kFactorRows[] = {"Label59", "Label61", frame::Box(K4Entered)};
constexpr frame::ControlRef kUrpRows[] = {"Label58", "Label47", "Label53", "Label48", {"lblKV", 5}, {"lblKV", 6},
                                          frame::Box(UrpK4PeEntered), frame::Box(UrpK4PpEntered)};
constexpr frame::ControlRef kEntryBoxes[] = {frame::Box(K4Entered), frame::Box(UrpK4PeEntered),
                                             frame::Box(UrpK4PpEntered)};
constexpr frame::ControlRef kCalculationFrames[] = {"Frame16", "Frame12"};
constexpr RowChoice kFactorChoice{"Frame11", kFactorRows, kUrpRows, kEntryBoxes,
                                  "Command15", frame::Box(K4Entered), true, kCalculationFrames};
constexpr RowChoice kUrpChoice{"Frame11", kUrpRows, kFactorRows, kEntryBoxes,
                               "Command15", frame::Box(UrpK4PpEntered), false, kCalculationFrames};

// Each box's own number check, then its "OK" shown exactly while its entry is complete.
constexpr FilledRule kFactorRule{kFactorEntry[0], kFactorEntry, "Command15"};
constexpr FilledRule kUrpPeRule{kUrpEntries[0], kUrpEntries, "Command15"};
constexpr FilledRule kUrpPpRule{kUrpEntries[1], kUrpEntries, "Command15"};
constexpr FilledRule kResonanceFactorRule{kResonanceFactor[0], kResonanceFactor, "Command16"};
// "Next >>" enabled exactly while both results stand; the results need no check.
constexpr FilledRule kNextRule{kResults[0], kResults, "Command14", FilledRule::Action::Enable, false};

}  // namespace

void K4Page::Build(platform::Window& w) {
  w.createAll(Design());
  ResetFlags();
}

void K4Page::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on("Command15", platform::EventType::Click, [this] { Command15_Click(); });
  routes.on("Command16", platform::EventType::Click, [this] { Command16_Click(); });
  routes.on(Option1Click, 14, [this] { SelectK4EnterMode(); });
  routes.on(Option1Click, 15, [this] { SelectK4CalculateMode(); });
  routes.on(Option1Click, 16, [this] { SelectK4Ignore(); });
  routes.on(Option1Click, 17, [this] { SelectK4EnterFactor(); });
  routes.on(Option1Click, 18, [this] { SelectK4EnterUrp(); });
  routes.on(Option1Click, 19, [this] { SelectK4StepDownTransformers(); });
  routes.on(Option1Click, 20, [this] { SelectK4StepUpTransformers(); });
  routes.on(Option1Click, 21, [this] { SelectK4At12Pu(); });
  routes.on(Option1Click, 22, [this] { SelectK4At15Pu(); });
  routes.on(Text1Change, K4Entered, [this] { ValidateK4Factor(); });
  routes.on(Text1Change, UrpK4PeEntered, [this] { ValidateK4UrpPe(); });
  routes.on(Text1Change, UrpK4PpEntered, [this] { ValidateK4UrpPp(); });
  routes.on(Text1Change, K4TransformerPower, [this] { UpdateK4RatiosOnStrChange(); });
  routes.on(Text1Change, K4ShortCircuitPower, [this] { UpdateK4RatiosOnSscChange(); });
  routes.on(Text1Change, K4CapacitiveLoad, [this] { UpdateK4RatiosOnQlChange(); });
  routes.on(Text1Change, K4PowerRatio, [this] { DecideK4FactorOnStrRatioChange(); });
  routes.on(Text1Change, K4LoadRatio, [this] { DecideK4FactorOnQlRatioChange(); });
  routes.on(Text1Change, K4Factor, [this] { ValidateK4ResonanceFactor(); });
  routes.on(Text1Change, UrpK4Pe, [this] { EnableK4NextOnUrpPe(); });
  routes.on(Text1Change, UrpK4Pp, [this] { Text12_Change(); });
}

void K4Page::ResetFlags() {
  mK4RatiosReady = false;
  mK4RatiosDone = false;
}

void K4Page::ShowResults(bool shown) {
  SetVisible(app_, {"Label90", {"Label1", 7}, {"Label13", 8}, "Label91", {"Label1", 5}, {"Label13", 6},
                    frame::Box(UrpK4Pe), frame::Box(UrpK4Pp)},
             shown);
}

void K4Page::ResultsOff() {
  SetVisible(app_, {"Label90", {"Label1", 7}, {"Label13", 8}, "Label91", {"Label1", 5}, {"Label13", 6}}, false);
  app_.text1(UrpK4Pe).setText("");
  app_.text1(UrpK4Pp).setText("");
  SetVisible(app_, {frame::Box(UrpK4Pe), frame::Box(UrpK4Pp)}, false);
}

bool K4Page::WriteResults(double pe, double pp) {
  platform::Control& peBox = app_.text1(UrpK4Pe);
  platform::Control& ppBox = app_.text1(UrpK4Pp);
  if (frame::WriteAll(app_, {{&peBox, pe}, {&ppBox, pp}})) return true;
  app_.InvalidValueGroup();
  ResultsOff();
  return false;
}

// ---- Option procedures -----------------------------------------------------

void K4Page::SelectK4EnterMode() {
  ResetFlags();
  SetVisible(app_, {"Frame14"}, true);
  SetVisible(app_, {"Frame13", "Frame11", "Frame16", "Frame12"}, false);
  ResultsOff();
  frame::DeselectOptions(app_, 17, 22);
  app_.control("Command14").setEnabled(false);
}

void K4Page::SelectK4CalculateMode() {
  ResetFlags();
  SetVisible(app_, {"Frame14"}, false);
  SetVisible(app_, {"Frame13"}, true);
  SetVisible(app_, {"Frame11", "Frame16", "Frame12"}, false);
  ResultsOff();
  frame::DeselectOptions(app_, 17, 22);
  app_.control("Command14").setEnabled(false);
}

void K4Page::SelectK4Ignore() {
  ResetFlags();
  SetVisible(app_, {"Frame14", "Frame13", "Frame11", "Frame16", "Frame12"}, false);
  SetVisible(app_, {"Label90", {"Label1", 7}, {"Label13", 8}, "Label91", {"Label1", 5}, {"Label13", 6}}, true);
  app_.text1(UrpK4Pe).setText("");
  app_.text1(UrpK4Pp).setText("");
  const double um = app_.Um();
  const bool written = WriteResults(UrpPhaseToEarth(1.0, um), um);
  frame::DeselectOptions(app_, 17, 22);
  if (!written) return;
  SetVisible(app_, {frame::Box(UrpK4Pe), frame::Box(UrpK4Pp)}, true);
  app_.control("Command14").setEnabled(true);
}

void K4Page::SelectK4EnterFactor() {
  ResetFlags();
  OpenRows(app_, kFactorChoice);
  ResultsOff();
  app_.control("Command14").setEnabled(false);
}

void K4Page::SelectK4EnterUrp() {
  ResetFlags();
  OpenRows(app_, kUrpChoice);
  ResultsOff();
  app_.control("Command14").setEnabled(false);
}

void K4Page::SelectTransformers() {
  ResetFlags();
  SetVisible(app_, {"Frame14", "Frame11"}, false);
  SetVisible(app_, {"Frame16"}, true);
  SetVisible(app_, {"Frame12"}, false);
  ResultsOff();
  for (int i : {17, 18, 21, 22}) app_.control("Option1", i).setValue(false);
  app_.control("Command14").setEnabled(false);
}

void K4Page::SelectK4StepDownTransformers() { SelectTransformers(); }
void K4Page::SelectK4StepUpTransformers() { SelectTransformers(); }

void K4Page::SelectLevel() {
  ResetFlags();
  SetVisible(app_, {"Frame12"}, true);
  SetVisible(app_, {"Label81", frame::Box(K4Factor)}, false);
  for (int slot : {K4TransformerPower, K4ShortCircuitPower, K4CapacitiveLoad, K4PowerRatio, K4LoadRatio, K4Factor})
    app_.text1(slot).setText("");
  app_.control("Command16").setVisible(false);
  ResultsOff();
  app_.control("Command14").setEnabled(false);
}

void K4Page::SelectK4At12Pu() { SelectLevel(); }
void K4Page::SelectK4At15Pu() { SelectLevel(); }

// ---- Entry "OK" ------------------------------------------------------------

void K4Page::Command15_Click() {
  bool success = true;
  platform::Control& factorBox = app_.text1(K4Entered);
  if (IsFilled(factorBox)) {
    const auto k4 = ReadEnteredNumber(app_, factorBox);
    if (!k4) {
      success = false;
    } else {
      const double um = app_.Um();
      if (!WriteResults(UrpPhaseToEarth(*k4, um), um * *k4)) {
        factorBox.setText("");
        return;
      }
      // The entry frame stays, so another factor can be typed.
    }
  } else {
    platform::Control& peBox = app_.text1(UrpK4PeEntered);
    platform::Control& ppBox = app_.text1(UrpK4PpEntered);
    const auto urp = ReadEnteredUrp(app_, peBox, ppBox);
    if (!urp) {
      success = false;
    } else if (!WriteResults(urp->pe, urp->pp)) {
      peBox.setText("");
      ppBox.setText("");
      return;
    } else {
      SetVisible(app_, {"Frame11"}, false);
    }
  }
  ShowResults(success);
}

// ---- Ratio update ----------------------------------------------------------

void K4Page::ClearRatios() {
  mK4RatiosReady = false;
  app_.text1(K4PowerRatio).setText("");
  mK4RatiosDone = false;
  app_.text1(K4LoadRatio).setText("");
}

bool K4Page::WriteRatio(int slot, double quotient) {
  platform::Control& box = app_.text1(slot);
  platform::Control& scratch = app_.scratch();
  // The box keeps the first characters of the fixed-point text: a ratio whose
  // fixed-point form does not fit them would read as another number.
  if (!platform::FixedPointText(quotient, box.maxLength())) return false;
  if (!frame::FormatFixedPoint(app_.module1, platform::PlainNumberText(quotient), scratch)) return false;
  box.setText(scratch.text());
  return true;
}

void K4Page::UpdateRatios(int slot) {
  platform::Control& own = app_.text1(slot);
  RefuseUnlessNumber(app_, own);
  // The data are read as typed, their dots counting as commas; a text that is
  // no number counts as missing.
  const auto transformer = NumberAsTyped(app_.text1(K4TransformerPower));
  const auto shortCircuit = NumberAsTyped(app_.text1(K4ShortCircuitPower));
  const auto load = NumberAsTyped(app_.text1(K4CapacitiveLoad));
  if (!transformer || !shortCircuit || !load || *shortCircuit == 0.0) {
    ClearRatios();
    return;
  }
  mK4RatiosReady = true;
  const bool written = WriteRatio(K4PowerRatio, *transformer / *shortCircuit) &&
                       (mK4RatiosDone = true, WriteRatio(K4LoadRatio, *load / *shortCircuit));
  if (!written) {
    // A ratio that eight characters cannot hold decides nothing: the box
    // just typed is refused like a text that is no number.
    app_.InvalidValueBox();
    ClearRatios();
    own.setText("");
  }
}

void K4Page::UpdateK4RatiosOnStrChange() { UpdateRatios(K4TransformerPower); }
void K4Page::UpdateK4RatiosOnSscChange() { UpdateRatios(K4ShortCircuitPower); }
void K4Page::UpdateK4RatiosOnQlChange() { UpdateRatios(K4CapacitiveLoad); }

// ---- Factor decision -------------------------------------------------------

void K4Page::DecideFactor(int slot) {
  platform::Control& label = app_.control("Label81");
  platform::Control& factor = app_.text1(K4Factor);
  platform::Control& ok = app_.control("Command16");
  if (!IsFilled(app_.text1(slot))) {
    label.setCaption(kFactorIgnored);
    label.setVisible(false);
    factor.setVisible(false);
    factor.setText("");
    ok.setVisible(false);
    const platform::Control& loadRatio = app_.text1(K4LoadRatio);
    ok.setTop(loadRatio.top() + loadRatio.height() + 150);
    return;
  }
  if (!(mK4RatiosReady && mK4RatiosDone)) return;

  const auto powerRatio = app_.ReadNumber(app_.text1(K4PowerRatio));
  const auto loadRatio = app_.ReadNumber(app_.text1(K4LoadRatio));
  if (!powerRatio || !loadRatio) return;

  TransformerKind transformers = TransformerKind::None;
  if (app_.control("Option1", 19).value()) transformers = TransformerKind::StepDown;
  if (app_.control("Option1", 20).value()) transformers = TransformerKind::StepUp;
  OvervoltageLevel level = OvervoltageLevel::None;
  if (app_.control("Option1", 21).value()) level = OvervoltageLevel::At12Pu;
  if (app_.control("Option1", 22).value()) level = OvervoltageLevel::At15Pu;

  if (ResonanceFactorRequired(transformers, level, *powerRatio, *loadRatio)) {
    label.setCaption(kFactorRequired);
    label.setVisible(true);
    factor.setVisible(true);
    factor.setText("");
    ok.setTop(factor.top() + factor.height() + 150);
    ok.setVisible(false);  // the factor's check shows it once a factor is typed
  } else {
    label.setCaption(kFactorIgnored);
    label.setVisible(true);
    factor.setVisible(false);
    factor.setText("");
    ok.setTop(factor.top());
    ok.setVisible(true);
  }
}

void K4Page::DecideK4FactorOnStrRatioChange() { DecideFactor(K4PowerRatio); }
void K4Page::DecideK4FactorOnQlRatioChange() { DecideFactor(K4LoadRatio); }

// ---- Calculation "OK" ------------------------------------------------------

void K4Page::Command16_Click() {
  platform::Control& factorBox = app_.text1(K4Factor);
  double k4 = 1.0;
  if (factorBox.visible()) {
    // Read as typed: "2.5" is 2,5.
    const auto typed = NumberAsTyped(factorBox);
    if (!typed) {
      app_.InvalidValueGroup();
      factorBox.setText("");
      ShowResults(false);
      return;
    }
    k4 = *typed;
  }
  const double um = app_.Um();
  if (!WriteResults(UrpPhaseToEarth(k4, um), um * k4)) {
    factorBox.setText("");
    return;
  }
  ShowResults(true);
}

// ---- Box checks and "Next >>" enabling -------------------------------------

void K4Page::ValidateK4Factor() { frame::RunFilledRule(app_, kFactorRule); }
void K4Page::ValidateK4UrpPe() { frame::RunFilledRule(app_, kUrpPeRule); }
void K4Page::ValidateK4UrpPp() { frame::RunFilledRule(app_, kUrpPpRule); }
void K4Page::ValidateK4ResonanceFactor() { frame::RunFilledRule(app_, kResonanceFactorRule); }
void K4Page::EnableK4NextOnUrpPe() { frame::RunFilledRule(app_, kNextRule); }
void K4Page::Text12_Change() { EnableK4NextOnUrpPe(); }

}  // namespace tov
