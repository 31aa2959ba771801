// The combination page: K13 from the reactances, and the refusals of X1 = 0
// and of results too long for their boxes.

#include "factor_pages_fixture.hpp"
#include "tov/slots.hpp"

namespace {

using namespace tov;

class CombinationPageTest : public FactorPagesTest {
 protected:
  void SetUp() override { OpenFactorPage(4); }
};

TEST_F(CombinationPageTest, K13FromTheReactanceRatio) {
  click("Option1", 24);
  set(CombX0, "4.5");
  set(CombX1, "4,5");
  click("Command17");
  EXPECT_EQ(text1(CombX0).text(), "4,5");
  // r = 1: K13 = 1,0465; 420 * 1,0465 / sqrt(3) = 253,76...; 420 * 1,0465 = 439,53
  EXPECT_EQ(text1(UrpCombPe).text(), "253,76");
  EXPECT_EQ(text1(UrpCombPp).text(), "439,53");
  EXPECT_TRUE(c("Command18").enabled());
  EXPECT_TRUE(c("Label39").visible());
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(CombinationPageTest, ZeroX1IsRefused) {
  click("Option1", 25);  // Ignore leaves results to be taken away
  click("Option1", 24);
  set(CombX0, "30");
  set(CombX1, "0");
  click("Command17");
  EXPECT_EQ(TakeMessage(), GroupMessage());
  EXPECT_EQ(text1(CombX0).text(), "");
  EXPECT_EQ(text1(CombX1).text(), "");
  EXPECT_EQ(text1(UrpCombPe).text(), "");
  EXPECT_EQ(text1(UrpCombPp).text(), "");
  EXPECT_FALSE(c("Label39").visible());
  EXPECT_FALSE(c("Command18").enabled());
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(CombinationPageTest, AFactorWhoseResultOverflowsIsRefused) {
  click("Option1", 23);
  click("Option1", 26);
  set(K13Entered, "9999");
  click("Command20");
  EXPECT_EQ(TakeMessage(), GroupMessage());
  EXPECT_EQ(text1(K13Entered).text(), "");
  EXPECT_EQ(text1(UrpCombPe).text(), "");
  EXPECT_FALSE(c("Command18").enabled());
  set(K13Entered, "1.35");
  click("Command20");
  EXPECT_EQ(text1(K13Entered).text(), "1,35");
  EXPECT_EQ(text1(UrpCombPe).text(), "327,35");  // 1,35 * 420 / sqrt(3) = 327,358...
  EXPECT_EQ(text1(UrpCombPp).text(), "567");
  EXPECT_TRUE(c("Frame20").visible());
  EXPECT_TRUE(NoMoreMessages());
}

}  // namespace
