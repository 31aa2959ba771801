// The temporary-overvoltage page: direct entry with its refusals, CALCULATE,
// and the enabling of "Next >>".

#include <cmath>

#include "tov/slots.hpp"
#include "tov_page_fixture.hpp"

namespace {

const std::string kInvalidValue = Padded("Invalid Value", 34);

class TovPageTest : public TovStageTest {
 protected:
  // ENTER with the two answers ("" cancels).
  void Enter(const std::string& pe, const std::string& pp) {
    h.dialogs.queueAnswer(pe);
    h.dialogs.queueAnswer(pp);
    click("cmdEnterTOV");
    EXPECT_EQ(h.dialogs.pendingAnswers(), 0u);
  }
  bool resultDisplayVisible() {
    return c("Label4", 0).visible() && c("Label5").visible() && c("Label6").visible() && c("Label7", 0).visible() &&
           c("Label7", 1).visible() && c("Label8", 0).visible() && c("Label8", 1).visible() &&
           c("txtTOVpe").visible() && c("txtTOVpp").visible();
  }
};

TEST_F(TovPageTest, EnterRefusesTextsThatAreNoNumbers) {
  StartWithUm("110");
  Enter("abc", "1E999");
  ASSERT_EQ(messageCount(), 2u);
  EXPECT_EQ(h.dialogs.messages[0].prompt, "Enter numeric value...");
  EXPECT_EQ(h.dialogs.messages[0].title, kInvalidValue);
  EXPECT_EQ(h.dialogs.messages[1].prompt, "Enter numeric value...");
  EXPECT_EQ(c("txtTOVpe").text(), "");
}

TEST_F(TovPageTest, OneValueShowsTheDisplayButNoNext) {
  StartWithUm("420");
  Enter("300", "");
  // ENTER stores mPuPerKv = sqrt(3) / sqrt(2) / Um = 1,2247449 / 420 first.
  EXPECT_NEAR(app.mainVars.mPuPerKv, 0.0029160592, 1e-10);
  EXPECT_TRUE(resultDisplayVisible());
  EXPECT_EQ(c("cmdEnterTOV").caption(), "RE-ENTER");
  EXPECT_FALSE(c("Command21", 1).enabled());
  Enter("", "500");
  EXPECT_TRUE(c("Command21", 1).enabled());
}

TEST_F(TovPageTest, AfterAClosedFlowOnlyHigherValuesReplace) {
  StartWithUm("420");
  Enter("300", "500");
  text1(tov::TovAcceptedFlag).setText("1");
  Enter("300", "500,1");
  ASSERT_EQ(messageCount(), 1u);
  EXPECT_EQ(lastMessage().prompt, "Calculated value is higher than the one entered");
  EXPECT_EQ(lastMessage().title, "Urp value not changed");
  EXPECT_EQ(c("txtTOVpe").text(), "300");
  EXPECT_EQ(c("txtTOVpp").text(), "500,1");
  // Anything above the present value replaces it, cut to six characters.
  Enter("300,0001", "");
  EXPECT_EQ(messageCount(), 1u);
  EXPECT_EQ(c("txtTOVpe").text(), "300,00");
}

TEST_F(TovPageTest, CalculateOpensK1OrTheCombinationPage) {
  StartWithUm("420");
  click("cmdCalculateTOV");
  EXPECT_TRUE(c("tabCalculation1").visible());
  EXPECT_EQ(pages("tabCalculation1"), OnlyPage(c("tabCalculation1"), 0));
  EXPECT_EQ(c("tabCalculation1").tab(), 0);
  EXPECT_NEAR(app.mainVars.mPuPerKv, std::sqrt(3.0) / std::sqrt(2.0) / 420, 1e-15);

  c("tabCalculation1").setVisible(false);
  text1(tov::TovAcceptedFlag).setText("1");
  click("cmdCalculateTOV");
  EXPECT_EQ(pages("tabCalculation1"), OnlyPage(c("tabCalculation1"), 4));
  EXPECT_EQ(c("tabCalculation1").tab(), 4);
  EXPECT_EQ(c("cmdCalculateTOV").caption(), "CALCULATE");
}

}  // namespace
