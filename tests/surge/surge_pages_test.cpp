// What the scenarios cannot state of the surge arrester and slow-front pages:
// the focus, the values kept outside the boxes (gUps, the TOV texts), and
// the results of the range tabs, which are stood in for here by writing what
// their accept writes.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "support/driver.hpp"
#include "surge/slots.hpp"

namespace {

using namespace surge;

class SurgePagesTest : public ::testing::Test, protected support::Driver {
 protected:
  frame::App& app = program().app;

  // Um accepted and the temporary overvoltages entered, then "Next >>".
  void OpenArresterPage(const std::string& um, const std::string& tovPe, const std::string& tovPp) {
    StartWithUm(um);
    EnterTov(tovPe, tovPp);
    click("Command21", 1);
  }
  void EnterTov(const std::string& pe, const std::string& pp) {
    headless.dialogs.queueAnswer(pe);
    headless.dialogs.queueAnswer(pp);
    click("cmdEnterTOV");
  }
  // Uc, Ur, then the three residual voltages, the last one Ups.
  void TypeArrester(const std::string& uc, const std::string& ur, const std::string& ups) {
    type(ArresterUc, uc);
    type(ArresterUr, ur);
    type(ArresterSteepResidual, "950");
    type(ArresterUpl, "906");
    type(ArresterUps, ups);
  }
  // From the slow-front page back to the temporary-overvoltage page.
  void BackToTov() {
    click("Command21", 9);
    click("Command21", 2);
  }
  // At 420 kV, TOV 363,73 and 630: an arrester with Ur 380 and Ups 740 accepted, then a calculation.
  void AcceptedAndCalculated() {
    OpenArresterPage("420", "363,73", "630");
    TypeArrester("300", "380", "740");
    click("Command21", 3);
    StandInForRangeAccept();
  }
  // ENTER on the slow-front page with its four answers ("" leaves a box).
  void EnterUrp(std::initializer_list<const char*> answers) {
    for (const char* answer : answers) headless.dialogs.queueAnswer(answer);
    click("Command25", 0);
  }
  // What an accepted calculation of the range tabs leaves on the page: the
  // Range II results and their copies in the summary.
  void StandInForRangeAccept() {
    for (int slot : {UrpSfPeRange2, UrpSfPpIntRange2, UrpSfPpExtRange2}) text1(slot).setText("700");
    for (int slot : {UrpSfPeInt, UrpSfPpInt, UrpSfPeExt, UrpSfPpExt}) text1(slot).setText("700");
    text1(SfAcceptedFlag).setText("1");
    c("Command25", 1).setCaption("RE-CALCULATE");
    for (int i = 1; i <= 14; ++i) c("Label4", i).setVisible(true);
  }
  bool SlowFrontResultsCleared() {
    for (int slot : {UrpSfPeInt, UrpSfPpInt, UrpSfPeExt, UrpSfPpExt})
      if (!text1(slot).text().empty()) return false;
    return !c("Command21", 10).enabled();
  }
};

TEST_F(SurgePagesTest, OpeningPutsTheFocusOnUcAndKeepsTheTovTextsAsTheyStand) {
  OpenArresterPage("420", "363.73", "630");
  EXPECT_EQ(platform.focused(), &text1(ArresterUc));
  EXPECT_EQ(app.mainVars.mUrpTovPe.Value(), "363,73");
  EXPECT_EQ(app.mainVars.mUrpTovPp.Value(), "630");
  // Every opening copies them again.
  click("Command21", 2);
  EnterTov("", "700.5");
  click("Command21", 1);
  EXPECT_EQ(app.mainVars.mUrpTovPp.Value(), "700,5");
  EXPECT_EQ(NoMoreMessages(), true);
}

TEST_F(SurgePagesTest, OnlyAnAcceptedArresterPublishesUps) {
  app.module1.gUps.Keep(810, {});  // from an earlier run: the shared module keeps it
  OpenArresterPage("420", "363,73", "630");
  TypeArrester("254,6", "372", "740.5");
  click("Command21", 3);
  EXPECT_EQ(TakeMessage(), "Enter a valid value... | " + support::Padded("Invalid Uc", 32));
  EXPECT_EQ(app.module1.gUps.Value(), 810);
  EXPECT_EQ(text1(UpsCopySfPeRange1).text(), "Text5");
  type(ArresterUc, "254,61");
  click("Command21", 3);
  EXPECT_EQ(app.module1.gUps.Value(), 740.5);
  EXPECT_EQ(text1(UpsCopySfPpRange2).text(), "740,5");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(SurgePagesTest, AfterACalculationAnEntryMustRaiseTheValueItReplaces) {
  AcceptedAndCalculated();
  EnterUrp({"700", "700.1", "", ""});
  EXPECT_EQ(TakeMessage(), "Calculated value is higher than the one entered | Urp value not changed");
  EXPECT_EQ(text1(UrpSfPeInt).text(), "700");
  EXPECT_EQ(text1(UrpSfPpInt).text(), "700,1");
  // The entered value is now the one to beat.
  EnterUrp({"", "700.1", "", ""});
  EXPECT_EQ(TakeMessage(), "Calculated value is higher than the one entered | Urp value not changed");
  EXPECT_EQ(c("Command25", 0).caption(), "RE-ENTER");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(SurgePagesTest, ANewTovPhaseToEarthKeepsWhatTheSameUpsGave) {
  AcceptedAndCalculated();

  // Back and on with the same texts: everything stands.
  BackToTov();
  click("Command21", 1);
  EXPECT_EQ(text1(UrpSfPeInt).text(), "700");
  EXPECT_EQ(text1(UpsCopySfPeRange1).text(), "740");

  // A new phase-to-earth TOV is a new minimum Ur, no new Ups: the copies and
  // what was computed from them stand, before and after the arrester is
  // accepted again with the same Ups.
  click("Command21", 2);
  EnterTov("370", "");
  click("Command21", 1);
  EXPECT_FALSE(SlowFrontResultsCleared());
  EXPECT_EQ(text1(UpsCopySfPpRange2).text(), "740");
  click("Command21", 3);
  EXPECT_EQ(text1(UpsCopySfPeRange1).text(), "740");
  EXPECT_EQ(text1(UrpSfPeInt).text(), "700");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(SurgePagesTest, AnotherUpsWithdrawsTheCalculatedSlowFrontResultsAndTheSameKeepsThem) {
  AcceptedAndCalculated();
  click("Command21", 9);
  click("Command21", 3);
  EXPECT_EQ(text1(UrpSfPpExt).text(), "700");

  click("Command21", 9);
  type(ArresterUps, "1");  // 740 becomes 7401
  click("Command21", 3);
  EXPECT_EQ(app.module1.gUps.Value(), 7401);
  EXPECT_TRUE(SlowFrontResultsCleared());
}

}  // namespace
