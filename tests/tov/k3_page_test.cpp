// The earth-fault page refuses reactances that give no factor and results its
// box cannot hold, and leaves no result to move on with.

#include "factor_pages_fixture.hpp"
#include "tov/slots.hpp"

namespace {

class K3PageTest : public FactorPagesTest {
 protected:
  void SetUp() override { OpenFactorPage(2); }

  // Calculate, the fault type, X0 and X1, "OK".
  void Calculate(int faultOption, const std::string& x0, const std::string& x1) {
    click("Option1", 8);
    click("Option1", faultOption);
    set(tov::K3X0, x0);
    set(tov::K3X1, x1);
    click("Command12");
  }

  void ExpectRefused() {
    EXPECT_EQ(TakeMessage(), GroupMessage());
    EXPECT_TRUE(NoMoreMessages());
    EXPECT_EQ(text1(tov::K3X0).text(), "");
    EXPECT_EQ(text1(tov::K3X1).text(), "");
    EXPECT_EQ(text1(tov::UrpK3Pe).text(), "");
    EXPECT_FALSE(c("Label52").visible());
    EXPECT_FALSE(c("Command10").enabled());
    EXPECT_FALSE(c("Command12").visible());
  }
};

TEST_F(K3PageTest, SingleAndTwoPhaseFaultsFromTheReactances) {
  Calculate(12, "30", "10");
  EXPECT_EQ(text1(tov::UrpK3Pe).text(), "302,86");  // 84 * sqrt(13) = 302,866...
  EXPECT_TRUE(c("Command10").enabled());
  EXPECT_EQ(c("Command12").top(), 1155);
  click("Option1", 13);  // another fault type empties data and result
  EXPECT_EQ(text1(tov::K3X0).text(), "");
  EXPECT_EQ(text1(tov::UrpK3Pe).text(), "");
  EXPECT_FALSE(c("Command10").enabled());
  set(tov::K3X0, "30");
  set(tov::K3X1, "10");
  click("Command12");
  EXPECT_EQ(text1(tov::UrpK3Pe).text(), "311,76");  // 9/7 * 420 / sqrt(3) = 311,769...
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(K3PageTest, ZeroX1IsRefused) {
  Calculate(12, "30", "10");
  ASSERT_TRUE(c("Command10").enabled());
  set(tov::K3X0, "30");
  set(tov::K3X1, "0");
  click("Command12");
  ExpectRefused();
}

TEST_F(K3PageTest, TheRatioAtEachFaultsPoleIsRefused) {
  Calculate(12, "-20", "10");  // r = -2
  ExpectRefused();
  Calculate(13, "-5", "10");   // r = -1/2
  ExpectRefused();
}

TEST_F(K3PageTest, AFactorWhoseResultOverflowsTheBoxIsRefused) {
  click("Option1", 7);
  click("Option1", 10);
  set(tov::K3Entered, "9999");  // 9999 * 420 / sqrt(3) has seven digits
  click("Command11");
  EXPECT_EQ(TakeMessage(), GroupMessage());
  EXPECT_EQ(text1(tov::K3Entered).text(), "");
  EXPECT_EQ(text1(tov::UrpK3Pe).text(), "");
  EXPECT_FALSE(c("Command10").enabled());
  // A factor typed with a dot is read with a comma.
  set(tov::K3Entered, "1.2");
  click("Command11");
  EXPECT_EQ(text1(tov::K3Entered).text(), "1,2");
  EXPECT_EQ(text1(tov::UrpK3Pe).text(), "290,98");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(K3PageTest, ANumberBeyondADoubleIsRefusedByTheBoxCheck) {
  click("Option1", 8);
  click("Option1", 12);
  set(tov::K3X0, "1E999");
  EXPECT_EQ(TakeMessage(), BoxMessage());
  EXPECT_EQ(text1(tov::K3X0).text(), "");
  EXPECT_TRUE(NoMoreMessages());
}

}  // namespace
