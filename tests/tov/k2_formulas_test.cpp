#include "tov/k2_formulas.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>

namespace {

using tov::K2LineData;

// The line of the worked examples: f 50 Hz, l 100 km, C1 = L1 = 0,00001 per km,
// U2 400 kV, S_SC 1256 MVA.
K2LineData ExampleLine(double qSE, double qRE, double sOL) {
  K2LineData d;
  d.f = 50;
  d.l = 100;
  d.c1 = 0.00001;
  d.qOL = 125.6;  // 50 * 6.28 * 100 * 0.00001 * 400
  d.sSC = 1256;
  d.qSE = qSE;
  d.qRE = qRE;
  d.sOL = sOL;
  d.l1 = 0.00001;
  return d;
}

TEST(K2ChargingPower, UsesU2ToTheFirstPowerAndTwoPiAs628) {
  EXPECT_NEAR(*tov::ChargingPowerOfLine(50, 100, 0.00001, 400), 125.6, 1e-12);
  // 60 * 6.28 * 333 * 0.000012 * 410
  EXPECT_NEAR(*tov::ChargingPowerOfLine(60, 333, 0.000012, 410), 617.334048, 1e-9);
  EXPECT_FALSE(tov::ChargingPowerOfLine(1e200, 1e200, 1, 1));  // beyond a double
}

TEST(K2Simplified, IsOneOverOneMinusTheRatio) {
  EXPECT_NEAR(*tov::K2Simplified(125.6, 1256), 1 / 0.9, 1e-14);
  EXPECT_NEAR(*tov::K2Simplified(0, 1256), 1.0, 0);
  EXPECT_FALSE(tov::K2Simplified(125.6, 0));      // no short-circuit power
  EXPECT_FALSE(tov::K2Simplified(1256, 1256));    // charging power equal to it
}

// bl = 100 * 314 * 0,00001 = 0,314 rad, x = 0,1 / 0,314; with no compensation
// K2RE = 1 / (cos bl - x sin bl) and the sending end K2SE = K2RE cos bl.
TEST(K2Analytical, WithoutCompensation) {
  const auto k2 = tov::K2Analytical(ExampleLine(0, 0, 1000));
  ASSERT_TRUE(k2);
  const double bl = 0.314, x = 0.1 / 0.314;
  const double re = 1 / (std::cos(bl) - x * std::sin(bl));
  EXPECT_NEAR(k2->receiving, re, 1e-12);
  EXPECT_NEAR(k2->receiving, 1.172689, 1e-6);
  EXPECT_NEAR(k2->sending, re * std::cos(bl), 1e-12);
}

// a = 1,02, b = 10 + 12,56 / 500, q = 0,1, P = 0,314^2, e = 0,0314 sin bl.
TEST(K2Analytical, WithCompensationAtBothEnds) {
  const auto k2 = tov::K2Analytical(ExampleLine(12.56, 12.56, 500));
  ASSERT_TRUE(k2);
  const double bl = 0.314, x = 0.1 / 0.314, a = 1.02, b = 10.02512, q = 0.1, P = bl * bl;
  const double re = 1 / (a * std::cos(bl) - x * (1 - b * q * P) * std::sin(bl));
  EXPECT_NEAR(k2->receiving, re, 1e-12);
  EXPECT_NEAR(k2->receiving, 1.134448, 1e-6);
  EXPECT_NEAR(k2->sending, re * (std::cos(bl) + 0.0314 * std::sin(bl)), 1e-12);
}

// The network itself, solved as complex phasors: source E behind the
// short-circuit reactance, shunt reactors at both ends, and the lossless line
// as its two-port (A = D = cos bl, B = j Zc sin bl, C = j sin bl / Zc). Voltages
// per unit of U, so a reactor of Q takes the admittance -j Q / U^2 with U = 1
// and the source reactance is 1 / S_SC. With S_OL = Q_OL the formula is this
// network exactly.
struct Network {
  double betaL, zc, sSC, qSE, qRE;
  std::complex<double> ratio(bool sendingEnd) const {
    using C = std::complex<double>;
    const C j(0, 1);
    const C v2 = 1.0;
    const C i2 = -j * qRE * v2;                               // into the receiving-end reactor
    const C v1 = std::cos(betaL) * v2 + j * zc * std::sin(betaL) * i2;
    const C i1 = j * std::sin(betaL) / zc * v2 + std::cos(betaL) * i2;
    const C iSource = i1 - j * qSE * v1;                     // line plus sending-end reactor
    const C e = v1 + j * (1.0 / sSC) * iSource;
    return (sendingEnd ? v1 : v2) / e;
  }
};

TEST(K2Analytical, MatchesTheTwoPortOfTheLine) {
  const Network cases[] = {
      {0.314, 0.8, 20, 0, 0}, {0.314, 0.8, 20, 0.05, 0.2}, {0.9, 2.5, 3, 0.1, 0.3}, {1.3, 1.1, 50, 0.4, 0.02}};
  for (const Network& n : cases) {
    // The page's data for this network: a line of 100 km at 50 Hz with
    // L1 = C1, Q_OL = U^2 bl / Zc, and S_OL = Q_OL.
    K2LineData d;
    d.f = 50;
    d.l = 100;
    d.l1 = d.c1 = n.betaL / (d.l * d.f * tov::kK2TwoPi);
    d.qOL = n.betaL / n.zc;
    d.sSC = n.sSC;
    d.qSE = n.qSE;
    d.qRE = n.qRE;
    d.sOL = d.qOL;
    const auto k2 = tov::K2Analytical(d);
    ASSERT_TRUE(k2);
    EXPECT_NEAR(n.ratio(false).imag(), 0, 1e-12);
    EXPECT_NEAR(k2->receiving, n.ratio(false).real(), 1e-9) << "bl " << n.betaL;
    EXPECT_NEAR(k2->sending, n.ratio(true).real(), 1e-9) << "bl " << n.betaL;
  }
}

TEST(K2Analytical, RefusesWhereTheFormulaIsNotDefined) {
  const auto with = [](auto change) {
    K2LineData d = ExampleLine(12.56, 12.56, 500);
    change(d);
    return tov::K2Analytical(d).has_value();
  };
  EXPECT_FALSE(with([](K2LineData& d) { d.sSC = 0; }));
  EXPECT_FALSE(with([](K2LineData& d) { d.qOL = 0; }));
  EXPECT_FALSE(with([](K2LineData& d) { d.f = 0; }));
  EXPECT_FALSE(with([](K2LineData& d) { d.l = 0; }));
  EXPECT_FALSE(with([](K2LineData& d) { d.sOL = 0; }));
  EXPECT_FALSE(with([](K2LineData& d) { d.l1 = 0; }));
  EXPECT_FALSE(with([](K2LineData& d) { d.l1 = -0.00001; }));  // root of a negative product
  EXPECT_FALSE(with([](K2LineData& d) { d.qSE = std::numeric_limits<double>::max(); }));
  // Negative data that keep L1 * C1 positive are a line of its own, not refused.
  EXPECT_TRUE(with([](K2LineData& d) { d.l1 = d.c1 = -0.00001; }));
}

}  // namespace
