// The fast-front page: ENTER, SKIP and "Next >>".

#include "fast_front_fixture.hpp"

namespace {

using namespace surge;

std::string InvalidUrp() { return "Enter a valid value... | " + support::Padded("Invalid Urp", 32); }

TEST_F(FastFrontTest, EnterTakesOneValueForBothBoxesNeverBelowUm) {
  // Read with its dot as a comma, 419.9 is below Um.
  Enter("419.9");
  EXPECT_EQ(TakeMessage(), InvalidUrp());
  // An integer part longer than the box cannot be shown: refused like a value below Um.
  Enter("12345678");
  EXPECT_EQ(TakeMessage(), InvalidUrp());
  EXPECT_EQ(Text(UrpFfPe), "");
  EXPECT_EQ(c("Command25", 3).caption(), "ENTER");
  EXPECT_FALSE(c("Label4", 16).visible());
  EXPECT_FALSE(c("Command21", 18).enabled());

  Enter("420");
  EXPECT_EQ(Text(UrpFfPe), "420");
  EXPECT_EQ(Text(UrpFfPp), "420");
  EXPECT_EQ(c("Command25", 3).caption(), "RE-ENTER");
  EXPECT_TRUE(c("Label4", 22).visible());
  EXPECT_TRUE(c("Command21", 18).enabled());
  Enter("1234,5678");
  EXPECT_EQ(Text(UrpFfPp), "1234,56");
  Enter("950.5");  // no calculated-value rule: a lower value replaces the higher one
  EXPECT_EQ(Text(UrpFfPe), "950,5");
  EXPECT_EQ(Text(UrpFfPp), "950,5");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(FastFrontTest, SkipIgnoresUrpAndOpensTheCoordinationStage) {
  click("Command25", 4);
  EXPECT_EQ(Text(UrpFfPe), "Ignored");
  EXPECT_EQ(Text(UrpFfPp), "Ignored");
  EXPECT_TRUE(c("Label4", 16).visible());
  EXPECT_TRUE(c("Command21", 18).enabled());
  EXPECT_EQ(c("tabGeneral").tab(), 1);
  EXPECT_EQ(pages("tabGeneral"), OnlyPage(c("tabGeneral"), 1));
  EXPECT_EQ(InnerPages(3), OnlyPage(c("SSTab1", 3), 0));
  EXPECT_EQ(app().mainVars.mUrpTovPe.Value(), "363,73");
  EXPECT_EQ(app().mainVars.mUrpTovPp.Value(), "630");
  EXPECT_FALSE(c("Option1", 44).enabled());
  EXPECT_FALSE(c("Option1", 84).enabled());
  EXPECT_EQ(c("Command25", 3).caption(), "ENTER");

  // A number entered afterwards replaces "Ignored"; the options stay disabled.
  frame::OpenPage(c("tabGeneral"), 0);
  Enter("1000");
  EXPECT_EQ(Text(UrpFfPp), "1000");
  EXPECT_FALSE(c("Option1", 44).enabled());
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(FastFrontTest, NextOpensTheCoordinationStageWithoutCopyingAndARestartForgetsTheCopies) {
  Enter("1000");
  click("Command21", 18);
  EXPECT_EQ(pages("tabGeneral"), OnlyPage(c("tabGeneral"), 1));
  EXPECT_EQ(c("SSTab1", 3).tab(), 0);
  EXPECT_EQ(app().mainVars.mUrpTovPe.Value(), "");

  frame::OpenPage(c("tabGeneral"), 0);
  click("Command25", 4);
  ASSERT_EQ(app().mainVars.mUrpTovPp.Value(), "630");
  app().RestartProgram();
  EXPECT_EQ(app().mainVars.mUrpTovPe.Value(), "");
  EXPECT_EQ(app().mainVars.mUrpTovPp.Value(), "");
}

TEST_F(FastFrontTest, BackOpensTheSlowFrontPage) {
  click("Command21", 17);
  EXPECT_EQ(c("tabSubGeneral1").tab(), 2);
  EXPECT_EQ(pages("tabSubGeneral1"), OnlyPage(c("tabSubGeneral1"), 2));
}

}  // namespace
