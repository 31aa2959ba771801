// The conversion products, each case worked out by hand.

#include <gtest/gtest.h>

#include "required/conversion_formulas.hpp"

namespace {

using namespace required;

TEST(ConversionFormulas, KtTimesUrw) {
  struct Product {
    double kt, urw, expected;
  };
  for (const Product& p : {Product{1.6, 291.1, 465.76}, Product{1.6, 504.2, 806.72}, Product{1.4, 278.5, 389.9},
                           Product{0, 504.2, 0}, Product{0.5, 400, 200}, Product{1.15, 250, 287.5}})
    EXPECT_NEAR(ConvertedWithstand(p.kt, p.urw), p.expected, 1e-9) << p.kt << " " << p.urw;
}

}  // namespace
