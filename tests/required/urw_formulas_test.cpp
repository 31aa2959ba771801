// The required-withstand formulas, each case worked out by hand.

#include <gtest/gtest.h>

#include <cmath>

#include "required/urw_formulas.hpp"

namespace {

using namespace required;

struct Case {
  double a, b, expected;
};

TEST(UrwFormulas, KsOfInternalAndExternalInsulation) {
  // Internal: Ucw * 1,15.
  for (const Case& c : {Case{363.73, 0, 418.2895}, Case{630, 0, 724.5}, Case{1000, 0, 1150}})
    EXPECT_NEAR(UrwInternal(c.a), c.expected, 1e-9) << c.a;
  // External, Ka typed: Ucw * 1,05 * Ka.
  for (const Case& c : {Case{363.73, 1.05, 401.012325}, Case{630, 1, 661.5}, Case{400, 0.9, 378}})
    EXPECT_NEAR(UrwExternalWithEnteredKa(c.a, c.b), c.expected, 1e-9) << c.a;
  // External, Ka from the altitude: Ucw * Ka * 1,05.
  for (const Case& c : {Case{363.73, 1, 381.9165}, Case{630, 1.2, 793.8}})
    EXPECT_NEAR(UrwExternalWithAltitudeKa(c.a, c.b), c.expected, 1e-9) << c.a;
}

TEST(UrwFormulas, KaOfTheAltitude) {
  // e^(m H / 8150): sea level 1; H = 8150 m with m = 1 gives e; m = 0,5 halves the exponent.
  for (const Case& c : {Case{1, 0, 1}, Case{1, 8150, std::exp(1.0)}, Case{0.5, 8150, std::exp(0.5)},
                        Case{1, 1000, 1.1305445129}, Case{0.8, -815, std::exp(-0.08)}})
    EXPECT_NEAR(KaFromAltitude(c.a, c.b), c.expected, 1e-9) << c.a << " " << c.b;
}

TEST(UrwFormulas, ExponentMOfTheSlowFrontUcwStaysBetween0And1) {
  // Phase to earth: 5E-8 U - 0,0005 U + 1,3351; phase to phase: 4E-8 U - 0,0005 U + 1,5112.
  for (const Case& c : {Case{1000, 0, 0.83515}, Case{600, 0, 1}, Case{2670.2, 0, 0.00013351}, Case{3000, 0, 0}})
    EXPECT_NEAR(ExponentMPhaseToEarth(c.a), c.expected, 1e-9) << c.a;
  for (const Case& c : {Case{1200, 0, 0.911248}, Case{1000, 0, 1}, Case{4000, 0, 0}})
    EXPECT_NEAR(ExponentMPhaseToPhase(c.a), c.expected, 1e-9) << c.a;
}

}  // namespace
