#include "surge/formula_tabs.hpp"

#include <optional>
#include <vector>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "frame/table_window.hpp"
#include "surge/fast_front_formulas.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using frame::Box;
using frame::ControlRef;
using frame::ControlRefs;

// Formula I reads S, L, Upl and c.
constexpr ControlRef kFormula1Inputs[] = {Box(Formula1S), Box(Formula1L), Box(Formula1Upl), Box(Formula1C)};
constexpr ControlRef kFormula1Cleared[] = {Box(Formula1S), Box(Formula1L)};
constexpr ControlRef kFormula1Divisors[] = {Box(Formula1C)};
double Formula1(std::span<const double> inputs) { return Formula1Urp(inputs[2], inputs[3], inputs[1], inputs[0]); }

// Formula II reads L, Lsp, n, A and Upl.
constexpr ControlRef kFormula2Inputs[] = {Box(Formula2L), Box(Formula2Lsp), Box(Formula2N), Box(Formula2A),
                                          Box(Formula2Upl)};
constexpr ControlRef kFormula2Cleared[] = {Box(Formula2L), Box(Formula2Lsp), Box(Formula2N), Box(Formula2A)};
constexpr ControlRef kFormula2Divisors[] = {Box(Formula2Lsp), Box(Formula2N)};
double Formula2(std::span<const double> inputs) {
  return Formula2Urp(inputs[4], inputs[0], inputs[1], inputs[2], inputs[3]);
}

// Formula III reads BIL and Ks.
constexpr ControlRef kFormula3Inputs[] = {Box(Formula3Bil), Box(Formula3Ks)};
constexpr ControlRef kFormula3Divisors[] = {Box(Formula3Ks)};
double Formula3(std::span<const double> inputs) { return Formula3Urp(inputs[0], inputs[1]); }

// Upl (and c on Formula I) stay when "Calculate" is chosen again: they belong
// to the arrester and the station rather than to one estimate.
//
// Per tab: page; Enter, Calculate and Ignore options; result caption and
// unit; entered Urp and its OK; inputs, those cleared, divisors; formula OK;
// result; "Next >>"; formula.
constexpr FormulaTab kTabs[] = {
    {0, 35, 34, 33, 1, 10, Box(UrpFormula1Entered), 0, kFormula1Inputs, kFormula1Cleared, kFormula1Divisors, 1,
     Box(UrpFormula1), 1, Formula1},
    {1, 36, 37, 38, 3, 12, Box(UrpFormula2Entered), 2, kFormula2Inputs, kFormula2Cleared, kFormula2Divisors, 3,
     Box(UrpFormula2), 3, Formula2},
    {2, 39, 40, 41, 5, 14, Box(UrpFormula3Entered), 4, kFormula3Inputs, kFormula3Inputs, kFormula3Divisors, 5,
     Box(UrpFormula3), 5, Formula3},
};

// A tab's result is the value entered, the formula's value or "Ignored", as
// the option chosen says.
constexpr frame::Dependency ResultDependency(const FormulaTab& tab) {
  frame::Dependency dependency{.result = tab.result, .publishers = {{{"Command29", tab.next}}}, .word = kIgnored};
  std::size_t n = 0;
  dependency.from[n++] = tab.enteredUrp;
  for (const ControlRef& input : tab.inputs) dependency.from[n++] = input;
  for (int option : {tab.enterOption, tab.calculateOption, tab.ignoreOption})
    dependency.from[n++] = {"Option1", option};
  return dependency;
}
constexpr frame::Dependency kDependencies[] = {ResultDependency(kTabs[0]), ResultDependency(kTabs[1]),
                                               ResultDependency(kTabs[2])};

}  // namespace

std::span<const FormulaTab> FormulaTabRoles() { return kTabs; }

std::span<const frame::Dependency> FormulaTabs::Dependencies() const { return kDependencies; }

void FormulaTabs::Build(platform::Window& w) { w.createAll(Design()); }

void FormulaTabs::ShowResultLine(const FormulaTab& tab, bool shown) {
  frame::SetVisible(app_, {{"Label79", tab.resultCaption}, {"Label75", tab.resultCaption}, {"lblKV", tab.resultUnit},
                           tab.result},
                    shown);
}

void FormulaTabs::ShowEntry(const FormulaTab& tab) {
  frame::SetVisible(app_, {{"Frame28", tab.page}}, true);
  frame::SetVisible(app_, {{"Frame30", tab.page}}, false);
  ShowResultLine(tab, false);
  frame::Clear(app_, {tab.enteredUrp, tab.result});
  app_.control("Command28", tab.entryOk).setVisible(false);
  app_.control("Command29", tab.next).setEnabled(false);
}

void FormulaTabs::ShowCalculation(const FormulaTab& tab) {
  frame::SetVisible(app_, {{"Frame28", tab.page}}, false);
  frame::SetVisible(app_, {{"Frame30", tab.page}}, true);
  ShowResultLine(tab, false);
  frame::Clear(app_, tab.clearedOnCalculate);
  app_.control("Command28", tab.formulaOk).setVisible(false);
  frame::Clear(app_, {tab.result});
  app_.control("Command29", tab.next).setEnabled(false);
}

void FormulaTabs::Ignore(const FormulaTab& tab) {
  frame::SetVisible(app_, {{"Frame28", tab.page}, {"Frame30", tab.page}, {"lblKV", tab.resultUnit}}, false);
  frame::SetVisible(app_, {{"Label75", tab.resultCaption}, {"Label79", tab.resultCaption}}, true);
  platform::Control& result = Get(app_, tab.result);
  result.setText("");
  result.setText(kIgnored);
  result.setVisible(true);
  app_.control("Command29", tab.next).setEnabled(true);
}

void FormulaTabs::RefuseResult(const FormulaTab& tab, ControlRefs cleared) {
  app_.InvalidValueGroup();
  frame::Clear(app_, cleared);
  ShowResultLine(tab, false);
  // Emptying the result disables "Next >>": nothing of an earlier OK is handed on.
  frame::Clear(app_, {tab.result});
}

void FormulaTabs::AcceptEnteredUrp(const FormulaTab& tab) {
  platform::Control& entered = Get(app_, tab.enteredUrp);
  if (!frame::IsFilled(entered)) return;
  // A Urp of zero or below is no overvoltage, whether entered or calculated.
  const std::optional<double> urp = app_.ReadNumber(entered);
  if (!urp || !(*urp > 0.0) || !frame::WriteAll(app_, {{&Get(app_, tab.result), *urp}})) {
    RefuseResult(tab, {&tab.enteredUrp, 1});
    return;
  }
  ShowResultLine(tab, true);
}

bool FormulaTabs::RefuseZeroDivisors(const FormulaTab& tab) {
  std::vector<platform::Control*> zeros;
  for (const ControlRef& r : tab.divisors) {
    platform::Control& box = Get(app_, r);
    if (frame::NumberAsTyped(box) == 0.0) zeros.push_back(&box);
  }
  if (zeros.empty()) return false;
  // A divisor of zero is a value the box cannot take: its own check's refusal.
  app_.InvalidValueBox();
  for (platform::Control* box : zeros) box->setText("");
  ShowResultLine(tab, false);
  frame::Clear(app_, {tab.result});
  return true;
}

void FormulaTabs::CalculateUrp(const FormulaTab& tab) {
  if (!frame::AllFilled(app_, tab.inputs)) return;
  for (const ControlRef& r : tab.inputs) {
    if (!frame::IsUsableNumber(Get(app_, r))) {
      RefuseResult(tab, tab.inputs);
      return;
    }
  }
  std::vector<double> values;
  for (const ControlRef& r : tab.inputs) {
    const std::optional<double> v = app_.ReadNumber(Get(app_, r));
    if (!v) {
      RefuseResult(tab, tab.inputs);
      return;
    }
    values.push_back(*v);
  }
  if (RefuseZeroDivisors(tab)) return;
  // A Urp of zero or below, or one the box cannot show whole, is no result.
  const double urp = tab.urp(values);
  if (!(urp > 0.0) || !frame::WriteAll(app_, {{&Get(app_, tab.result), urp}})) {
    RefuseResult(tab, tab.inputs);
    return;
  }
  ShowResultLine(tab, true);
}

void FormulaTabs::HideFormulaStrip() { app_.control("SSTab1", 2).setVisible(false); }

void FormulaTabs::OpenTab(int page) { frame::OpenPage(app_.control("SSTab1", 2), page); }

void FormulaTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  for (const FormulaTab& tab : kTabs) {
    routes.on(Option1Click, tab.enterOption, [this, &tab] { ShowEntry(tab); });
    routes.on(Option1Click, tab.calculateOption, [this, &tab] { ShowCalculation(tab); });
    routes.on(Option1Click, tab.ignoreOption, [this, &tab] { Ignore(tab); });
    routes.on(Command28Click, tab.entryOk, [this, &tab] { AcceptEnteredUrp(tab); });
    routes.on(Command28Click, tab.formulaOk, [this, &tab] { CalculateUrp(tab); });

    // The boxes' checks: a number or nothing, and each frame's "OK" shown
    // once its boxes are filled; the result enables "Next >>".
    routes.on(Text1Change, tab.enteredUrp.index, [this, &tab] {
      frame::RunFilledRule(app_, {tab.enteredUrp, {&tab.enteredUrp, 1}, {"Command28", tab.entryOk}});
    });
    for (const ControlRef& input : tab.inputs)
      routes.on(Text1Change, input.index, [this, &tab, &input] {
        frame::RunFilledRule(app_, {input, tab.inputs, {"Command28", tab.formulaOk}});
      });
    routes.on(Text1Change, tab.result.index, [this, &tab] {
      frame::RunFilledRule(app_, {tab.result, {&tab.result, 1}, {"Command29", tab.next},
                                  frame::FilledRule::Action::Enable, false});
    });
  }
  // The strip's buttons up to Formula III's "Next >>", which fills the choice.
  routes.on(Command29Click, 0, [this] { HideFormulaStrip(); });
  routes.on(Command29Click, 1, [this] { OpenTab(1); });
  routes.on(Command29Click, 2, [this] { OpenTab(0); });
  routes.on(Command29Click, 3, [this] { OpenTab(2); });
  routes.on(Command29Click, 4, [this] { OpenTab(1); });
  // "Show table for A" of Formula II.
  // A is read from the table while it is typed on Formula II.
  routes.on("Command30", platform::EventType::Click, [this] {
    const FormulaTab& tab = kTabs[1];
    frame::ShowTableWindow(app_,
                           {{"Label33", 46}, Box(Formula2A), {"Command28", tab.formulaOk}, {"Command29", tab.next}});
  });
  DeclareHelpRoutes(routes);
}

}  // namespace surge
