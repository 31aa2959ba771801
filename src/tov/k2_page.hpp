#pragma once
// The K2 page: energization of an unloaded line, page 1 of tabCalculation1.
// The user enters K2 or the two Urp values, calculates K2 from the line data
// by the analytical or the simplified formula, or ignores it (K2 = 1).

#include <initializer_list>
#include <span>
#include <utility>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace tov {

class K2Page final : public frame::Page {
 public:
  explicit K2Page(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  // Text1(1) to Text1(17): the entries, the line data and the results.
  std::span<const platform::ControlDesign> ValueStoreRows() const override;

  // Which formula the line data serve: empty until a formula is chosen.
  enum class FormulaMode { None = 0, Analytical = 1, Simplified = 5 };
  FormulaMode mK2FormulaMode = FormulaMode::None;

  // Modes of the option buttons.
  void SelectK2EnterMode();
  void Option2_Click();
  void SelectK2Ignore();
  void SelectK2EnterFactor();
  void SelectK2EnterUrp();
  void SelectK2AnalyticalFormula();
  void SelectK2SimplifiedFormula();

  // Checks of the entry and line-data boxes, and the "Next >>" rule.
  void Text4_Change();
  void Text3_Change();
  void Text2_Change();
  void ValidateLineDataSlot(int slot);  // boxes 4 to 13
  void Text6_Change();
  void Text5_Change() { Text6_Change(); }

  // Calculation.
  void CalculateK2ChargingPower();  // on lost focus of f, l, C1 and U2
  void Command8_Click();            // line-data "OK"
  void Command6_Click();            // "Choose K2RE"
  void Command7_Click();            // "Choose K2SE"
  void Command1_Click();            // entry "OK"

 private:
  enum class Outcome { Failed, Single, TwoEnded };

  static std::span<const platform::ControlDesign> Design();
  // Every line-data box from f down to lastSlot holds text.
  bool LineDataFilled(int lastSlot) const;
  void ResetResults();
  void ClearSendingEnd();
  void ShowFormulaRows(int lastSlot, int lastCaption, FormulaMode mode);
  void ShowResultRows(bool shown);
  void ShowSendingEnd(bool shown);
  void ShowOutcome(Outcome outcome);
  void CloseChoice();
  bool WriteChargingPower(bool reportRefusal);
  Outcome RefuseResult();
  Outcome RunAnalytical();
  Outcome RunSimplified();
  bool WriteResults(std::initializer_list<std::pair<int, double>> results);

  frame::App& app_;
};

}  // namespace tov
