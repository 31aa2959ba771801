#include <gtest/gtest.h>

#include <cmath>

#include "tov/k3_formulas.hpp"

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
