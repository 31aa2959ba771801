// The formula tabs: the family's modes and OKs, and the inputs and results
// that are refused rather than shown.

#include <vector>

#include "fast_front_fixture.hpp"

namespace {

using namespace surge;

class FormulaTabsTest : public FastFrontTest {
 protected:
  void SetUp() override {
    FastFrontTest::SetUp();
    click("Command25", 2);
  }

  // The formula frame's inputs of a tab, typed in the order given, then its "OK".
  void Calculate(int calculateOption, const std::vector<std::pair<int, std::string>>& inputs, int ok) {
    click("Option1", calculateOption);
    for (const auto& [slot, text] : inputs) set(slot, text);
    click("Command28", ok);
  }
  void Formula1(const std::string& upl, const std::string& c, const std::string& l, const std::string& s) {
    Calculate(34, {{Formula1Upl, upl}, {Formula1C, c}, {Formula1L, l}, {Formula1S, s}}, 1);
  }
  void Formula2(const std::string& upl, const std::string& l, const std::string& lsp, const std::string& n,
                const std::string& a) {
    Calculate(37, {{Formula2Upl, upl}, {Formula2L, l}, {Formula2Lsp, lsp}, {Formula2N, n}, {Formula2A, a}}, 3);
  }
  void Formula3(const std::string& bil, const std::string& ks) {
    Calculate(40, {{Formula3Bil, bil}, {Formula3Ks, ks}}, 5);
  }

  // The tab shows no result and cannot be left forward.
  void ExpectNoResult(int result, int resultCaption, int next) {
    EXPECT_EQ(Text(result), "") << result;
    EXPECT_FALSE(text1(result).visible()) << result;
    EXPECT_FALSE(c("Label79", resultCaption).visible()) << result;
    EXPECT_FALSE(c("Command29", next).enabled()) << result;
  }
};

TEST_F(FormulaTabsTest, FormulaIKeepsUplAndCForTheNextCalculation) {
  Formula1("906", "300", "30", "1000");
  EXPECT_EQ(Text(UrpFormula1), "1106");
  EXPECT_TRUE(c("lblKV", 10).visible());
  EXPECT_TRUE(c("Command29", 1).enabled());
  Formula1("906", "300", "25", "1100");
  EXPECT_EQ(Text(UrpFormula1), "1089,33");  // 906 + 183,33...

  click("Option1", 34);
  EXPECT_EQ(Text(Formula1S), "");
  EXPECT_EQ(Text(Formula1L), "");
  EXPECT_EQ(Text(Formula1Upl), "906");
  EXPECT_EQ(Text(Formula1C), "300");
  EXPECT_FALSE(c("Command28", 1).visible());
  ExpectNoResult(UrpFormula1, 1, 1);
  // The OK waits for every input.
  set(Formula1L, "30");
  EXPECT_FALSE(c("Command28", 1).visible());
  set(Formula1S, "1000");
  EXPECT_TRUE(c("Command28", 1).visible());
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(FormulaTabsTest, InputsAreReadWithTheirDotsAsCommas) {
  click("Command29", 1);
  click("Command29", 3);
  Formula3("1425", "1.15");
  EXPECT_EQ(Text(Formula3Ks), "1,15");
  EXPECT_EQ(Text(UrpFormula3), "1239,13");
  // An entered Urp is written back as the number it is.
  click("Option1", 39);
  set(UrpFormula3Entered, "0500");
  click("Command28", 4);
  EXPECT_EQ(Text(UrpFormula3), "500");
  set(UrpFormula3Entered, "2.50");
  click("Command28", 4);
  EXPECT_EQ(Text(UrpFormula3Entered), "2,50");
  EXPECT_EQ(Text(UrpFormula3), "2,5");
  EXPECT_TRUE(NoMoreMessages());
}

struct ZeroDivisor {
  int tab;       // 0, 1 or 2
  int divisor;   // the box typed as 0
  int kept;      // another input, which keeps its text
};

TEST_F(FormulaTabsTest, ADivisorOfZeroIsRefusedWithItsBoxsOwnMessage) {
  const int results[] = {UrpFormula1, UrpFormula2, UrpFormula3};
  for (const ZeroDivisor& z : {ZeroDivisor{0, Formula1C, Formula1Upl}, ZeroDivisor{1, Formula2N, Formula2A},
                               ZeroDivisor{1, Formula2Lsp, Formula2L}, ZeroDivisor{2, Formula3Ks, Formula3Bil}}) {
    frame::OpenPage(c("SSTab1", 2), z.tab);
    // A result stands; the refused OK must not leave it behind.
    if (z.tab == 0) Formula1("906", "300", "30", "1000");
    if (z.tab == 1) Formula2("906", "30", "400", "2", "11000");
    if (z.tab == 2) Formula3("1425", "1,15");
    ASSERT_NE(Text(results[z.tab]), "") << z.divisor;
    set(z.divisor, "0,0");
    click("Command28", 2 * z.tab + 1);
    EXPECT_EQ(TakeMessage(), BoxMessage()) << z.divisor;
    EXPECT_EQ(Text(z.divisor), "") << z.divisor;
    EXPECT_NE(Text(z.kept), "") << z.divisor;
    EXPECT_FALSE(c("Command28", 2 * z.tab + 1).visible()) << z.divisor;
    ExpectNoResult(results[z.tab], 2 * z.tab + 1, 2 * z.tab + 1);
  }
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(FormulaTabsTest, AResultTooLongForItsBoxOrNotAboveZeroIsRefused) {
  // 906 + 2E10 * 30 / 300 has ten digits before the comma.
  Formula1("906", "300", "30", "1000");
  Formula1("906", "300", "30", "1E10");
  EXPECT_EQ(TakeMessage(), GroupMessage());
  for (int slot : {Formula1S, Formula1L, Formula1Upl, Formula1C}) EXPECT_EQ(Text(slot), "") << slot;
  ExpectNoResult(UrpFormula1, 1, 1);
  // 906 - 2000 and 906 - 412,5 * 4 are below zero; 0 / 1,15 is zero.
  Formula1("906", "300", "30", "-10000");
  EXPECT_EQ(TakeMessage(), GroupMessage());
  ExpectNoResult(UrpFormula1, 1, 1);
  frame::OpenPage(c("SSTab1", 2), 1);
  Formula2("906", "30", "400", "2", "-44000");
  EXPECT_EQ(TakeMessage(), GroupMessage());
  ExpectNoResult(UrpFormula2, 3, 3);
  frame::OpenPage(c("SSTab1", 2), 2);
  Formula3("0", "1,15");
  EXPECT_EQ(TakeMessage(), GroupMessage());
  ExpectNoResult(UrpFormula3, 5, 5);
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(FormulaTabsTest, IgnoreShowsIgnoredWithoutTheUnitAndEnterClearsIt) {
  click("Option1", 33);
  EXPECT_EQ(Text(UrpFormula1), "Ignored");
  EXPECT_TRUE(c("Label79", 1).visible());
  EXPECT_FALSE(c("lblKV", 10).visible());
  EXPECT_TRUE(c("Command29", 1).enabled());
  click("Option1", 35);
  ExpectNoResult(UrpFormula1, 1, 1);
  EXPECT_TRUE(c("Frame28", 0).visible());
  EXPECT_FALSE(c("Frame30", 0).visible());
}

TEST_F(FormulaTabsTest, TheStripIsWalkedOneTabAtATimeAndKeepsItsEntries) {
  Formula1("906", "300", "30", "1000");
  click("Command29", 1);
  EXPECT_EQ(InnerPages(2), OnlyPage(c("SSTab1", 2), 1));
  click("Option1", 38);
  click("Command29", 3);
  EXPECT_EQ(InnerPages(2), OnlyPage(c("SSTab1", 2), 2));
  click("Command29", 4);
  click("Command29", 2);
  EXPECT_EQ(InnerPages(2), OnlyPage(c("SSTab1", 2), 0));
  click("Command29", 0);
  EXPECT_FALSE(c("SSTab1", 2).visible());
  click("Command25", 2);
  EXPECT_TRUE(c("SSTab1", 2).visible());
  EXPECT_EQ(c("SSTab1", 2).tab(), 0);
  EXPECT_EQ(Text(UrpFormula1), "1106");
  EXPECT_EQ(Text(UrpFormula2), "Ignored");
}

}  // namespace
