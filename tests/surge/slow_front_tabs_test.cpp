// What the scenarios cannot state of the slow-front calculation strips: the
// values kept outside the boxes and a restart that forgets them, an "OK" with
// no unit (no person can clear both options), an Ups copy left empty, and the
// external phase-to-phase Urp for an Upt and a Uet that the fits do not give.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "support/slow_front_road.hpp"
#include "surge/slow_front_range_tabs.hpp"
#include "surge/slots.hpp"
#include "surge/stage.hpp"

namespace {

using namespace surge;

constexpr int kOkPe = 13, kNextPe = 12, kOkExternal = 14, kAccept = 16;
constexpr int kPu = 62, kKv = 63, kEnergization = 32;

class SlowFrontTabsTest : public ::testing::Test, protected support::Driver {
 protected:
  SlowFrontRangeTabs& tabs() { return program().stage<Stage>().page<SlowFrontRangeTabs>(); }

  // Um = 420 kV, an arrester with Ups = 740 kV accepted, the Range II strip open.
  void OpenRange2Strip() {
    support::OpenSlowFrontPage420kV(*this);
    click("Command25", 1);
  }
  void CalculateUet(int unit, const std::string& ue2) {
    click("Option1", unit);
    type(Ue2PeRange2, ue2);
    click("Command21", kOkPe);
  }
  // From tab 0 through energization and the external "OK" with D = 6 m, Ht = 12 m.
  void CalculatePhaseToPhase() {
    click("Command21", kNextPe);
    click("Option1", kEnergization);
    type(SfClearanceD, "6");
    type(SfHeightHt, "12");
    click("Command21", kOkExternal);
  }
};

TEST_F(SlowFrontTabsTest, TheStripKeepsBAndXAsEnteredAndARestartForgetsThem) {
  OpenRange2Strip();
  CalculateUet(kPu, "2.2");
  ASSERT_TRUE(tabs().mPuBaseRange2.has_value());
  EXPECT_NEAR(*tabs().mPuBaseRange2, 342.92856, 0.000005);
  // A value in pu is kept as typed (with its decimal comma), one in kV as x.
  EXPECT_EQ(std::get<std::string>(tabs().mUe2PuRange2), "2,2");
  CalculatePhaseToPhase();
  click("Command21", kAccept);
  EXPECT_EQ(tabs().mSlowFrontAccepted, "1");

  click("Command25", 1);
  CalculateUet(kKv, "685.86");
  EXPECT_NEAR(std::get<double>(tabs().mUe2PuRange2), 685.86 / 342.92856, 1e-7);
  EXPECT_FALSE(tabs().mPuBaseRange1.has_value());

  app().RestartProgram();
  EXPECT_FALSE(tabs().mPuBaseRange2.has_value());
  EXPECT_TRUE(std::holds_alternative<std::monostate>(tabs().mUe2PuRange2));
  EXPECT_EQ(tabs().mSlowFrontAccepted, "");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(SlowFrontTabsTest, AnOkWithNoUnitShowsTheRowsAndComputesNothing) {
  OpenRange2Strip();
  CalculateUet(kPu, "2,2");
  click("Command21", kNextPe);
  c("Option1", kPu).setValue(false);
  text1(Ue2PeRange2).setText("3");
  c("Label41", 22).setVisible(false);
  click("Command21", kOkPe);
  EXPECT_TRUE(c("Label41", 22).visible());
  // What x = 2,2 gave went with the Ue2 it was calculated from; x stays.
  EXPECT_EQ(text1(UetPeRange2).text(), "");
  EXPECT_EQ(std::get<std::string>(tabs().mUe2PuRange2), "2,2");
  EXPECT_EQ(text1(UptRange2).text(), "");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(SlowFrontTabsTest, AnEmptyUpsCopyIsNoValueAndRefusesEveryStepThatReadsIt) {
  const std::string refused = "Enter a valid value... | " + support::Padded("Invalid value", 33);
  OpenRange2Strip();
  text1(UpsCopySfPeRange2).setText("");
  CalculateUet(kPu, "2,2");
  EXPECT_EQ(TakeMessage(), refused);
  EXPECT_EQ(text1(UrpSfPeRange2).text(), "");

  text1(UpsCopySfPeRange2).setText("740");
  click("Command21", kOkPe);
  text1(UpsCopySfPpRange2).setText("");
  click("Command21", kNextPe);
  EXPECT_EQ(TakeMessage(), refused);
  EXPECT_EQ(text1(UrpSfPpIntRange2).text(), "");

  text1(UpsCopySfPpRange2).setText("740");
  CalculatePhaseToPhase();
  text1(UpsCopySfPpRange2).setText("");
  click("Command21", kOkExternal);
  EXPECT_EQ(TakeMessage(), refused);
  EXPECT_EQ(text1(UrpSfPpExtRange2).text(), "");
  EXPECT_FALSE(c("Command21", kAccept).enabled());
  EXPECT_TRUE(NoMoreMessages());
}

struct ExternalCase {
  const char *d, *ht, *ups, *uptre, *urp;
};

// Upt = 1000 kV, Uet = 600 kV. D = 6, Ht = 12 give Uptre = 1018,29, shown
// 1018,2; D = 0 gives 1000,0224, shown 1000,0, which is not above 2 Ups = 1000.
constexpr ExternalCase kExternal[] = {
    {"6", "12", "700", "1018,2", "1018,2"},
    {"6", "12", "500", "1018,2", "1000"},
    {"0", "12", "500", "1000,0", "1000,0"},
};

TEST_F(SlowFrontTabsTest, TheExternalUrpIsTheLowerOfUptreAsShownAnd2Ups) {
  OpenRange2Strip();
  for (const ExternalCase& e : kExternal) {
    SCOPED_TRACE(std::string(e.d) + " " + e.ups);
    text1(UptRange2).setText("1000");
    text1(UetPeRange2).setText("600");
    text1(UpsCopySfPpRange2).setText(e.ups);
    set(SfClearanceD, e.d);
    set(SfHeightHt, e.ht);
    click("Command21", kOkExternal);
    EXPECT_EQ(text1(UptreRange2).text(), e.uptre);
    EXPECT_EQ(text1(UrpSfPpExtRange2).text(), e.urp);
  }
  EXPECT_TRUE(NoMoreMessages());
}

}  // namespace
