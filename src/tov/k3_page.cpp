#include "tov/k3_page.hpp"

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

constexpr frame::ControlRef kFactorEntry[] = {frame::Box(K3Entered)};
constexpr frame::ControlRef kUrpEntry[] = {frame::Box(UrpK3PeEntered)};
constexpr frame::ControlRef kReactances[] = {frame::Box(K3X0), frame::Box(K3X1)};
constexpr frame::ControlRef kResult[] = {frame::Box(UrpK3Pe)};

// The two entries of Frame6 and what choosing one opens.
constexpr frame::ControlRef kFactorRows[] = {"Label50", "Label51", frame::Box(K3Entered)};
constexpr frame::ControlRef kUrpRows[] = {"Label49", "Label46", {"lblKV", 4}, frame::Box(UrpK3PeEntered)};
constexpr frame::ControlRef kEntryBoxes[] = {frame::Box(K3Entered), frame::Box(UrpK3PeEntered)};
constexpr frame::ControlRef kReactanceFrame[] = {"Frame10"};
constexpr RowChoice kFactorChoice{"Frame6", kFactorRows, kUrpRows, kEntryBoxes,
                                  "Command11", frame::Box(K3Entered), true, kReactanceFrame};
constexpr RowChoice kUrpChoice{"Frame6", kUrpRows, kFactorRows, kEntryBoxes,
                               "Command11", frame::Box(UrpK3PeEntered), false, kReactanceFrame};

// Each box's own number check, then its "OK" shown exactly while its entry is complete.
constexpr FilledRule kFactorRule{kFactorEntry[0], kFactorEntry, "Command11"};
constexpr FilledRule kUrpRule{kUrpEntry[0], kUrpEntry, "Command11"};
constexpr FilledRule kX0Rule{kReactances[0], kReactances, "Command12"};
constexpr FilledRule kX1Rule{kReactances[1], kReactances, "Command12"};
// "Next >>" enabled exactly while the result stands; the result needs no check.
constexpr FilledRule kNextRule{kResult[0], kResult, "Command10", FilledRule::Action::Enable, false};

}  // namespace

void K3Page::Build(platform::Window& w) {
  w.createAll(Design());
  mK3FaultType = 0;
}

void K3Page::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on("Command11", platform::EventType::Click, [this] { Command11_Click(); });
  routes.on("Command12", platform::EventType::Click, [this] { Command12_Click(); });
  routes.on(Option1Click, 7, [this] { SelectK3EnterMode(); });
  routes.on(Option1Click, 8, [this] { SelectK3CalculateMode(); });
  routes.on(Option1Click, 9, [this] { SelectK3Ignore(); });
  routes.on(Option1Click, 10, [this] { SelectK3EnterFactor(); });
  routes.on(Option1Click, 11, [this] { SelectK3EnterUrp(); });
  routes.on(Option1Click, 12, [this] { SelectK3SinglePhaseFault(); });
  routes.on(Option1Click, 13, [this] { SelectK3TwoPhaseFault(); });
  routes.on(Text1Change, K3Entered, [this] { ValidateK3Factor(); });
  routes.on(Text1Change, UrpK3PeEntered, [this] { ValidateK3UrpPe(); });
  routes.on(Text1Change, K3X0, [this] { ValidateK3X0(); });
  routes.on(Text1Change, K3X1, [this] { ValidateK3X1(); });
  routes.on(Text1Change, UrpK3Pe, [this] { EnableK3NextOnUrpPe(); });
}

void K3Page::ShowResultRow(bool shown) {
  SetVisible(app_, {"Label52", {"Label1", 6}, frame::Box(UrpK3Pe), {"Label13", 7}}, shown);
}

void K3Page::RefuseResult(std::initializer_list<int> clearedSlots) {
  app_.InvalidValueGroup();
  for (int slot : clearedSlots) app_.text1(slot).setText("");
  ShowResultRow(false);
  // A result that cannot be shown leaves none behind to move on with.
  app_.text1(UrpK3Pe).setText("");
}

void K3Page::SelectK3EnterMode() {
  SetVisible(app_, {"Frame7"}, true);
  SetVisible(app_, {"Frame9", "Frame6", "Frame10"}, false);
  ShowResultRow(false);
  app_.text1(UrpK3Pe).setText("");
  frame::DeselectOptions(app_, 10, 13);
  app_.control("Command10").setEnabled(false);
}

void K3Page::SelectK3CalculateMode() {
  SetVisible(app_, {"Frame7"}, false);
  SetVisible(app_, {"Frame9"}, true);
  SetVisible(app_, {"Frame6", "Frame10"}, false);
  ShowResultRow(false);
  app_.text1(UrpK3Pe).setText("");
  frame::DeselectOptions(app_, 10, 13);
  app_.control("Command10").setEnabled(false);
}

void K3Page::SelectK3Ignore() {
  SetVisible(app_, {"Frame7", "Frame9", "Frame6", "Frame10"}, false);
  ShowResultRow(true);
  platform::Control& result = app_.text1(UrpK3Pe);
  result.setText("");
  const bool written = app_.WriteNumber(result, UrpPhaseToEarth(1.0, app_.Um()));
  frame::DeselectOptions(app_, 10, 13);
  if (!written) {
    RefuseResult({});
    return;
  }
  app_.control("Command10").setEnabled(true);
}

void K3Page::SelectK3EnterFactor() {
  OpenRows(app_, kFactorChoice);
  ShowResultRow(false);
  app_.text1(UrpK3Pe).setText("");
  app_.control("Command10").setEnabled(false);
}

void K3Page::SelectK3EnterUrp() {
  OpenRows(app_, kUrpChoice);
  ShowResultRow(false);
  app_.text1(UrpK3Pe).setText("");
  app_.control("Command10").setEnabled(false);
}

void K3Page::SelectFaultType(EarthFault fault) {
  SetVisible(app_, {"Frame10", {"Label33", 18}, {"Label33", 20}, {"Label33", 19}, {"Label33", 21},
                    frame::Box(K3X0), frame::Box(K3X1)},
             true);
  app_.text1(K3X0).setText("");
  platform::Control& x1 = app_.text1(K3X1);
  x1.setText("");
  platform::Control& ok = app_.control("Command12");
  frame::PlaceBelow(ok, x1);
  ok.setVisible(false);
  SetVisible(app_, {"Frame6"}, false);
  ShowResultRow(false);
  app_.text1(UrpK3Pe).setText("");
  app_.control("Command10").setEnabled(false);
  mK3FaultType = static_cast<short>(fault);
}

void K3Page::SelectK3SinglePhaseFault() { SelectFaultType(EarthFault::SinglePhase); }
void K3Page::SelectK3TwoPhaseFault() { SelectFaultType(EarthFault::TwoPhase); }

void K3Page::Command11_Click() {
  platform::Control& factorBox = app_.text1(K3Entered);
  const bool factorEntry = IsFilled(factorBox);
  platform::Control& box = factorEntry ? factorBox : app_.text1(UrpK3PeEntered);
  const auto value = ReadEnteredNumber(app_, box);
  if (!value) {
    ShowResultRow(false);
    return;
  }
  platform::Control& result = app_.text1(UrpK3Pe);
  const double urp = factorEntry ? UrpPhaseToEarth(*value, app_.Um()) : *value;
  if (!frame::WriteAll(app_, {{&result, urp}})) {
    RefuseResult({factorEntry ? K3Entered : UrpK3PeEntered});
    return;
  }
  // After a factor the entry frame stays for another one; an entered Urp closes it.
  if (!factorEntry) SetVisible(app_, {"Frame6"}, false);
  ShowResultRow(true);
}

void K3Page::Command12_Click() {
  platform::Control& x0Box = app_.text1(K3X0);
  platform::Control& x1Box = app_.text1(K3X1);
  if (!IsUsableNumber(x0Box) || !IsUsableNumber(x1Box)) {
    app_.InvalidValueGroup();
    x0Box.setText("");
    x1Box.setText("");
    ShowResultRow(false);
    return;
  }
  const auto x0 = app_.ReadNumber(x0Box);
  const auto x1 = app_.ReadNumber(x1Box);
  // X1 = 0 and the ratios at which the factor's denominator vanishes have no
  // earth fault factor.
  const auto k3 = x0 && x1 ? EarthFaultFactor(static_cast<EarthFault>(mK3FaultType), *x0, *x1) : std::nullopt;
  platform::Control& result = app_.text1(UrpK3Pe);
  const double urp = k3 ? UrpPhaseToEarth(*k3, app_.Um()) : 0.0;
  if (!k3 || !frame::WriteAll(app_, {{&result, urp}})) {
    RefuseResult({K3X0, K3X1});
    return;
  }
  ShowResultRow(true);
}

void K3Page::ValidateK3Factor() { frame::RunFilledRule(app_, kFactorRule); }
void K3Page::ValidateK3UrpPe() { frame::RunFilledRule(app_, kUrpRule); }
void K3Page::ValidateK3X0() { frame::RunFilledRule(app_, kX0Rule); }
void K3Page::ValidateK3X1() { frame::RunFilledRule(app_, kX1Rule); }
void K3Page::EnableK3NextOnUrpPe() { frame::RunFilledRule(app_, kNextRule); }

}  // namespace tov
