#pragma once
// The three formula tabs of the fast-front strip SSTab1(2): Formula I, II and
// III. Each offers to enter a Urp, to calculate it from its formula or to
// ignore the formula, and keeps its result for the choice on the last tab.
// The tabs are one family: the same design and the same procedures, played
// by the controls of each tab's row of the role table. A mouse move over a
// field caption of a formula frame explains the field in the tab's help
// label.

#include "frame/control_ref.hpp"
#include "frame/page.hpp"

namespace frame {
class App;
struct HelpText;
}  // namespace frame

namespace surge {

// The controls that play each part of the family on one tab.
struct FormulaTab {
  int page;  // of SSTab1(2); also the index of the tab's Frame28, Frame29 and Frame30
  int enterOption, calculateOption, ignoreOption;  // Option1
  int resultCaption;                               // Label79 and Label75 of the result line
  int resultUnit;                                  // lblKV of the result line
  frame::ControlRef enteredUrp;                    // the entry frame's box
  int entryOk;                                     // Command28
  frame::ControlRefs inputs;                       // the formula's inputs, in the order they are read
  frame::ControlRefs clearedOnCalculate;           // the inputs "Calculate" empties
  frame::ControlRefs divisors;                     // inputs the formula divides by
  int formulaOk;                                   // Command28
  frame::ControlRef result;
  int next;                                        // Command29 "Next >>"
  double (*urp)(std::span<const double> values);   // the inputs' values, in their order
};

std::span<const FormulaTab> FormulaTabRoles();

class FormulaTabs final : public frame::Page {
 public:
  explicit FormulaTabs(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  // The options: ShowFormula1Entry, ShowFormula1Calculation, IgnoreFormula1
  // and their members on Formula II and III.
  void ShowEntry(const FormulaTab& tab);
  void ShowCalculation(const FormulaTab& tab);
  void Ignore(const FormulaTab& tab);
  // The two "OK" buttons: AcceptFormula1Urp and CalculateFormula1Urp, ...
  void AcceptEnteredUrp(const FormulaTab& tab);
  void CalculateUrp(const FormulaTab& tab);
  // "<<Back" of Formula I: the strip is hidden and the page shows again.
  void HideFormulaStrip();
  // Opens page n of the strip, the only one enabled.
  void OpenTab(int page);

  // The help of the formula frames' field captions (formula_help.cpp): each
  // text at its caption in the tab's help label Label85.
  static std::span<const frame::HelpText> HelpTexts();
  // A mouse move over any Frame30 hides Label85(0) to Label85(7), those that
  // the window holds.
  void HideHelp();

 private:
  static std::span<const platform::ControlDesign> Design();
  void DeclareHelpRoutes(frame::Routes& routes);
  void ShowResultLine(const FormulaTab& tab, bool shown);
  // A refused "OK": the message, the boxes emptied, no result left to move on with.
  void RefuseResult(const FormulaTab& tab, frame::ControlRefs cleared);
  bool RefuseZeroDivisors(const FormulaTab& tab);

  frame::App& app_;
};

}  // namespace surge
