#include <gtest/gtest.h>

#include "tov/combination_formulas.hpp"

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
