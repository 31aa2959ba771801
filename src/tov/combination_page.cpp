#include "tov/combination_page.hpp"

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "tov/factor_formulas.hpp"
#include "tov/factor_entry.hpp"
#include "tov/slots.hpp"

namespace tov {

using frame::IsFilled;
using frame::IsUsableNumber;

namespace {

using frame::FilledRule;

constexpr frame::ControlRef kReactances[] = {frame::Box(CombX0), frame::Box(CombX1)};
constexpr frame::ControlRef kUrpEntries[] = {frame::Box(UrpCombPeEntered), frame::Box(UrpCombPpEntered)};
constexpr frame::ControlRef kFactorEntry[] = {frame::Box(K13Entered)};
constexpr frame::ControlRef kResults[] = {frame::Box(UrpCombPp), frame::Box(UrpCombPe)};

// The two entries of Frame20 and what choosing one opens.
constexpr frame::ControlRef kFactorRows[] = {"Label38", "Label36", frame::Box(K13Entered)};
constexpr frame::ControlRef kUrpRows[] = {"Label37", "Label34", {"lblKV", 8}, "Label35", "Label32", {"lblKV", 7},
                                          frame::Box(UrpCombPeEntered), frame::Box(UrpCombPpEntered)};
constexpr frame::ControlRef kEntryBoxes[] = {frame::Box(UrpCombPeEntered), frame::Box(UrpCombPpEntered),
                                             frame::Box(K13Entered)};
constexpr frame::ControlRef kReactanceFrame[] = {"Frame17"};
constexpr RowChoice kFactorChoice{"Frame20", kFactorRows, kUrpRows, kEntryBoxes,
                                  "Command20", frame::Box(K13Entered), true, kReactanceFrame};
constexpr RowChoice kUrpChoice{"Frame20", kUrpRows, kFactorRows, kEntryBoxes,
                               "Command20", frame::Box(UrpCombPpEntered), false, kReactanceFrame};

// Each box's own number check, then its "OK" shown exactly while its entry is complete.
constexpr FilledRule kX0Rule{kReactances[0], kReactances, "Command17"};
constexpr FilledRule kX1Rule{kReactances[1], kReactances, "Command17"};
constexpr FilledRule kUrpPeRule{kUrpEntries[0], kUrpEntries, "Command20"};
constexpr FilledRule kUrpPpRule{kUrpEntries[1], kUrpEntries, "Command20"};
constexpr FilledRule kFactorRule{kFactorEntry[0], kFactorEntry, "Command20"};
// "Next >>" enabled exactly while both results stand; the results need no check.
constexpr FilledRule kNextRule{kResults[1], kResults, "Command18", FilledRule::Action::Enable, false};

}  // namespace

void CombinationPage::Build(platform::Window& w) { w.createAll(Design()); }

void CombinationPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on("Command17", platform::EventType::Click, [this] { Command17_Click(); });
  routes.on("Command20", platform::EventType::Click, [this] { Command20_Click(); });
  routes.on(Option1Click, 23, [this] { SelectCombinationEnterMode(); });
  routes.on(Option1Click, 24, [this] { SelectCombinationCalculateMode(); });
  routes.on(Option1Click, 25, [this] { SelectCombinationIgnore(); });
  routes.on(Option1Click, 26, [this] { SelectCombinationEnterFactor(); });
  routes.on(Option1Click, 27, [this] { SelectCombinationEnterUrp(); });
  routes.on(Text1Change, CombX0, [this] { ValidateCombinationX0(); });
  routes.on(Text1Change, CombX1, [this] { ValidateCombinationX1(); });
  routes.on(Text1Change, UrpCombPeEntered, [this] { ValidateCombinationUrpPe(); });
  routes.on(Text1Change, UrpCombPpEntered, [this] { ValidateCombinationUrpPp(); });
  routes.on(Text1Change, K13Entered, [this] { ValidateK13Factor(); });
  routes.on(Text1Change, UrpCombPp, [this] { EnableCombinationNextOnUrpPp(); });
  routes.on(Text1Change, UrpCombPe, [this] { EnableCombinationNextOnUrpPe(); });
}

void CombinationPage::ShowResultRows(bool shown) {
  SetVisible(app_, {{"Label1", 8}, "Label39", {"Label13", 9}, frame::Box(UrpCombPe), {"Label1", 9}, "Label40",
                    {"Label13", 10}, frame::Box(UrpCombPp)},
             shown);
}

void CombinationPage::ResetResults() {
  SetVisible(app_, {{"Label1", 8}, "Label39", {"Label13", 9}, {"Label1", 9}, "Label40", {"Label13", 10}}, false);
  platform::Control& pe = app_.text1(UrpCombPe);
  pe.setText("");
  pe.setVisible(false);
  platform::Control& pp = app_.text1(UrpCombPp);
  pp.setText("");
  pp.setVisible(false);
}

bool CombinationPage::WriteResults(double pe, double pp) {
  platform::Control& peBox = app_.text1(UrpCombPe);
  platform::Control& ppBox = app_.text1(UrpCombPp);
  return frame::WriteAll(app_, {{&peBox, pe}, {&ppBox, pp}});
}

// ---- Modes -----------------------------------------------------------------

void CombinationPage::SelectCombinationEnterMode() {
  SetVisible(app_, {"Frame19"}, true);
  SetVisible(app_, {"Frame17", "Frame20"}, false);
  ResetResults();
  frame::DeselectOptions(app_, 26, 27);
  app_.control("Command18").setEnabled(false);
}

void CombinationPage::SelectCombinationCalculateMode() {
  SetVisible(app_, {"Frame19"}, false);
  SetVisible(app_, {"Frame17"}, true);
  SetVisible(app_, {"Frame20"}, false);
  ResetResults();
  frame::DeselectOptions(app_, 26, 27);
  app_.control("Command18").setEnabled(false);
  app_.text1(CombX0).setText("");
  app_.text1(CombX1).setText("");
}

void CombinationPage::SelectCombinationIgnore() {
  SetVisible(app_, {"Frame17", "Frame19", "Frame20"}, false);
  SetVisible(app_, {{"Label1", 8}, "Label39", {"Label13", 9}, {"Label1", 9}, "Label40", {"Label13", 10}}, true);
  const double um = app_.Um();
  app_.text1(UrpCombPe).setText("");
  app_.text1(UrpCombPp).setText("");
  const bool written = WriteResults(UrpPhaseToEarth(1.0, um), um);
  frame::DeselectOptions(app_, 26, 27);
  if (written) {
    SetVisible(app_, {frame::Box(UrpCombPe), frame::Box(UrpCombPp)}, true);
    app_.control("Command18").setEnabled(true);
  } else {
    app_.InvalidValueGroup();
    ResetResults();
  }
  app_.text1(CombX0).setText("");
  app_.text1(CombX1).setText("");
}

void CombinationPage::SelectCombinationEnterFactor() {
  OpenRows(app_, kFactorChoice);
  ResetResults();
  app_.control("Command18").setEnabled(false);
}

void CombinationPage::SelectCombinationEnterUrp() {
  OpenRows(app_, kUrpChoice);
  ResetResults();
  app_.control("Command18").setEnabled(false);
}

// ---- Calculation of K13 ----------------------------------------------------

void CombinationPage::Command17_Click() {
  platform::Control& x0Box = app_.text1(CombX0);
  platform::Control& x1Box = app_.text1(CombX1);
  if (!IsUsableNumber(x1Box) || !IsUsableNumber(x0Box)) {
    app_.InvalidValueGroup();
    x0Box.setText("");
    x1Box.setText("");
    ShowResultRows(false);
    return;
  }
  const auto x0 = app_.ReadNumber(x0Box);
  const auto x1 = app_.ReadNumber(x1Box);
  // X1 = 0 gives no ratio to fit K13 on.
  const auto k13 = x0 && x1 ? CombinationFactor(*x0, *x1) : std::nullopt;
  const double um = app_.Um();
  if (!k13 || !WriteResults(UrpPhaseToEarth(*k13, um), um * *k13)) {
    app_.InvalidValueGroup();
    x0Box.setText("");
    x1Box.setText("");
    ResetResults();
    return;
  }
  ShowResultRows(true);
}

// ---- Entered factor or Urp -------------------------------------------------

void CombinationPage::Command20_Click() {
  platform::Control& factorBox = app_.text1(K13Entered);
  const double um = app_.Um();
  if (IsFilled(factorBox)) {
    const auto k13 = ReadEnteredNumber(app_, factorBox);
    if (!k13) {
      ShowResultRows(false);
      return;
    }
    if (!WriteResults(UrpPhaseToEarth(*k13, um), *k13 * um)) {
      app_.InvalidValueGroup();
      factorBox.setText("");
      ResetResults();
      return;
    }
    ShowResultRows(true);  // the factor row stays for another factor
    return;
  }
  platform::Control& peBox = app_.text1(UrpCombPeEntered);
  platform::Control& ppBox = app_.text1(UrpCombPpEntered);
  const auto urp = ReadEnteredUrp(app_, peBox, ppBox);
  if (!urp) {
    ShowResultRows(false);
    return;
  }
  if (!WriteResults(urp->pe, urp->pp)) {
    app_.InvalidValueGroup();
    peBox.setText("");
    ppBox.setText("");
    ResetResults();
    return;
  }
  SetVisible(app_, {"Frame20"}, false);
  ShowResultRows(true);
}

// ---- Checks and "Next >>" enabling -----------------------------------------

void CombinationPage::ValidateCombinationX0() { frame::RunFilledRule(app_, kX0Rule); }
void CombinationPage::ValidateCombinationX1() { frame::RunFilledRule(app_, kX1Rule); }
void CombinationPage::ValidateCombinationUrpPe() { frame::RunFilledRule(app_, kUrpPeRule); }
void CombinationPage::ValidateCombinationUrpPp() { frame::RunFilledRule(app_, kUrpPpRule); }
void CombinationPage::ValidateK13Factor() { frame::RunFilledRule(app_, kFactorRule); }
void CombinationPage::EnableCombinationNextOnUrpPe() { frame::RunFilledRule(app_, kNextRule); }
void CombinationPage::EnableCombinationNextOnUrpPp() { EnableCombinationNextOnUrpPe(); }

}  // namespace tov
