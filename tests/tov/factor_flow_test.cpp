// The walk over the factor pages, the check against Um on leaving a page,
// and the close with its maxima. The pages' results are written straight
// into their boxes, as the pages themselves would leave them.

#include "frame/page_rule.hpp"
#include "tov/slots.hpp"
#include "tov/stage.hpp"
#include "tov/factor_flow.hpp"
#include "tov_page_fixture.hpp"

namespace {

using namespace tov;

const std::string kInvalidUrpValue = Padded("Invalid Urp value", 31);

class FactorFlowTest : public TovStageTest {
 protected:
  FactorFlow& flow() { return prog.stage<tov::Stage>().page<FactorFlow>(); }

  void OpenStripOnK1() {
    StartWithUm("420");
    click("cmdCalculateTOV");
  }
  // Every page with a result, as a walk through them would leave them.
  void FillEveryPage(const char* k1pe, const char* k1pp) {
    c("txtUrppe1").setText(k1pe);
    c("txtUrppp1").setText(k1pp);
    text1(UrpK2Pe).setText("250");
    text1(UrpK2Pp).setText("440");
    text1(UrpK3Pe).setText("260");
    text1(UrpK4Pe).setText("255");
    text1(UrpK4Pp).setText("450");
    text1(UrpCombPe).setText("245");
    text1(UrpCombPp).setText("430");
  }
};

TEST_F(FactorFlowTest, ForwardCheckRefusesAPhaseToPhaseValueBelowUm) {
  OpenStripOnK1();
  click("optIgnoreK1");
  c("txtUrppp1").setText("419,9");
  click("Command3");
  ASSERT_EQ(messageCount(), 1u);
  EXPECT_EQ(lastMessage().prompt, "Enter a valid value...");
  EXPECT_EQ(lastMessage().title, kInvalidUrpValue);
  EXPECT_EQ(c("txtUrppe1").text(), "");
  EXPECT_EQ(c("txtUrppp1").text(), "");
  EXPECT_FALSE(c("Command3").enabled());
  EXPECT_EQ(pages("tabCalculation1"), OnlyPage(c("tabCalculation1"), 0));

  // K2 and K4 clear their two boxes the same way.
  frame::OpenPage(c("tabCalculation1"), 1);
  text1(UrpK2Pe).setText("200");
  text1(UrpK2Pp).setText("400");
  flow().Command2_Click();
  EXPECT_EQ(text1(UrpK2Pe).text(), "");
  EXPECT_EQ(text1(UrpK2Pp).text(), "");
  EXPECT_EQ(c("tabCalculation1").tab(), 1);
  text1(UrpK4Pe).setText("200");
  text1(UrpK4Pp).setText("400");
  flow().Command14_Click();
  EXPECT_EQ(text1(UrpK4Pe).text(), "");
  EXPECT_EQ(text1(UrpK4Pp).text(), "");
  EXPECT_EQ(messageCount(), 3u);
}

TEST_F(FactorFlowTest, CloseTakesTheMaxima) {
  OpenStripOnK1();
  FillEveryPage("242,48", "420");
  frame::OpenPage(c("tabCalculation1"), 4);
  flow().Command18_Click();
  EXPECT_EQ(messageCount(), 0u);
  EXPECT_EQ(c("txtTOVpe").text(), "260");  // K3
  EXPECT_EQ(c("txtTOVpp").text(), "450");  // K4
  EXPECT_EQ(text1(TovAcceptedFlag).text(), "1");
  EXPECT_EQ(c("cmdCalculateTOV").caption(), "RE-CALCULATE");
  EXPECT_FALSE(c("tabCalculation1").visible());
  EXPECT_EQ(pages("tabCalculation1"), OnlyPage(c("tabCalculation1"), 4));
  EXPECT_TRUE(c("txtTOVpe").visible());
  EXPECT_TRUE(c("Label4", 0).visible());
  EXPECT_TRUE(c("Command21", 1).enabled());
}

TEST_F(FactorFlowTest, PhaseToEarthKeepsTheWinnersTextPhaseToPhaseIsWrittenAnew) {
  OpenStripOnK1();
  FillEveryPage("0300,5", "0520,4");
  flow().Command18_Click();
  EXPECT_EQ(c("txtTOVpe").text(), "0300,5");
  EXPECT_EQ(c("txtTOVpp").text(), "520,4");
}

TEST_F(FactorFlowTest, EqualValuesLetTheFirstCandidateWin) {
  OpenStripOnK1();
  FillEveryPage("242,5", "420");
  // The same number in other texts: none of them beats K1's.
  for (int slot : {UrpK2Pe, UrpK3Pe, UrpK4Pe, UrpCombPe}) text1(slot).setText("0242,5");
  flow().Command18_Click();
  EXPECT_EQ(c("txtTOVpe").text(), "242,5");
}

}  // namespace
