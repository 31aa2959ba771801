// The K2 page in the headless program: what the scenarios cannot reach from
// the outside (a box written by code without leaving it, the formula mode
// before any choice, the "Next >>" rule on its own) and the refusals.

#include <gtest/gtest.h>

#include <string>

#include "support/driver.hpp"
#include "tov/k2_page.hpp"
#include "tov/slots.hpp"
#include "tov/stage.hpp"

namespace {

using namespace tov;

class K2PageTest : public ::testing::Test, protected support::Driver {
 protected:
  platform::HeadlessPlatform& h = headless;
  platform::Platform& p = platform;
  program::Program& prog = program();

  void SetUp() override {
    StartWithUm("420");
    ASSERT_EQ(main()("lblRange").caption(), "Range II");
  }

  void select(int option) { p.click(c("Option1", option)); }
  std::string text(int slot) { return text1(slot).text(); }
  // A typed value: the box gets the focus, so leaving it later raises its lost focus.
  void type(int slot, const std::string& value) { p.typeText(text1(slot), value); }
  void leave() { p.focus(c("Option1", 1)); }

  std::vector<platform::ShownBox>& messages() { return h.dialogs.messages; }
  static constexpr const char* kGroupTitle = "Invalid value                    ";  // 33 characters

  // The worked line: f 50, l 100, C1 0,00001, U2 400 (Q_OL 125,6), S_SC 1256.
  void typeLine() {
    type(K2Frequency, "50");
    type(K2LineLength, "100");
    type(K2Capacitance, "0.00001");
    type(K2ReceivingVoltage, "400");
    leave();
    type(K2ShortCircuitPower, "1256");
  }
  void typeCompensation(const char* qSE, const char* qRE, const char* sOL) {
    type(K2CompensationSending, qSE);
    type(K2CompensationReceiving, qRE);
    type(K2LinePower, sOL);
    type(K2Inductance, "0,00001");
  }
};

TEST_F(K2PageTest, ChargingPowerFollowsTheLostFocusAndReadsDotsAsCommas) {
  select(1);
  select(5);
  type(K2Frequency, "50");
  type(K2LineLength, "100");
  type(K2Capacitance, "0.00001");  // read as 0,00001, never as 1
  type(K2ReceivingVoltage, "400");
  EXPECT_EQ(text(K2ChargingPower), "");  // not before the box is left
  leave();
  EXPECT_EQ(text(K2ChargingPower), "125,6");
  EXPECT_EQ(text(K2Capacitance), "0.00001");  // the box itself is not rewritten
  p.setTextByUser(text1(K2Frequency), "60");
  p.setTextByUser(text1(K2LineLength), "333");
  p.setTextByUser(text1(K2Capacitance), "0,000012");
  p.setTextByUser(text1(K2ReceivingVoltage), "410");
  leave();
  EXPECT_EQ(text(K2ChargingPower), "617,3340");  // 617,334048 cut to eight
}

TEST_F(K2PageTest, OkRecomputesTheChargingPowerFromTheRewrittenData) {
  select(1);
  select(6);
  typeLine();
  // f changed by code after the charging power was computed; no box is left.
  text1(K2Frequency).setText("60.0");
  EXPECT_EQ(text(K2ChargingPower), "125,6");
  prog.stage<tov::Stage>().page<tov::K2Page>().Command8_Click();
  EXPECT_EQ(text(K2Frequency), "60,0");
  EXPECT_EQ(text(K2ChargingPower), "150,72");  // 60 * 6,28 * 100 * 0,00001 * 400
  // K2 = 1 / (1 - 150,72 / 1256) = 1 / 0,88
  EXPECT_EQ(text(UrpK2Pp), "477,27");
}

TEST_F(K2PageTest, LimitsOfTheFormulasAreRefusedWithoutResults) {
  select(1);
  select(6);
  typeLine();
  p.click(c("Command8"));
  ASSERT_TRUE(c("Command2").enabled());
  p.setTextByUser(text1(K2ShortCircuitPower), "125,6");  // Q_OL = S_SC
  p.click(c("Command8"));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].prompt, "Enter a valid value...");
  EXPECT_EQ(text(UrpK2Pe), "");
  EXPECT_FALSE(text1(UrpK2Pe).visible());
  EXPECT_FALSE(c("Command2").enabled());

  select(5);
  typeLine();
  typeCompensation("0", "0", "0");  // S_OL = 0
  messages().clear();
  p.click(c("Command8"));
  EXPECT_EQ(messages().size(), 1u);
  EXPECT_EQ(text(UrpK2PeSending), "");
  EXPECT_FALSE(c("Command6").visible());
  EXPECT_FALSE(c("Command2").enabled());
  // The page stays usable: a sound value gives a result again.
  p.setTextByUser(text1(K2LinePower), "1000");
  p.click(c("Command8"));
  EXPECT_EQ(text(UrpK2Pe), "284,36");
}

TEST_F(K2PageTest, OkFollowsTheFormulaModeOnlyOnceOneIsChosen) {
  // No formula chosen since the window was loaded: boxes 4 to 9 leave "OK" alone.
  c("Command8").setVisible(true);
  text1(K2Frequency).setText("50");
  EXPECT_TRUE(c("Command8").visible());
  // Boxes 10 to 13 always ask for all ten.
  text1(K2Inductance).setText("1");
  EXPECT_FALSE(c("Command8").visible());

  select(1);
  select(5);
  typeLine();
  EXPECT_FALSE(c("Command8").visible());  // the analytical set needs ten boxes
  select(6);                              // clears all ten
  EXPECT_EQ(text(K2Frequency), "");
  EXPECT_FALSE(c("Command8").visible());
  typeLine();
  EXPECT_TRUE(c("Command8").visible());
  p.setTextByUser(text1(K2ShortCircuitPower), "");
  EXPECT_FALSE(c("Command8").visible());
}

TEST_F(K2PageTest, NextFollowsBothResultsAndTheOpenChoice) {
  select(2);
  ASSERT_TRUE(c("Command2").enabled());
  text1(UrpK2Pp).setText("");
  EXPECT_FALSE(c("Command2").enabled());
  c("Command6").setVisible(true);
  text1(UrpK2Pp).setText("420");
  EXPECT_FALSE(c("Command2").enabled());
  c("Command6").setVisible(false);
  text1(UrpK2Pe).setText("242");
  EXPECT_TRUE(c("Command2").enabled());
}

}  // namespace
