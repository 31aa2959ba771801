// What the elements of the main window's control arrays on the
// temporary-overvoltage pages run, per index.

#include "frame/routes.hpp"
#include "tov/combination_page.hpp"
#include "tov/factor_help.hpp"
#include "tov/k2_page.hpp"
#include "tov/k3_page.hpp"
#include "tov/k4_page.hpp"
#include "tov/slots.hpp"
#include "tov/stage.hpp"

namespace tov {

void Stage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  K2Page& k2 = *k2_;
  K3Page& k3 = *k3_;
  K4Page& k4 = *k4_;
  CombinationPage& comb = *combination_;

  // K2 page
  routes.on(Option1Click, 0, [&k2] { k2.SelectK2EnterMode(); });
  routes.on(Option1Click, 1, [&k2] { k2.Option2_Click(); });
  routes.on(Option1Click, 2, [&k2] { k2.SelectK2Ignore(); });
  routes.on(Option1Click, 3, [&k2] { k2.SelectK2EnterFactor(); });
  routes.on(Option1Click, 4, [&k2] { k2.SelectK2EnterUrp(); });
  routes.on(Option1Click, 5, [&k2] { k2.SelectK2AnalyticalFormula(); });
  routes.on(Option1Click, 6, [&k2] { k2.SelectK2SimplifiedFormula(); });
  routes.on(Text1Change, K2Entered, [&k2] { k2.Text4_Change(); });
  routes.on(Text1Change, UrpK2PeEntered, [&k2] { k2.Text3_Change(); });
  routes.on(Text1Change, UrpK2PpEntered, [&k2] { k2.Text2_Change(); });
  routes.onEach(Text1Change, K2Frequency, K2Inductance, [&k2](int slot) { k2.ValidateLineDataSlot(slot); });
  routes.on(Text1Change, UrpK2Pe, [&k2] { k2.Text6_Change(); });
  routes.on(Text1Change, UrpK2Pp, [&k2] { k2.Text5_Change(); });
  // The charging power does not depend on which of f, l, C1 and U2 was left.
  routes.onEach(Text1LostFocus, K2Frequency, K2ReceivingVoltage, [&k2](int) { k2.CalculateK2ChargingPower(); });

  // K3 page
  routes.on(Option1Click, 7, [&k3] { k3.SelectK3EnterMode(); });
  routes.on(Option1Click, 8, [&k3] { k3.SelectK3CalculateMode(); });
  routes.on(Option1Click, 9, [&k3] { k3.SelectK3Ignore(); });
  routes.on(Option1Click, 10, [&k3] { k3.SelectK3EnterFactor(); });
  routes.on(Option1Click, 11, [&k3] { k3.SelectK3EnterUrp(); });
  routes.on(Option1Click, 12, [&k3] { k3.SelectK3SinglePhaseFault(); });
  routes.on(Option1Click, 13, [&k3] { k3.SelectK3TwoPhaseFault(); });
  routes.on(Text1Change, K3Entered, [&k3] { k3.ValidateK3Factor(); });
  routes.on(Text1Change, UrpK3PeEntered, [&k3] { k3.ValidateK3UrpPe(); });
  routes.on(Text1Change, K3X0, [&k3] { k3.ValidateK3X0(); });
  routes.on(Text1Change, K3X1, [&k3] { k3.ValidateK3X1(); });
  routes.on(Text1Change, UrpK3Pe, [&k3] { k3.EnableK3NextOnUrpPe(); });

  // K4 page
  routes.on(Option1Click, 14, [&k4] { k4.SelectK4EnterMode(); });
  routes.on(Option1Click, 15, [&k4] { k4.SelectK4CalculateMode(); });
  routes.on(Option1Click, 16, [&k4] { k4.SelectK4Ignore(); });
  routes.on(Option1Click, 17, [&k4] { k4.SelectK4EnterFactor(); });
  routes.on(Option1Click, 18, [&k4] { k4.SelectK4EnterUrp(); });
  routes.on(Option1Click, 19, [&k4] { k4.SelectK4StepDownTransformers(); });
  routes.on(Option1Click, 20, [&k4] { k4.SelectK4StepUpTransformers(); });
  routes.on(Option1Click, 21, [&k4] { k4.SelectK4At12Pu(); });
  routes.on(Option1Click, 22, [&k4] { k4.SelectK4At15Pu(); });
  routes.on(Text1Change, K4Entered, [&k4] { k4.ValidateK4Factor(); });
  routes.on(Text1Change, UrpK4PeEntered, [&k4] { k4.ValidateK4UrpPe(); });
  routes.on(Text1Change, UrpK4PpEntered, [&k4] { k4.ValidateK4UrpPp(); });
  routes.on(Text1Change, K4TransformerPower, [&k4] { k4.UpdateK4RatiosOnStrChange(); });
  routes.on(Text1Change, K4ShortCircuitPower, [&k4] { k4.UpdateK4RatiosOnSscChange(); });
  routes.on(Text1Change, K4CapacitiveLoad, [&k4] { k4.UpdateK4RatiosOnQlChange(); });
  routes.on(Text1Change, K4PowerRatio, [&k4] { k4.DecideK4FactorOnStrRatioChange(); });
  routes.on(Text1Change, K4LoadRatio, [&k4] { k4.DecideK4FactorOnQlRatioChange(); });
  routes.on(Text1Change, K4Factor, [&k4] { k4.ValidateK4ResonanceFactor(); });
  routes.on(Text1Change, UrpK4Pe, [&k4] { k4.EnableK4NextOnUrpPe(); });
  routes.on(Text1Change, UrpK4Pp, [&k4] { k4.Text12_Change(); });

  // Combination page
  routes.on(Option1Click, 23, [&comb] { comb.SelectCombinationEnterMode(); });
  routes.on(Option1Click, 24, [&comb] { comb.SelectCombinationCalculateMode(); });
  routes.on(Option1Click, 25, [&comb] { comb.SelectCombinationIgnore(); });
  routes.on(Option1Click, 26, [&comb] { comb.SelectCombinationEnterFactor(); });
  routes.on(Option1Click, 27, [&comb] { comb.SelectCombinationEnterUrp(); });
  routes.on(Text1Change, CombX0, [&comb] { comb.ValidateCombinationX0(); });
  routes.on(Text1Change, CombX1, [&comb] { comb.ValidateCombinationX1(); });
  routes.on(Text1Change, UrpCombPeEntered, [&comb] { comb.ValidateCombinationUrpPe(); });
  routes.on(Text1Change, UrpCombPpEntered, [&comb] { comb.ValidateCombinationUrpPp(); });
  routes.on(Text1Change, K13Entered, [&comb] { comb.ValidateK13Factor(); });
  routes.on(Text1Change, UrpCombPp, [&comb] { comb.EnableCombinationNextOnUrpPp(); });
  routes.on(Text1Change, UrpCombPe, [&comb] { comb.EnableCombinationNextOnUrpPe(); });

  // Help texts of the captions and notes of the options.
  help_->DeclareRoutes(routes);
}

}  // namespace tov
