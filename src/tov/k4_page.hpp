#pragma once
// The page "Resonance effects K4" (page 3 of tabCalculation1): Urp phase to
// earth and phase to phase from an entered factor or Urp, from a factor that
// the transformer and load ratios call for, or Um / sqrt(3) and Um when
// resonance is ignored.

#include <span>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace tov {

class K4Page final : public frame::Page {
 public:
  explicit K4Page(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  // Text1(23) to Text1(33): the entries, the resonance data, their ratios and the results.
  std::span<const platform::ControlDesign> ValueStoreRows() const override;

  // Option procedures.
  void SelectK4EnterMode();
  void SelectK4CalculateMode();
  void SelectK4Ignore();
  void SelectK4EnterFactor();
  void SelectK4EnterUrp();
  void SelectK4StepDownTransformers();
  void SelectK4StepUpTransformers();
  void SelectK4At12Pu();
  void SelectK4At15Pu();
  // Checks of the typed boxes.
  void ValidateK4Factor();
  void ValidateK4UrpPe();
  void ValidateK4UrpPp();
  void ValidateK4ResonanceFactor();
  // The ratio update, one per data box.
  void UpdateK4RatiosOnStrChange();
  void UpdateK4RatiosOnSscChange();
  void UpdateK4RatiosOnQlChange();
  // The factor decision, one per ratio box.
  void DecideK4FactorOnStrRatioChange();
  void DecideK4FactorOnQlRatioChange();
  // "Next >>" enabling.
  void EnableK4NextOnUrpPe();
  void Text12_Change();
  // The two "OK" buttons.
  void Command15_Click();
  void Command16_Click();

  // Both ratios of the current data are being written (see the ratio update).
  bool mK4RatiosReady = false;
  bool mK4RatiosDone = false;

 private:
  static std::span<const platform::ControlDesign> Design();
  void ResetFlags();
  void ResultsOff();
  void ShowResults(bool shown);
  void SelectTransformers();
  void SelectLevel();
  void UpdateRatios(int slot);
  void ClearRatios();
  bool WriteRatio(int slot, double quotient);
  void DecideFactor(int slot);
  // Writes both results, or refuses the step with the group message when
  // either cannot be shown.
  bool WriteResults(double pe, double pp);

  frame::App& app_;
};

}  // namespace tov
