// The three fast-front formulas, one hand-computed case a line.

#include <gtest/gtest.h>

#include <cmath>

#include "surge/fast_front_formulas.hpp"

namespace {

struct Formula1Case {
  double upl, c, l, s, urp;
};

TEST(Formula1Urp, IsUplPlusTwiceLTimesSOverC) {
  for (const Formula1Case& k : {
           Formula1Case{906, 300, 30, 1000, 1106},            // 906 + 60000 / 300
           Formula1Case{906, 300, 25, 1100, 906 + 550.0 / 3},  // 906 + 55000 / 300 = 1089,33...
           Formula1Case{823, 300, 25, 1000, 823 + 500.0 / 3},  // 989,666...
           Formula1Case{823, 300, 30, 1000, 1023},
           Formula1Case{906, 300, 30, -1000, 706},              // a negative S lowers Urp
       })
    EXPECT_NEAR(surge::Formula1Urp(k.upl, k.c, k.l, k.s), k.urp, 1e-12) << k.upl << " " << k.l << " " << k.s;
  EXPECT_FALSE(std::isfinite(surge::Formula1Urp(906, 0, 30, 1000)));
}

struct Formula2Case {
  double upl, l, lsp, n, a, urp;
};

TEST(Formula2Urp, IsUplPlusATimesLOverNTimesLsp) {
  for (const Formula2Case& k : {
           Formula2Case{906, 30, 400, 2, 11000, 1318.5},            // 330000 / 2 / 400 = 412,5
           Formula2Case{823, 20, 300, 2, 4500, 973},                // 90000 / 600 = 150
           Formula2Case{823, 10, 300, 1, 7000, 823 + 700.0 / 3},     // 1056,33...
           Formula2Case{823, 20, 0.4, 2, 4500, 823 + 112500},        // Lsp taken as typed
       })
    EXPECT_NEAR(surge::Formula2Urp(k.upl, k.l, k.lsp, k.n, k.a), k.urp, 1e-9) << k.l << " " << k.lsp;
  EXPECT_FALSE(std::isfinite(surge::Formula2Urp(906, 30, 400, 0, 11000)));
  EXPECT_FALSE(std::isfinite(surge::Formula2Urp(906, 30, 0, 2, 11000)));
}

struct Formula3Case {
  double bil, ks, urp;
};

TEST(Formula3Urp, IsBilOverKs) {
  for (const Formula3Case& k : {
           Formula3Case{1425, 1.15, 28500.0 / 23},  // 1239,13...
           Formula3Case{1050, 1.05, 1000},
           Formula3Case{1050, 1.15, 21000.0 / 23},  // 913,043...
           Formula3Case{1050, 0.4, 2625},           // a Ks below 1 is taken as typed
       })
    EXPECT_NEAR(surge::Formula3Urp(k.bil, k.ks), k.urp, 1e-12) << k.bil << " " << k.ks;
  EXPECT_FALSE(std::isfinite(surge::Formula3Urp(1425, 0)));
}

}  // namespace
