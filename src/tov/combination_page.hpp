#pragma once
// The page "Combination of TOV" (page 4 of tabCalculation1): Urp of a load
// rejection combined with an earth fault, from an entered K13 or Urp, from K13
// fitted on the reactance ratio X0/X1, or Um / sqrt(3) and Um when ignored.

#include <span>

#include "frame/app.hpp"
#include "platform/design.hpp"
#include "platform/window.hpp"

namespace tov {

class CombinationPage {
 public:
  explicit CombinationPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w);
  static std::span<const platform::ControlDesign> Design();

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
  void ShowResultRows(bool shown);
  void ResetResults();
  void ValidateReactance(int slot);
  void ValidateUrpEntry(int slot);
  // Writes both results from K13, or refuses the step when either cannot be shown.
  bool WriteResults(double pe, double pp);

  frame::App& app_;
};

}  // namespace tov
