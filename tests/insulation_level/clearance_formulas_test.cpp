// The formulas of the clearances above 245 kV, worked out by hand:
// U50 = (0,26 K + 0,74) 530 d, the withstand U50 (1 - 1,3 * 0,03), the gap
// factor B = tan(alpha * 3,14 / 180) and d of U50 = 1080 K ln(1 + 0,46 d).

#include <gtest/gtest.h>

#include <cmath>

#include "insulation_level/clearance_formulas.hpp"

namespace {

using namespace insulation_level;

TEST(ClearanceFormulas, U50AndWithstandOfAPhaseToEarthClearance) {
  struct Case {
    double k, mm, u50, withstand;
  };
  const Case cases[] = {
      {kRodStructureK, 3400, 1.039 * 530 * 3.4, 1872.278 * 0.961},        // 1872,278 and 1799,259158
      {kConductorStructureK, 2600, 1.091 * 530 * 2.6, 1503.398 * 0.961},  // 1503,398 and 1444,765478
      {kRodStructureK, 1900, 1046.273, 1005.468353},
      {kConductorStructureK, 4900, 2833.327, 2722.827247},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(U50OfPeClearance(c.k, c.mm), c.u50, 1e-9) << c.mm;
    EXPECT_NEAR(WithstandOfU50(c.u50), c.withstand, 1e-9) << c.mm;
  }
  EXPECT_NEAR(U50OfWithstand(1138.222), 1184.414152, 1e-6);
}

TEST(ClearanceFormulas, GapFactorAndClearanceOfU50) {
  // r = 0,4: alpha = 45,575 - 3,15704 - 10,96896 + 2,542592 = 33,991592 degrees.
  EXPECT_NEAR(GapFactorB(0.4), 0.673857607048219, 1e-12);
  // r = 0: alpha = 45,575 degrees.
  EXPECT_NEAR(GapFactorB(0), std::tan(45.575 * 3.14 / 180), 1e-15);
  EXPECT_NEAR(GapFactorB(1), std::tan(8.8544 * 3.14 / 180), 1e-12);
  EXPECT_NEAR(ClearanceOfU50(1184.414, kRodConductorK), (std::exp(1184.414 / 1566) - 1) / 0.46, 1e-12);
  EXPECT_NEAR(ClearanceOfU50(1184.414, kRodConductorK), 2.457488672, 1e-8);
  EXPECT_NEAR(ClearanceOfU50(1184.414, kConductorConductorK), 2.104112253, 1e-8);
}

TEST(ClearanceFormulas, EachValueOfTheEquationsIsComputedFromTheOneShownBefore) {
  struct Case {
    double r, uPlus, k;
    double b, u0, u50, d;
  };
  const Case cases[] = {
      // B 0,673857607 shows as 0,673857: U0 = 680 + 0,673857 * 680 = 1138,22276, shown 1138,222;
      // U50 = 1138,222 / 0,961 = 1184,41415, shown 1184,414; d of 1184,414.
      {0.4, 680, kRodConductorK, 0.673857607048219, 1138.22276, 1184.414152, 2.457488672},
      {0.4, 680, kConductorConductorK, 0.673857607048219, 1138.22276, 1184.414152, 2.104112253},
      // U0 = 650,5 * 1,673857 = 1088,8439785, shown 1088,843; U50 = 1133,031217, shown 1133,031.
      {0.4, 650.5, kRodConductorK, 0.673857607048219, 1088.8439785, 1133.031217, 2.307990914},
  };
  for (const Case& c : cases) {
    const auto v = PpClearanceByEquations(c.r, c.uPlus, c.k);
    ASSERT_TRUE(v.has_value()) << c.uPlus;
    EXPECT_NEAR(v->b, c.b, 1e-12);
    EXPECT_EQ(v->uPlus, c.uPlus);
    EXPECT_NEAR(v->u0, c.u0, 1e-9) << c.uPlus;
    EXPECT_NEAR(v->u50, c.u50, 1e-6) << c.uPlus;
    EXPECT_NEAR(v->d, c.d, 1e-8) << c.uPlus;
  }
  // No withstand, or a U50 whose clearance is beyond any number: nothing to show.
  EXPECT_FALSE(PpClearanceByEquations(0.4, 0, kRodConductorK).has_value());
  EXPECT_FALSE(PpClearanceByEquations(0.4, 15000000, kRodConductorK).has_value());
  EXPECT_FALSE(PpClearanceByEquations(0.4, 1e9, kRodConductorK).has_value());
  // D 7 m over Ht 3 m: an angle of 158,6 degrees, whose tangent would give B = -0,39346.
  EXPECT_FALSE(PpClearanceByEquations(7.0 / 3, 337.5, kRodConductorK).has_value());
  EXPECT_TRUE(PpClearanceByEquations(2.0, 337.5, kRodConductorK).has_value());
}

}  // namespace
