#pragma once
// The page "Combination of TOV" (page 4 of tabCalculation1): Urp of a load
// rejection combined with an earth fault, from an entered K13 or Urp, from K13
// fitted on the reactance ratio X0/X1, or Um / sqrt(3) and Um when ignored.

#include <span>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace tov {

class CombinationPage final : public frame::Page {
 public:
  explicit CombinationPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  // Text1(34) to Text1(40): X0 and X1, the entries and the results.
  std::span<const platform::ControlDesign> ValueStoreRows() const override;

  // Option procedures.
  void SelectCombinationEnterMode();
  void SelectCombinationCalculateMode();
  void SelectCombinationIgnore();
  void SelectCombinationEnterFactor();
  void SelectCombinationEnterUrp();
  // The two "OK" buttons.
  void Command17_Click();
  void Command20_Click();
  // Checks of the typed boxes and "Next >>" enabling.
  void ValidateCombinationX0();
  void ValidateCombinationX1();
  void ValidateCombinationUrpPe();
  void ValidateCombinationUrpPp();
  void ValidateK13Factor();
  void EnableCombinationNextOnUrpPe();
  void EnableCombinationNextOnUrpPp();

 private:
  static std::span<const platform::ControlDesign> Design();
  void ShowResultRows(bool shown);
  void ResetResults();
  // Writes both results from K13, or refuses the step when either cannot be shown.
  bool WriteResults(double pe, double pp);

  frame::App& app_;
};

}  // namespace tov
