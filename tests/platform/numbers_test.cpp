#include "platform/numbers.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

using platform::FixedPointText;
using platform::IsNumeric;
using platform::NumberTextForBox;
using platform::NumberToText;
using platform::PlainNumberText;
using platform::TextToNumber;

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(IsNumeric, AcceptsNumbersAsTheyAreTyped) {
  for (const char* text : {"0", "12", "-3", "+4", "0,8", "0.8", ",5", ".5", "0,", "0.", "-,5",
                           "1E5", "1e5", "1E+5", "1e-05", "2,5E123", "1.E3", ".5e-1", "  7  ",
                           " -1,5E-3 ", "007", "1E999", "1E-999"}) {
    EXPECT_TRUE(IsNumeric(text)) << '"' << text << '"';
  }
}

TEST(IsNumeric, RefusesWhatIsNoNumber) {
  for (const char* text : {"", " ", "-", "+", ",", ".", "-,", "1E", "1E+", "E5", ",E5",
                           "1,2,3", "1.000.5", "12.3,4", "1E1000", "1E5,5", "1 2", "- 1",
                           "--1", "1-", "1E5E5", "abc", "12a", "0x10", "Ignored", "1e 5",
                           "\t1"}) {
    EXPECT_FALSE(IsNumeric(text)) << '"' << text << '"';
  }
}

TEST(IsUnfinishedNumber, LetsAPersonTypeOnOnlyWhereMoreKeysMakeANumber) {
  for (const char* text : {"-", "+", ",", ".", "-,", " -", "1,2E", "1,2e", "1,2E-", "1E+", ",5E"})
    EXPECT_TRUE(platform::IsUnfinishedNumber(text)) << '"' << text << '"';
  for (const char* text : {"", " ", "5", "-5", ",5", "1,2E-08", "12a", "1,2,3", "E", "E5", ",E", "1E1000",
                           "- ", "1E-+"})
    EXPECT_FALSE(platform::IsUnfinishedNumber(text)) << '"' << text << '"';
}

TEST(TextToNumber, ReadsDotsAsDecimalCommas) {
  EXPECT_EQ(TextToNumber("0.8"), 0.8);
  EXPECT_EQ(TextToNumber("0,8"), 0.8);
  EXPECT_EQ(TextToNumber(",5"), 0.5);
  EXPECT_EQ(TextToNumber(".5"), 0.5);
  EXPECT_EQ(TextToNumber("0."), 0.0);
  EXPECT_EQ(TextToNumber("12,"), 12.0);
  EXPECT_EQ(TextToNumber("-,25"), -0.25);
  EXPECT_EQ(TextToNumber("+4"), 4.0);
  EXPECT_EQ(TextToNumber("  245  "), 245.0);
  EXPECT_EQ(TextToNumber("1,5E-05"), 1.5e-5);
  EXPECT_EQ(TextToNumber("2.5e+3"), 2500.0);
  EXPECT_EQ(TextToNumber("1E5"), 1e5);
}

TEST(TextToNumber, RefusesTextsThatFailTheTest) {
  for (const char* text : {"", "-", ",", "1E", "1,2,3", "1.000.5", "12.3,4", "Ignored"}) {
    EXPECT_EQ(TextToNumber(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(TextToNumber, RefusesExponentsBeyondTheRangeOfADouble) {
  EXPECT_EQ(TextToNumber("1E999"), std::nullopt);
  EXPECT_EQ(TextToNumber("-1E999"), std::nullopt);
  EXPECT_EQ(TextToNumber("1E309"), std::nullopt);
  EXPECT_EQ(TextToNumber("1E-999"), std::nullopt);
  EXPECT_EQ(TextToNumber("0,001E-320"), std::nullopt);  // would be subnormal
  EXPECT_EQ(TextToNumber("1E-320"), std::nullopt);
  // A zero mantissa is zero at any exponent.
  EXPECT_EQ(TextToNumber("0E-999"), 0.0);
  EXPECT_EQ(TextToNumber("0,000E999"), 0.0);
  // The extremes that still are normal doubles.
  EXPECT_EQ(TextToNumber("1E308"), 1e308);
  EXPECT_EQ(TextToNumber("1E-307"), 1e-307);
}

TEST(TextToNumber, GivesNoNegativeZero) {
  const auto value = TextToNumber("-0");
  ASSERT_TRUE(value);
  EXPECT_FALSE(std::signbit(*value));
}

TEST(NumberToText, WritesPrintfG15WithADecimalComma) {
  EXPECT_EQ(NumberToText(740 * 1.15), "851");
  EXPECT_EQ(NumberToText(420 / std::sqrt(3.0)), "242,487113059643");
  EXPECT_EQ(NumberToText(0.000015), "1,5E-05");
  EXPECT_EQ(NumberToText(0.0001), "0,0001");
  EXPECT_EQ(NumberToText(1e15), "1E+15");
  EXPECT_EQ(NumberToText(999999999999999.0), "999999999999999");
  EXPECT_EQ(NumberToText(1.5e20), "1,5E+20");
  EXPECT_EQ(NumberToText(1e-300), "1E-300");
  EXPECT_EQ(NumberToText(-2.5), "-2,5");
  EXPECT_EQ(NumberToText(0.1 + 0.2), "0,3");  // never the shortest round-trip form
  EXPECT_EQ(NumberToText(0.0), "0");
  EXPECT_EQ(NumberToText(-0.0), "0");
  EXPECT_EQ(NumberToText(100.0), "100");
}

TEST(NumberToText, MatchesPrintfOverASpreadOfValues) {
  // The test process runs in the C locale, so printf gives the reference.
  double value = 1.234567890123456789e-12;
  for (int i = 0; i < 400; ++i, value *= -3.7) {
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.15G", value);
    std::string expected = reference;
    for (char& c : expected) {
      if (c == '.') c = ',';
    }
    EXPECT_EQ(NumberToText(value), expected);
  }
}

TEST(NumberToText, DoesNotDependOnTheProcessLocale) {
  // A front end may switch the C locale to one with a decimal comma; the
  // texts must come out the same either way.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "sl_SI.UTF-8"}) {
    if (std::setlocale(LC_NUMERIC, name)) break;
  }
  EXPECT_EQ(NumberToText(12.5), "12,5");
  EXPECT_EQ(PlainNumberText(12.5), " 12.5");
  EXPECT_EQ(TextToNumber("0.8"), 0.8);
  EXPECT_EQ(FixedPointText(0.5, 8), "0,5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberToText, ReadsBackToFifteenDigits) {
  for (double value : {851.0, 420 / std::sqrt(3.0), 0.000015, 1e15, 1.5e20, -2.5, 1.0 / 3.0,
                       2.0 / 3.0, -123456.789012345, 0.1, 6.28, 1e-300, 9.87654321e250,
                       3.0e-5, 99999.99999, 0.00010000000001}) {
    const std::string text = NumberToText(value);
    const auto back = TextToNumber(text);
    ASSERT_TRUE(back) << text;
    EXPECT_NEAR(*back, value, std::abs(value) * 1e-14) << text;
    // Writing the read value again gives the same text.
    EXPECT_EQ(NumberToText(*back), text);
  }
}

TEST(PlainNumberText, HasSignPlaceDotAndNoLeadingZero) {
  EXPECT_EQ(PlainNumberText(0.5), " .5");
  EXPECT_EQ(PlainNumberText(-0.25), "-.25");
  EXPECT_EQ(PlainNumberText(12.5), " 12.5");
  EXPECT_EQ(PlainNumberText(-3.0), "-3");
  EXPECT_EQ(PlainNumberText(0.0), " 0");
  EXPECT_EQ(PlainNumberText(0.000015), " 1.5E-05");
  EXPECT_EQ(PlainNumberText(-0.000015), "-1.5E-05");
  EXPECT_EQ(PlainNumberText(1.5e20), " 1.5E+20");
  EXPECT_EQ(PlainNumberText(1.0 / 3.0), " .333333333333333");
  EXPECT_EQ(PlainNumberText(10.05), " 10.05");  // only a lone leading zero goes
}

TEST(NumberTextForBox, CutsDecimalsAsTheBoxWould) {
  EXPECT_EQ(NumberTextForBox(420 / std::sqrt(3.0), 6), "242,48");
  EXPECT_EQ(NumberTextForBox(420 / std::sqrt(3.0), 0), "242,487113059643");
  EXPECT_EQ(NumberTextForBox(740 * 1.15, 6), "851");
  EXPECT_EQ(NumberTextForBox(123456.7, 7), "123456,");  // the box keeps the comma
  EXPECT_EQ(NumberTextForBox(123456.7, 6), "123456");
  EXPECT_EQ(NumberTextForBox(-12.345, 4), "-12,");
  EXPECT_EQ(NumberTextForBox(1.5e20, 7), "1,5E+20");  // fits whole
  EXPECT_EQ(NumberTextForBox(0.000015, 8), "1,5E-05");
}

TEST(NumberTextForBox, RefusesWhatCannotBeShown) {
  EXPECT_EQ(NumberTextForBox(kNaN, 8), std::nullopt);
  EXPECT_EQ(NumberTextForBox(kInf, 8), std::nullopt);
  EXPECT_EQ(NumberTextForBox(-kInf, 0), std::nullopt);
  EXPECT_EQ(NumberTextForBox(1234567.0, 6), std::nullopt);  // integer part too long
  EXPECT_EQ(NumberTextForBox(-123456.0, 6), std::nullopt);  // the sign counts
  EXPECT_EQ(NumberTextForBox(-5.0, 1), std::nullopt);
  EXPECT_EQ(NumberTextForBox(1.5e20, 6), std::nullopt);     // cut exponent
  EXPECT_EQ(NumberTextForBox(1.2345e-7, 8), std::nullopt);  // "1,2345E-07" cut
}

TEST(FixedPointText, WritesAsManyDecimalsAsFit) {
  EXPECT_EQ(FixedPointText(1.5e-5, 8), "0,000015");
  EXPECT_EQ(FixedPointText(0.5, 8), "0,5");
  EXPECT_EQ(FixedPointText(2.25, 8), "2,25");
  EXPECT_EQ(FixedPointText(12.5, 8), "12,5");
  EXPECT_EQ(FixedPointText(-3.0, 8), "-3");
  EXPECT_EQ(FixedPointText(0.0, 8), "0");
  EXPECT_EQ(FixedPointText(2.25e-6, 8), "0,000002");
  EXPECT_EQ(FixedPointText(1.0 / 3.0, 8), "0,333333");
  EXPECT_EQ(FixedPointText(2.0 / 3.0, 8), "0,666667");  // rounded, not cut
  EXPECT_EQ(FixedPointText(-1.7e-5, 8), "-0,00002");
  EXPECT_EQ(FixedPointText(99999999.0, 8), "99999999");
  EXPECT_EQ(FixedPointText(9.9999999, 8), "10");      // rounding lengthens the integer part
  EXPECT_EQ(FixedPointText(0.1, 30), "0,1");         // no binary noise past 15 digits
  EXPECT_EQ(FixedPointText(1e15, 20), "1000000000000000");
}

TEST(FixedPointText, RefusesWhatDoesNotFitOrReadsAsZero) {
  EXPECT_EQ(FixedPointText(1e-9, 8), std::nullopt);
  EXPECT_EQ(FixedPointText(-1e-9, 8), std::nullopt);
  EXPECT_EQ(FixedPointText(123456789.0, 8), std::nullopt);
  EXPECT_EQ(FixedPointText(99999999.6, 8), std::nullopt);  // rounds to nine digits
  EXPECT_EQ(FixedPointText(kNaN, 8), std::nullopt);
  EXPECT_EQ(FixedPointText(kInf, 8), std::nullopt);
  EXPECT_EQ(FixedPointText(1.0, 0), std::nullopt);
}

TEST(FixedPointText, ReadsBackThroughTheNumericTest) {
  for (double value : {1.5e-5, 0.5, 2.25e-6, 1.2345678, -0.0123}) {
    const auto text = FixedPointText(value, 8);
    ASSERT_TRUE(text);
    ASSERT_TRUE(IsNumeric(*text)) << *text;
    EXPECT_NEAR(*TextToNumber(*text), value, 5e-7) << *text;
  }
}

}  // namespace
