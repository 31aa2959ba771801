#include "tov/k1_formulas.hpp"

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

}  // namespace
