// The statistical simplified method of the co-ordination fast-front tabs,
// Ucw = Upl + A L / (n (Lsp + La)), worked out by hand.

#include "coordination/fast_front_tabs.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Case {
  double upl, a, l, n, lsp, la;
  double ucw;
};

constexpr Case kCases[] = {
    {800, 4500, 30, 2, 300, 1500, 837.5},                // 800 + 135000 / 3600
    {906, 11000, 60, 2, 400, 500, 906 + 660000.0 / 1800},  // 1272,666...
    {250, 4500, 20, 1, 300, 500, 362.5},                 // 250 + 90000 / 800
    {800, 4500.5, 30, 2, 300, 1500, 837.50416666666667},  // 800 + 135015 / 3600
    {800, -100000, 30, 1, 300, 500, -2950},              // 800 - 3000000 / 800
};

TEST(FastFrontFormula, StatisticalSimplifiedMethod) {
  for (const Case& c : kCases)
    EXPECT_DOUBLE_EQ(coordination::UcwFastFrontStatistical(c.upl, c.a, c.l, c.n, c.lsp, c.la), c.ucw) << c.a;
  // No line or no length: nothing a box could show.
  EXPECT_FALSE(std::isfinite(coordination::UcwFastFrontStatistical(800, 4500, 30, 0, 300, 1500)));
  EXPECT_FALSE(std::isfinite(coordination::UcwFastFrontStatistical(800, 4500, 30, 2, 300, -300)));
}

}  // namespace
