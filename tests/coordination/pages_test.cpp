// What the scenarios cannot state of the co-ordination TOV and slow-front
// pages: the commit of the slow-front tabs (whose "Next >>" comes with the
// tabs, so its row is run here with their results written in), and the TOV
// values withdrawn when what they were taken from has changed on the way
// back. The fast-front page's SKIP, the one way into the co-ordination
// stage, is stood in for by what it does.

#include <gtest/gtest.h>

#include <initializer_list>

#include "coordination/slots.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "support/driver.hpp"

namespace {

using namespace coordination;

class CoordinationPagesTest : public ::testing::Test, protected support::Driver {
 protected:
  // 420 kV, TOV 363.73 and 630 entered, an arrester with Ups 740 accepted,
  // the slow-front values entered, on to the co-ordination TOV page.
  void OpenCoordination() {
    StartWithUm("420");
    EnterTov("363.73", "630");
    click("Command21", 1);
    for (const auto& [slot, text] : {std::pair{45, "300"}, {44, "372"}, {46, "950"}, {47, "906"}, {48, "740"}})
      type(slot, text);
    click("Command21", 3);
    Answer({"700", "1288", "740", "1327"}, "Command25", 0);
    click("Command21", 10);
    StandInForSkip();
  }
  void EnterTov(const char* pe, const char* pp) { Answer({pe, pp}, "cmdEnterTOV"); }
  void Answer(std::initializer_list<const char*> answers, const char* button, int index = platform::kNoIndex) {
    for (const char* answer : answers) headless.dialogs.queueAnswer(answer);
    click(button, index);
  }
  void StandInForSkip() {
    platform::Platform::DispatchScope event(platform);  // what it does settles as a click's would
    app().mainVars.mUrpTovPe.Keep(c("txtTOVpe").text(), {});
    app().mainVars.mUrpTovPp.Keep(c("txtTOVpp").text(), {});
    frame::OpenPage(c("tabGeneral"), 1);
    frame::OpenPage(c("SSTab1", 3), 0);
  }
  // From the co-ordination TOV page to the representative slow-front page
  // (the fast-front page's "<< Back" stood in for).
  void BackToSlowFrontPage() {
    click("Command21", 20);
    frame::OpenPage(c("tabSubGeneral1"), 2);
  }
  // The slow-front tabs' results, then their "Next >>".
  void Commit(const char* peInt, const char* ppInt, const char* peExt, const char* ppExt) {
    click("Command25", 8);
    text1(UcwSfPeIntCalc).setText(peInt);
    text1(UcwSfPpIntCalc).setText(ppInt);
    text1(UcwSfPeExtCalc).setText(peExt);
    text1(UcwSfPpExtCalc).setText(ppExt);
    program().routes.Run(frame::Command29Click, 11);
  }
  std::string Summary() {
    std::string s;
    for (int slot : {UcwSfPeInt, UcwSfPpInt, UcwSfPeExt, UcwSfPpExt}) s += text1(slot).text() + "|";
    return s;
  }
};

TEST_F(CoordinationPagesTest, ACalculationFromTovValuesThatHaveChangedSinceIsNotPublished) {
  OpenCoordination();
  click("Command25", 6);
  // Back to the temporary-overvoltage page and on with the same values: the calculation stands.
  BackToSlowFrontPage();
  click("Command21", 9);
  click("Command21", 2);
  click("Command21", 1);
  click("Command21", 3);
  click("Command21", 10);
  StandInForSkip();
  click("Command21", 19);
  EXPECT_EQ(c("SSTab1", 3).tab(), 1);

  // A new phase-to-earth TOV passed on withdraws the value calculated from
  // the old one when the page is reached; the phase-to-phase value, from a
  // TOV that has not changed, stays.
  click("Command21", 22);
  BackToSlowFrontPage();
  click("Command21", 9);
  click("Command21", 2);
  EnterTov("370", "");
  EXPECT_EQ(text1(UcwTovPe).text() + "|" + text1(UcwTovPp).text(), "363,73|630");
  click("Command21", 1);
  click("Command21", 3);
  click("Command21", 10);
  StandInForSkip();
  EXPECT_EQ(text1(UcwTovPe).text() + "|" + text1(UcwTovPp).text(), "|630");
  EXPECT_FALSE(c("Command21", 19).enabled());
  // An entry is no longer measured against the withdrawn 363,73.
  Answer({"300", ""}, "Command25", 5);
  EXPECT_EQ(text1(UcwTovPe).text(), "300");
  click("Command25", 6);
  EXPECT_EQ(text1(UcwTovPe).text(), "370");
  click("Command21", 19);
  EXPECT_EQ(c("SSTab1", 3).tab(), 1);
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(CoordinationPagesTest, TheCommitCopiesTheTabResultsOverEnteredValuesAndSetsTheFlag) {
  OpenCoordination();
  click("Command25", 6);
  click("Command21", 19);
  Answer({"300", "500", "310", "600"}, "Command25", 7);
  Commit("769,6", "1288", "851", "1419,8");
  EXPECT_EQ(Summary(), "769,6|1288|851|1419,8|");
  EXPECT_EQ(text1(SfAcceptedFlag).text(), "1");
  EXPECT_FALSE(c("SSTab1", 4).visible());
  EXPECT_EQ(c("Command25", 8).caption(), "RE-CALCULATE");
  EXPECT_EQ(c("Command25", 7).caption(), "RE-ENTER");
  EXPECT_TRUE(c("Label4", 45).visible());
  EXPECT_TRUE(c("Command21", 21).enabled());
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(CoordinationPagesTest, AfterACommitAnEntryMustRaiseItsValueAndFillsABoxTheCommitLeftEmpty) {
  OpenCoordination();
  click("Command25", 6);
  click("Command21", 19);
  // The internal phase-to-earth result was cleared on the tab before the commit.
  Commit("", "1288", "851", "1419,8");
  EXPECT_EQ(Summary(), "|1288|851|1419,8|");
  EXPECT_FALSE(c("Command21", 21).enabled());
  Answer({"300", "1288", "851.1", ""}, "Command25", 7);
  EXPECT_EQ(TakeMessage(), "Calculated value is higher than the one entered | Ucw value not changed");
  EXPECT_EQ(Summary(), "300|1288|851,1|1419,8|");
  EXPECT_TRUE(c("Command21", 21).enabled());
  EXPECT_TRUE(NoMoreMessages());
}

}  // namespace
