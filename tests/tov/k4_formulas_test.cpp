#include <gtest/gtest.h>

#include "tov/k4_formulas.hpp"

using tov::OvervoltageLevel;
using tov::ResonanceFactorRequired;
using tov::TransformerKind;

TEST(ResonanceFactorRequired, StepDownNeedsBothRatiosAtTheirThresholds) {
  // 1,2 pu: S_Tr/S_SC at least 0,2 and Q_L/S_SC at least 0,1; equality counts.
  EXPECT_TRUE(ResonanceFactorRequired(TransformerKind::StepDown, OvervoltageLevel::At12Pu, 0.2, 0.1));
  EXPECT_FALSE(ResonanceFactorRequired(TransformerKind::StepDown, OvervoltageLevel::At12Pu, 0.2, 0.09));
  EXPECT_FALSE(ResonanceFactorRequired(TransformerKind::StepDown, OvervoltageLevel::At12Pu, 0.19, 0.5));
  // 1,5 pu lowers the load threshold to 0,05.
  EXPECT_TRUE(ResonanceFactorRequired(TransformerKind::StepDown, OvervoltageLevel::At15Pu, 0.2, 0.05));
  EXPECT_FALSE(ResonanceFactorRequired(TransformerKind::StepDown, OvervoltageLevel::At15Pu, 0.2, 0.04));
}

TEST(ResonanceFactorRequired, StepUpNeedsOnlyATenthOfTheShortCircuitPower) {
  EXPECT_TRUE(ResonanceFactorRequired(TransformerKind::StepUp, OvervoltageLevel::At12Pu, 0.15, 0.1));
  EXPECT_FALSE(ResonanceFactorRequired(TransformerKind::StepDown, OvervoltageLevel::At12Pu, 0.15, 0.1));
  EXPECT_TRUE(ResonanceFactorRequired(TransformerKind::StepUp, OvervoltageLevel::At15Pu, 0.1, 0.05));
  EXPECT_FALSE(ResonanceFactorRequired(TransformerKind::StepUp, OvervoltageLevel::At15Pu, 0.09, 0.05));
}

TEST(ResonanceFactorRequired, NothingWithoutTransformersOrLevel) {
  EXPECT_FALSE(ResonanceFactorRequired(TransformerKind::None, OvervoltageLevel::At12Pu, 5, 5));
  EXPECT_FALSE(ResonanceFactorRequired(TransformerKind::StepUp, OvervoltageLevel::None, 5, 5));
}
