// The choice among the formula results and its hand-over to the page.

#include "fast_front_fixture.hpp"

namespace {

using namespace surge;

class ChooseUrpTest : public FastFrontTest {
 protected:
  // CALCULATE, Formula I from S 1000, Formula II ignored, Formula III from
  // BIL 1425 and Ks 1,15, then the choice.
  void WalkToTheChoice() {
    click("Command25", 2);
    click("Option1", 34);
    for (const auto& [slot, text] : {std::pair{Formula1Upl, "906"}, {Formula1C, "300"}, {Formula1L, "30"},
                                     {Formula1S, "1000"}})
      set(slot, text);
    click("Command28", 1);
    click("Command29", 1);
    click("Option1", 38);
    click("Command29", 3);
    click("Option1", 40);
    set(Formula3Bil, "1425");
    set(Formula3Ks, "1,15");
    click("Command28", 5);
    click("Command29", 5);
  }
};

TEST_F(ChooseUrpTest, CandidatesAreCopiedOnEveryVisit) {
  WalkToTheChoice();
  EXPECT_EQ(InnerPages(2), OnlyPage(c("SSTab1", 2), 3));
  EXPECT_EQ(Text(UrpChoiceFormula1), "1106");
  EXPECT_EQ(Text(UrpChoiceFormula2), "Ignored");
  EXPECT_EQ(Text(UrpChoiceFormula3), "1239,13");
  // No Urp on the page: the entered value's column is hidden.
  EXPECT_FALSE(c("Command28", 9).visible());
  EXPECT_FALSE(text1(UrpChoiceEntered).visible());

  click("Command28", 6);
  EXPECT_EQ(c("Label41", 60).caption(), "Formula I chosen");
  EXPECT_TRUE(c("Label41", 60).visible());
  EXPECT_EQ(Text(UrpFfChosen), "1106");
  EXPECT_TRUE(c("Command29", 6).enabled());

  // Formula III changed: the new value is offered, the choice stands.
  click("Command29", 7);
  set(Formula3Ks, "1,05");
  click("Command28", 5);
  click("Command29", 5);
  EXPECT_EQ(Text(UrpChoiceFormula3), "1357,14");  // 1425 / 1,05
  EXPECT_EQ(Text(UrpFfChosen), "1106");
  EXPECT_EQ(c("Label41", 60).caption(), "Formula I chosen");
}

TEST_F(ChooseUrpTest, NextHandsTheChoiceToThePageAndTheNextVisitOffersIt) {
  WalkToTheChoice();
  click("Command28", 8);
  click("Command29", 6);
  EXPECT_FALSE(c("SSTab1", 2).visible());
  EXPECT_EQ(Text(UrpFfPe), "1239,13");
  EXPECT_EQ(Text(UrpFfPp), "1239,13");
  EXPECT_TRUE(c("Label4", 16).visible());
  EXPECT_EQ(c("Command25", 2).caption(), "RE-CALCULATE");
  EXPECT_TRUE(c("Command21", 18).enabled());

  click("Command25", 2);
  EXPECT_EQ(c("SSTab1", 2).tab(), 0);
  click("Command29", 1);
  click("Command29", 3);
  click("Command29", 5);
  EXPECT_TRUE(c("Command28", 9).visible());
  EXPECT_EQ(Text(UrpChoiceEntered), "1239,13");

  // "Ignored" chosen is handed over as it stands.
  click("Command28", 7);
  click("Command29", 6);
  EXPECT_EQ(Text(UrpFfPe), "Ignored");
  EXPECT_EQ(Text(UrpFfPp), "Ignored");
  EXPECT_TRUE(NoMoreMessages());
}

}  // namespace
