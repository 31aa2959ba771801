// The load-rejection page: its modes, the box checks, both OK buttons and
// their results.

#include "tov/stage.hpp"
#include "tov/k1_page.hpp"
#include "tov_page_fixture.hpp"

namespace {

const std::string kGroupTitle = Padded("Invalid value", 33);

class K1PageTest : public TovStageTest {
 protected:
  void SetUp() override {
    StartWithUm("420");
    click("cmdCalculateTOV");
  }
  bool resultsVisible() {
    return c("Label12").visible() && c("Label1", 2).visible() && c("txtUrppe1").visible() &&
           c("Label13", 0).visible() && c("Label14").visible() && c("Label1", 1).visible() &&
           c("txtUrppp1").visible() && c("Label13", 1).visible();
  }
  bool resultsHidden() {
    return !c("Label12").visible() && !c("Label1", 2).visible() && !c("txtUrppe1").visible() &&
           !c("Label13", 0).visible() && !c("Label14").visible() && !c("Label1", 1).visible() &&
           !c("txtUrppp1").visible() && !c("Label13", 1).visible();
  }
  void expectResults(const char* pe, const char* pp) {
    EXPECT_EQ(c("txtUrppe1").text(), pe);
    EXPECT_EQ(c("txtUrppp1").text(), pp);
    EXPECT_TRUE(resultsVisible());
    EXPECT_TRUE(c("Command3").enabled());
  }
  void expectNoResults() {
    EXPECT_EQ(c("txtUrppe1").text(), "");
    EXPECT_EQ(c("txtUrppp1").text(), "");
    EXPECT_TRUE(resultsHidden());
    EXPECT_FALSE(c("Command3").enabled());
  }
};

TEST_F(K1PageTest, UrpEntryWritesTheNumbersText) {
  click("optEnterK1");
  click("optUrpK1");
  typeInto("txtEnterpe1", "250,50");
  typeInto("txtEnterpp1", "0434");
  click("cmdEnterOK1");
  expectResults("250,5", "434");
}

TEST_F(K1PageTest, OkIsThereOnlyWhileTheGroupIsFilled) {
  click("optCalculateK1");
  click("optK11");
  typeInto("txtQL1", "1");
  typeInto("txtPL1", "2");
  EXPECT_FALSE(c("cmdCalculateOK1").visible());
  typeInto("txtSSC1", "3");
  EXPECT_TRUE(c("cmdCalculateOK1").visible());
  p.setTextByUser(c("txtPL1"), "");
  EXPECT_FALSE(c("cmdCalculateOK1").visible());
}

TEST_F(K1PageTest, AResultTooLongForItsBoxIsRefused) {
  // 420 * 9999 = 4199580: seven digits do not fit six characters.
  click("optEnterK1");
  click("optFactorK1");
  typeInto("txtK1", "9999");
  click("cmdEnterOK1");
  ASSERT_EQ(messageCount(), 1u);
  EXPECT_EQ(lastMessage().prompt, "Enter a valid value...");
  EXPECT_EQ(lastMessage().title, kGroupTitle);
  expectNoResults();
  // Within the box it passes: 420 * 99 = 41580, / sqrt(3) = 24006,5...
  p.setTextByUser(c("txtK1"), "99");
  click("cmdEnterOK1");
  expectResults("24006,", "41580");
}

TEST_F(K1PageTest, CalculationOkWithAnIncompleteSetRefusesAndEmptiesIt) {
  // With the K1.1 set incomplete the OK takes the (empty) K1.2 set.
  click("optCalculateK1");
  click("optK12");
  typeInto("txtXd1", "0,2");
  prog.stage<tov::Stage>().page<tov::K1Page>().cmdCalculateOK1_Click();
  ASSERT_EQ(messageCount(), 1u);
  EXPECT_EQ(lastMessage().prompt, "Enter a valid value...");
  EXPECT_EQ(lastMessage().title, kGroupTitle);
  EXPECT_EQ(c("txtXd1").text(), "");
  EXPECT_TRUE(resultsHidden());
}

TEST_F(K1PageTest, ResultsEnableNextOnlyWhenBothStand) {
  click("optIgnoreK1");
  EXPECT_TRUE(c("Command3").enabled());
  c("txtUrppp1").setText("");
  EXPECT_FALSE(c("Command3").enabled());
  c("txtUrppp1").setText("420");
  EXPECT_TRUE(c("Command3").enabled());
}

}  // namespace
