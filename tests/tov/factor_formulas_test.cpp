#include "tov/factor_formulas.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using tov::K1InSystem;
using tov::K1OnGeneratorUnit;
using tov::UrpFromK1;

TEST(UrpFromK1, IsUmOverRootThreeAndUm) {
  // 420 / 1.7320508075688772 = 242.48711305964...
  const tov::UrpPair ignore = UrpFromK1(420, 1);
  EXPECT_NEAR(ignore.pe, 242.4871130596428, 1e-12);
  EXPECT_DOUBLE_EQ(ignore.pp, 420);
  // 110 * 1,3 = 143; 143 / 1,7320508 = 82,56109
  const tov::UrpPair raised = UrpFromK1(110, 1.3);
  EXPECT_NEAR(raised.pp, 143, 1e-12);
  EXPECT_NEAR(raised.pe, 82.56109, 1e-5);
}

TEST(K1InSystem, LoadRejectionOfAReactiveLoad) {
  // Q_L = 100, P_L = 0, S_SC = 1000: sqrt((1 + 0,1)^2 + 0^2) = 1,1.
  ASSERT_TRUE(K1InSystem(100, 0, 1000));
  EXPECT_NEAR(*K1InSystem(100, 0, 1000), 1.1, 1e-12);
  // With Um = 420 this K1 gives 462 / sqrt(3) = 266,7358... and 462.
  const tov::UrpPair urp = UrpFromK1(420, *K1InSystem(100, 0, 1000));
  EXPECT_NEAR(urp.pe, 266.7358, 1e-4);
  EXPECT_NEAR(urp.pp, 462, 1e-9);
}

TEST(K1InSystem, ResistiveLoadAddsInQuadrature) {
  // Q_L = 0, P_L = 100, S_SC = 1000: sqrt(1 + 0,01) = 1,0049875...
  EXPECT_NEAR(*K1InSystem(0, 100, 1000), 1.00498756, 1e-8);
  // Q_L = 200, P_L = 150, S_SC = 500: sqrt(1,4^2 + 0,3^2) = sqrt(2,05) = 1,4317821...
  EXPECT_NEAR(*K1InSystem(200, 150, 500), 1.43178211, 1e-8);
  // A capacitive load (negative Q_L) lowers K1: sqrt(0,9^2) = 0,9.
  EXPECT_NEAR(*K1InSystem(-100, 0, 1000), 0.9, 1e-12);
}

TEST(K1InSystem, NoShortCircuitPowerGivesNoFactor) {
  EXPECT_FALSE(K1InSystem(100, 0, 0));
  EXPECT_FALSE(K1InSystem(0, 0, 0));  // 0 / 0
  EXPECT_FALSE(K1InSystem(1e300, 0, 1e-300));
}

TEST(K1OnGeneratorUnit, TheWorkedExample) {
  // Xd" = 0,2, uk = 0,1, S_G = S_Tr = 100, cos phi = 0,8:
  // sqrt(1 - 0,64) = 0,6; 0,1 * 100 / 100 = 0,1; (0,2 + 0,1) * 0,6 + 1 = 1,18; * 1,05 = 1,239.
  ASSERT_TRUE(K1OnGeneratorUnit(0.2, 0.1, 100, 100, 0.8));
  const double k1 = *K1OnGeneratorUnit(0.2, 0.1, 100, 100, 0.8);
  EXPECT_NEAR(k1, 1.239, 1e-12);
  // With Um = 420: 520,38 / sqrt(3) = 300,4415... and 520,38.
  const tov::UrpPair urp = UrpFromK1(420, k1);
  EXPECT_NEAR(urp.pe, 300.44153, 1e-5);
  EXPECT_NEAR(urp.pp, 520.38, 1e-9);
}

TEST(K1OnGeneratorUnit, RatingsScaleTheTransformerImpedance) {
  // uk * S_G / S_Tr = 0,12 * 200 / 250 = 0,096; (0,15 + 0,096) * 0,6 + 1 = 1,1476; * 1,05 = 1,20498.
  EXPECT_NEAR(*K1OnGeneratorUnit(0.15, 0.12, 200, 250, 0.8), 1.20498, 1e-12);
  // A pure active load (cos phi = 1) leaves only the 5 %: K1 = 1,05.
  EXPECT_NEAR(*K1OnGeneratorUnit(0.2, 0.1, 100, 100, 1), 1.05, 1e-12);
  // cos phi enters squared: -0,8 gives what 0,8 gives.
  EXPECT_NEAR(*K1OnGeneratorUnit(0.2, 0.1, 100, 100, -0.8), 1.239, 1e-12);
}

TEST(K1OnGeneratorUnit, RefusesWhatHasNoRealFactor) {
  EXPECT_FALSE(K1OnGeneratorUnit(0.2, 0.1, 100, 100, 1.01));
  EXPECT_FALSE(K1OnGeneratorUnit(0.2, 0.1, 100, 100, -1.5));
  EXPECT_FALSE(K1OnGeneratorUnit(0.2, 0.1, 100, 0, 0.8));  // S_Tr = 0
  EXPECT_FALSE(K1OnGeneratorUnit(0.2, 0.1, 100, 0, 1));    // infinity times a zero root
  EXPECT_FALSE(K1OnGeneratorUnit(0.2, 0.1, 100, 100, std::nan("")));
  // The bounds themselves are fine.
  EXPECT_TRUE(K1OnGeneratorUnit(0.2, 0.1, 100, 100, -1));
}

using tov::EarthFault;
using tov::EarthFaultFactor;

TEST(EarthFaultFactor, EqualReactancesGiveOneForBothFaults) {
  EXPECT_DOUBLE_EQ(*EarthFaultFactor(EarthFault::SinglePhase, 12.5, 12.5), 1.0);
  EXPECT_DOUBLE_EQ(*EarthFaultFactor(EarthFault::TwoPhase, 12.5, 12.5), 1.0);
}

TEST(EarthFaultFactor, RatioThree) {
  // r = 3: single phase sqrt(3) * sqrt(9 + 3 + 1) / 5 = sqrt(39) / 5; two phase 9 / 7.
  EXPECT_NEAR(*EarthFaultFactor(EarthFault::SinglePhase, 30, 10), std::sqrt(39.0) / 5.0, 1e-15);
  EXPECT_NEAR(*EarthFaultFactor(EarthFault::TwoPhase, 30, 10), 9.0 / 7.0, 1e-15);
}

TEST(EarthFaultFactor, ZeroX0AndTheLimitsOfLargeRatios) {
  EXPECT_NEAR(*EarthFaultFactor(EarthFault::SinglePhase, 0, 10), std::sqrt(3.0) / 2.0, 1e-15);
  EXPECT_DOUBLE_EQ(*EarthFaultFactor(EarthFault::TwoPhase, 0, 10), 0.0);
  EXPECT_NEAR(*EarthFaultFactor(EarthFault::SinglePhase, 1e9, 1), std::sqrt(3.0), 1e-8);
  EXPECT_NEAR(*EarthFaultFactor(EarthFault::TwoPhase, 1e9, 1), 1.5, 1e-8);
}

TEST(EarthFaultFactor, HasNoValueWhereItsFormulaBreaksDown) {
  EXPECT_FALSE(EarthFaultFactor(EarthFault::SinglePhase, 10, 0));
  EXPECT_FALSE(EarthFaultFactor(EarthFault::TwoPhase, 10, 0));
  EXPECT_FALSE(EarthFaultFactor(EarthFault::SinglePhase, 0, 0));
  // r = -2 empties the single-phase denominator, r = -1/2 the two-phase one.
  EXPECT_FALSE(EarthFaultFactor(EarthFault::SinglePhase, -20, 10));
  EXPECT_FALSE(EarthFaultFactor(EarthFault::TwoPhase, -5, 10));
  // ... while each stays finite at the other's pole.
  EXPECT_TRUE(EarthFaultFactor(EarthFault::TwoPhase, -20, 10));
  EXPECT_TRUE(EarthFaultFactor(EarthFault::SinglePhase, -5, 10));
  EXPECT_FALSE(EarthFaultFactor(EarthFault::None, 30, 10));
}

TEST(UrpPhaseToEarth, IsFactorTimesUmOverRootThree) {
  // 420 / sqrt(3) = 242,487...; with sqrt(39) / 5 it is 84 * sqrt(13) = 302,866...
  EXPECT_NEAR(tov::UrpPhaseToEarth(1.0, 420), 242.48711305964282, 1e-12);
  EXPECT_NEAR(tov::UrpPhaseToEarth(std::sqrt(39.0) / 5.0, 420), 84.0 * std::sqrt(13.0), 1e-12);
}

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

using tov::CombinationFactor;

TEST(CombinationFactor, CubicBelowTen) {
  // 0,0014 r^3 - 0,0303 r^2 + 0,2299 r + 0,8455
  EXPECT_NEAR(CombinationFactor(0.0), 0.8455, 1e-12);
  EXPECT_NEAR(CombinationFactor(1.0), 0.0014 - 0.0303 + 0.2299 + 0.8455, 1e-12);          // 1,0465
  EXPECT_NEAR(CombinationFactor(3.0), 0.0014 * 27 - 0.0303 * 9 + 0.2299 * 3 + 0.8455, 1e-12);  // 1,3003
  EXPECT_NEAR(CombinationFactor(5.0), 1.4125, 1e-12);
  EXPECT_NEAR(CombinationFactor(9.99), 1.51406216860, 1e-10);
}

TEST(CombinationFactor, QuadraticFromTenOn) {
  // -7E-06 r^2 + 0,0029 r + 1,5359; r = 10 already takes the quadratic.
  EXPECT_NEAR(CombinationFactor(10.0), -0.0007 + 0.029 + 1.5359, 1e-12);  // 1,5642
  EXPECT_NEAR(CombinationFactor(20.0), 1.5911, 1e-12);
  EXPECT_NEAR(CombinationFactor(100.0), -0.07 + 0.29 + 1.5359, 1e-12);    // 1,7559
}

TEST(CombinationFactor, FromReactances) {
  EXPECT_NEAR(*CombinationFactor(30.0, 10.0), 1.3003, 1e-12);
  EXPECT_NEAR(*CombinationFactor(0.0, 10.0), 0.8455, 1e-12);
  EXPECT_FALSE(CombinationFactor(30.0, 0.0));  // no ratio without X1
  EXPECT_FALSE(CombinationFactor(1e300, 1e-300));  // r overflows: no finite K13
}

}  // namespace
