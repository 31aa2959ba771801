// The conversion factors and products, each case worked out by hand.

#include <gtest/gtest.h>

#include "platform/numbers.hpp"
#include "required/conversion_formulas.hpp"

namespace {

using namespace required;

struct Case {
  double u, expected;
};

TEST(ConversionFormulas, KtTimesUrw) {
  struct Product {
    double kt, urw, expected;
  };
  for (const Product& p : {Product{1.6, 291.1, 465.76}, Product{1.6, 504.2, 806.72}, Product{1.4, 278.5, 389.9},
                           Product{0, 504.2, 0}, Product{0.5, 400, 200}, Product{1.15, 250, 287.5}})
    EXPECT_NEAR(ConvertedWithstand(p.kt, p.urw), p.expected, 1e-9) << p.kt << " " << p.urw;
}

TEST(ConversionFormulas, KtOfShortDurationPowerFrequencyWithstand) {
  // Phase to earth U / 8500 + 0,6; phase to phase U / 12700 + 0,6.
  for (const Case& c : {Case{850, 0.7}, Case{425, 0.65}, Case{0, 0.6}, Case{1700, 0.8}})
    EXPECT_NEAR(KtSdwPhaseToEarth(c.u), c.expected, 1e-12) << c.u;
  for (const Case& c : {Case{1270, 0.7}, Case{635, 0.65}, Case{2540, 0.8}})
    EXPECT_NEAR(KtSdwPhaseToPhase(c.u), c.expected, 1e-12) << c.u;
}

TEST(ConversionFormulas, KtOfLightningImpulseWithstand) {
  // Phase to earth U / 6000 + 1,05; phase to phase U / 9000 + 1,05.
  for (const Case& c : {Case{850, 1.05 + 850.0 / 6000}, Case{600, 1.15}, Case{3000, 1.55}})
    EXPECT_NEAR(KtLiwPhaseToEarth(c.u), c.expected, 1e-12) << c.u;
  for (const Case& c : {Case{900, 1.15}, Case{635, 1.05 + 635.0 / 9000}})
    EXPECT_NEAR(KtLiwPhaseToPhase(c.u), c.expected, 1e-12) << c.u;
}

// What the result boxes of six characters show: the products of Table 2 as
// the pages write them, 850 * 1,1916666 = 1012,91666 and 635 * 1,1205555 = 711,5527.
TEST(ConversionFormulas, Table2ProductsAsTheResultBoxesShowThem) {
  struct Shown {
    double u;
    double (*kt)(double);
    const char* text;
  };
  for (const Shown& s : {Shown{850, KtSdwPhaseToEarth, "595"}, Shown{1270, KtSdwPhaseToPhase, "889"},
                         Shown{850, KtLiwPhaseToEarth, "1012,9"}, Shown{635, KtLiwPhaseToPhase, "711,55"},
                         Shown{425, KtSdwPhaseToEarth, "276,25"}, Shown{635, KtSdwPhaseToPhase, "412,75"}})
    EXPECT_EQ(platform::NumberTextForBox(ConvertedWithstand(s.kt(s.u), s.u), 6), s.text) << s.u;
}

}  // namespace
