// The slow-front fits against values worked out by hand, in per unit (B = 1)
// and in kV for Um = 420 kV.

#include "surge/slow_front_fits.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace fits = surge::slow_front_fits;
using fits::SwitchingCase;

constexpr double kExact = 1e-12;

struct PerUnitCase {
  double x, uet, reRatio, reUp2, reUpt, enRatio, enUp2, enUpt;
};

// x, Uet, then P(x), Up2 and Upt for re-energization and for energization.
constexpr PerUnitCase kPerUnit[] = {
    {1.5, 1.625, 1.7360375, 2.60405625, 2.8250703125, 1.6159, 2.42385, 2.5998125},
    {2, 2.25, 1.6644, 3.3288, 3.731, 1.5422, 3.0844, 3.4255},
    {2.5, 2.875, 1.5778125, 3.94453125, 4.5006640625, 1.5022, 3.7555, 4.264375},
    {3, 3.5, 1.5023, 4.5069, 5.203625, 1.4959, 4.4877, 5.179625},
    // The fits stand as they are outside the usual range: x = 1 gives Uet = 1 pu,
    // x = 0 gives Uet = -0.25 pu, Up2 = 0 and Upt = -0.43 pu for both cases.
    {1, 1, 1.7667, 1.7667, 1.778375, 1.7233, 1.7233, 1.724125},
    {0, -0.25, 1.601, 0, -0.43, 2.0392, 0, -0.43},
};

TEST(SlowFrontFits, PerUnitValuesOfTheReferenceTable) {
  for (const PerUnitCase& c : kPerUnit) {
    SCOPED_TRACE(c.x);
    EXPECT_NEAR(fits::Uet(c.x, 1), c.uet, kExact);
    const double re = fits::RatioFit(c.x, SwitchingCase::Reenergization);
    const double en = fits::RatioFit(c.x, SwitchingCase::Energization);
    EXPECT_NEAR(re, c.reRatio, kExact);
    EXPECT_NEAR(fits::Up2(c.x, re, 1), c.reUp2, kExact);
    EXPECT_NEAR(fits::Upt(c.x, re, 1), c.reUpt, kExact);
    EXPECT_NEAR(en, c.enRatio, kExact);
    EXPECT_NEAR(fits::Up2(c.x, en, 1), c.enUp2, kExact);
    EXPECT_NEAR(fits::Upt(c.x, en, 1), c.enUpt, kExact);
  }
}

TEST(SlowFrontFits, KilovoltsAt420kV) {
  // B = 420 * 1,41421356 / 1,73205081 = 342,92856 kV; x = 2.
  const double b = fits::PuBase(420);
  EXPECT_NEAR(b, 342.92856, 0.000005);
  EXPECT_NEAR(fits::Uet(2, b), 771.59, 0.005);
  const double re = fits::RatioFit(2, SwitchingCase::Reenergization);
  EXPECT_NEAR(fits::Up2(2, re, b), 1141.54, 0.005);
  EXPECT_NEAR(fits::Upt(2, re, b), 1279.47, 0.005);
  const double en = fits::RatioFit(2, SwitchingCase::Energization);
  EXPECT_NEAR(fits::Up2(2, en, b), 1057.73, 0.005);
  EXPECT_NEAR(fits::Upt(2, en, b), 1174.70, 0.005);
}

TEST(SlowFrontFits, Ue2InKilovoltsOrPerUnitGivesTheSameX) {
  const double b = fits::PuBase(420);
  EXPECT_EQ(fits::Ue2PerUnit(2.5, true, b), 2.5);
  EXPECT_NEAR(fits::Ue2PerUnit(857.32, false, b), 2.5, 0.00001);  // 2,5 * 342,92856 = 857,3214
}

TEST(SlowFrontFits, TheRepresentativeValueIsTheLowerOneWithTheTiesOfEachRule) {
  // Phase to earth: Uet as its box shows it, only while the calculated Uet
  // lies strictly below Ups.
  EXPECT_EQ(fits::UrpPhaseToEarth(700, 700, 740), 700);
  EXPECT_EQ(fits::UrpPhaseToEarth(740, 740, 740), 740);
  EXPECT_EQ(fits::UrpPhaseToEarth(771.59, 771.59, 740), 740);
  EXPECT_EQ(fits::UrpPhaseToEarth(739.996, 739.99, 740), 739.99);
  EXPECT_EQ(fits::UrpPhaseToEarth(740.004, 740, 740.001), 740.001);
  // Phase to phase: Upt as its box shows it, up to and including 2 Ups.
  EXPECT_EQ(fits::UrpPhaseToPhase(1279.47, 740), 1279.47);
  EXPECT_TRUE(fits::UptIsRepresentative(1480, 740));
  EXPECT_EQ(fits::UrpPhaseToPhase(1480.01, 740), 1480);
}

TEST(SlowFrontFits, AHugeUe2GivesNoFiniteRatio) {
  // 6E+102 cubed is beyond the largest double.
  EXPECT_FALSE(std::isfinite(fits::RatioFit(6e102, SwitchingCase::Reenergization)));
  EXPECT_TRUE(std::isfinite(fits::RatioFit(5e102, SwitchingCase::Reenergization)));
}

}  // namespace
