// The minimum air clearances above 245 kV for a phase-to-phase withstand no
// road of the procedure reaches, written in its box once the clearance
// stands: too large for any clearance to hold. The clearances a person
// reaches stand in tests/scenarios/level_clearances_420kv.scn.

#include <gtest/gtest.h>

#include "insulation_level/slots.hpp"
#include "level_page_fixture.hpp"
#include "required/slots.hpp"

namespace {

using namespace insulation_level;
using level_test::LevelPageTest;

class ClearanceRange2Test : public LevelPageTest {
 protected:
  ClearanceRange2Test() {
    StartWithUm("420");
    Write({{required::UrwSfPeInt, "800"}, {required::SiwPeInt, "820"}, {required::UrwSfPpInt, "1250"}, {required::SiwPpInt, "1300"}, {required::UrwFfPpInt, "1000"}});
    OpenLevelPage();
    c("SSTab1", 12).setTabEnabled(1, true);
    c("SSTab1", 12).setTab(1);
    // 1000 / 1360 / 1300: the 420 kV row of 1050 / 1575 / 1300 kV.
    Write({{required::UrwSfPeExt, "1000"}, {required::SiwPeExt, "980"}, {required::UrwSfPpExt, "1300"}, {required::SiwPpExt, "1360"}, {required::UrwFfPpExt, "1300"}});
    Choose(90);
  }
  bool Next() const { return Enabled("Command29", 40); }
  void Equations(const char* d, const char* ht) {
    type(SilDistanceD, d);
    type(SilHeightHt, ht);
    click("Command21", 35);
  }
  static constexpr std::initializer_list<int> kEquations{FactorB, UplusUminus, U0Pp, U50Pp, ClearancePpEquation};
};

TEST_F(ClearanceRange2Test, AWithstandWhoseClearanceNoNumberCanHoldLeavesNoClearanceStanding) {
  Choose(91);
  Choose(93);
  Choose(96);
  Equations("6", "15");
  EXPECT_TRUE(Next());
  Write({{required::SiwPpExt, "30000000"}});
  click("Command21", 35);
  EXPECT_EQ(TakeMessage(), InvalidValue());
  EXPECT_EQ(Texts(kEquations), "|||||");
  EXPECT_FALSE(Visible("Text1", ClearancePpEquation));
  EXPECT_FALSE(Next());
  EXPECT_TRUE(NoMoreMessages());
}

}  // namespace
