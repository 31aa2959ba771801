// The resonance page: ratios, the factor decision and the faults it mends
// (dots of typed values, ratios and results that their boxes cannot hold).

#include "factor_pages_fixture.hpp"
#include "tov/slots.hpp"
#include "tov/stage.hpp"
#include "tov/k4_page.hpp"

namespace {

using namespace tov;

class K4PageTest : public FactorPagesTest {
 protected:
  void SetUp() override { OpenFactorPage(3); }

  // Calculate, step down or up, 1,2 or 1,5 pu: an empty data frame.
  void OpenData(int transformerOption, int levelOption) {
    click("Option1", 15);
    click("Option1", transformerOption);
    click("Option1", levelOption);
  }
  void Data(const std::string& str, const std::string& ssc, const std::string& ql) {
    set(K4TransformerPower, str);
    set(K4ShortCircuitPower, ssc);
    set(K4CapacitiveLoad, ql);
  }
};

TEST_F(K4PageTest, ATypedResonanceFactorIsReadWithItsDotAsComma) {
  OpenData(19, 21);
  Data("20", "100", "10");
  EXPECT_EQ(text1(K4PowerRatio).text(), "0,2");
  EXPECT_EQ(text1(K4LoadRatio).text(), "0,1");
  EXPECT_EQ(c("Label81").caption(), "Enter factor 2<K4<3");
  EXPECT_TRUE(text1(K4Factor).visible());
  EXPECT_FALSE(c("Command16").visible());
  EXPECT_EQ(c("Command16").top(), 2805);
  set(K4Factor, "2.5");
  ASSERT_TRUE(c("Command16").visible());
  click("Command16");
  // 420 * 2,5 / sqrt(3) = 606,217...; 420 * 2,5 = 1050 (read as 25 it would not fit)
  EXPECT_EQ(text1(UrpK4Pe).text(), "606,21");
  EXPECT_EQ(text1(UrpK4Pp).text(), "1050");
  EXPECT_TRUE(c("Command14").enabled());
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(K4PageTest, DataWithDotsAreReadAsDecimalCommas) {
  OpenData(19, 21);
  Data("0.6", "3", "0.3");  // 0,6/3 and 0,3/3: written as 0,2 and 0,1 with 15 digits
  EXPECT_EQ(text1(K4PowerRatio).text(), "0,2");
  EXPECT_EQ(text1(K4LoadRatio).text(), "0,1");
  EXPECT_EQ(c("Label81").caption(), "Enter factor 2<K4<3");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(K4PageTest, BelowTheThresholdsTheFactorIsIgnored) {
  OpenData(19, 21);
  Data("20", "100", "9");
  EXPECT_EQ(c("Label81").caption(), "Factor ignored");
  EXPECT_TRUE(c("Label81").visible());
  EXPECT_FALSE(text1(K4Factor).visible());
  EXPECT_TRUE(c("Command16").visible());
  EXPECT_EQ(c("Command16").top(), 2370);
  click("Command16");
  EXPECT_EQ(text1(UrpK4Pe).text(), "242,48");
  EXPECT_EQ(text1(UrpK4Pp).text(), "420");
}

TEST_F(K4PageTest, AZeroShortCircuitPowerGivesNoRatios) {
  OpenData(20, 22);
  Data("20", "0", "10");
  EXPECT_TRUE(NoMoreMessages());
  EXPECT_EQ(text1(K4PowerRatio).text(), "");
  EXPECT_EQ(text1(K4LoadRatio).text(), "");
  EXPECT_FALSE(c("Label81").visible());
  EXPECT_FALSE(c("Command16").visible());
  EXPECT_FALSE(prog.stage<tov::Stage>().page<tov::K4Page>().mK4RatiosReady);
}

TEST_F(K4PageTest, ARatioEightCharactersCannotHoldIsRefused) {
  OpenData(19, 21);
  set(K4ShortCircuitPower, "0,000001");
  set(K4CapacitiveLoad, "1");
  set(K4TransformerPower, "1000");  // 1000 / 0,000001 = 1E+09: nine digits
  EXPECT_EQ(TakeMessage(), BoxMessage());
  EXPECT_EQ(text1(K4TransformerPower).text(), "");
  EXPECT_EQ(text1(K4PowerRatio).text(), "");
  EXPECT_EQ(text1(K4LoadRatio).text(), "");
  EXPECT_FALSE(c("Label81").visible());
  EXPECT_FALSE(c("Command16").visible());
  EXPECT_FALSE(prog.stage<tov::Stage>().page<tov::K4Page>().mK4RatiosReady);
  EXPECT_FALSE(prog.stage<tov::Stage>().page<tov::K4Page>().mK4RatiosDone);
  // A small ratio in exponent form that fits is written in fixed point.
  set(K4ShortCircuitPower, "10");
  set(K4TransformerPower, "0,00015");  // 1,5E-05
  EXPECT_EQ(text1(K4PowerRatio).text(), "0,000015");
  EXPECT_EQ(text1(K4LoadRatio).text(), "0,1");
  EXPECT_EQ(c("Label81").caption(), "Factor ignored");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(K4PageTest, AResultTooLongForItsBoxIsRefused) {
  OpenData(19, 21);
  Data("20", "100", "10");
  set(K4Factor, "9999");  // 9999 * 420 has seven digits
  click("Command16");
  EXPECT_EQ(TakeMessage(), GroupMessage());
  EXPECT_EQ(text1(UrpK4Pe).text(), "");
  EXPECT_EQ(text1(UrpK4Pp).text(), "");
  EXPECT_FALSE(text1(UrpK4Pe).visible());
  EXPECT_FALSE(c("Label90").visible());
  EXPECT_FALSE(c("Command14").enabled());
  EXPECT_EQ(text1(K4Factor).text(), "");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(K4PageTest, EnteredFactorWithADot) {
  click("Option1", 14);
  click("Option1", 17);
  EXPECT_EQ(c("Command15").left(), 2430);
  EXPECT_EQ(c("Command15").top(), 330);
  set(K4Entered, "2.5");
  click("Command15");
  EXPECT_EQ(text1(K4Entered).text(), "2,5");
  EXPECT_EQ(text1(UrpK4Pe).text(), "606,21");
  EXPECT_EQ(text1(UrpK4Pp).text(), "1050");
  EXPECT_TRUE(c("Frame11").visible());
  set(K4Entered, "9999");
  click("Command15");
  EXPECT_EQ(TakeMessage(), GroupMessage());
  EXPECT_EQ(text1(UrpK4Pe).text(), "");
  EXPECT_FALSE(c("Command14").enabled());
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(K4PageTest, DataChangedAfterAFactorEmptyTheFactor) {
  OpenData(19, 21);
  Data("20", "100", "10");
  set(K4Factor, "2,5");
  click("Command16");
  ASSERT_EQ(text1(UrpK4Pp).text(), "1050");
  set(K4TransformerPower, "30");
  EXPECT_EQ(text1(K4PowerRatio).text(), "0,3");
  EXPECT_EQ(text1(K4Factor).text(), "");
  EXPECT_FALSE(c("Command16").visible());
  EXPECT_EQ(text1(UrpK4Pp).text(), "1050");  // results stay until the next "OK"
}

}  // namespace
