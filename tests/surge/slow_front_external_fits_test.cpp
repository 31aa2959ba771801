// The external phase-to-phase fit against values worked out by hand.

#include "surge/slow_front_fits.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace fits = surge::external_fits;

struct AngleCase {
  double r, degrees;
};

// r = D / Ht; 39,728 r^3 - 68,556 r^2 - 7,8296 r + 45,575.
constexpr AngleCase kAngles[] = {{0, 45.575}, {0.5, 29.4872}, {1, 8.9174}};

TEST(SlowFrontExternalFits, TheAngleOfTheRatio) {
  for (const AngleCase& c : kAngles) EXPECT_NEAR(fits::AngleDegrees(c.r), c.degrees, 1e-12) << c.r;
}

struct UptreCase {
  double d, ht, upt, uet, uptre, tolerance;
};

// D = 6, Ht = 12: t = tan(29,4872 * 3,14 / 180) = 0,56513, k = 0,73389,
// a = 0,45427, b = 0,091455; D = 0: 45,575 degrees, about Upt.
constexpr UptreCase kUptre[] = {
    {6, 12, 1000, 600, 1018.29, 0.005},
    {0, 12, 1000, 600, 1000.0224, 0.00005},
    {6, 12, 1288.0, 857.32, 1327.018, 0.0005},
    {6, 12, 1389.8, 857.32, 1419.508, 0.0005},
};

TEST(SlowFrontExternalFits, UptreFromTheClearanceAndTheHeight) {
  for (const UptreCase& c : kUptre)
    EXPECT_NEAR(fits::Uptre(c.d, c.ht, c.upt, c.uet), c.uptre, c.tolerance) << c.d << " " << c.upt;
}

TEST(SlowFrontExternalFits, AHeightOfZeroGivesNoFiniteValue) {
  EXPECT_FALSE(std::isfinite(fits::Uptre(6, 0, 1000, 600)));
}

}  // namespace
