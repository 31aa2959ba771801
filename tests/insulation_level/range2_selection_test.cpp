// The page "Standard insulation level" above 245 kV, for requirements no road
// of the procedure reaches: the levels below the road's, a lightning
// requirement beyond the table or ignored, a range caption that is not
// "Range I", and requirements that are no number. Its layout, the clearance
// frame and the levels the road reaches stand in
// tests/scenarios/level_range2_420kv.scn. Expected levels are read from the
// table by hand.

#include <gtest/gtest.h>

#include "insulation_level/slots.hpp"
#include "level_page_fixture.hpp"
#include "required/slots.hpp"

namespace {

using namespace insulation_level;
using level_test::LevelPageTest;

class Range2Test : public LevelPageTest {
 protected:
  Range2Test() { StartWithUm("420"); }
  static constexpr std::initializer_list<int> kInternal{SiwPeIntRange2, SiwPpIntRange2, LiwIntRange2};
  static constexpr std::initializer_list<int> kExternal{SiwPeExtRange2, SiwPpExtRange2, LiwExtRange2};
};

// The required values as the summary boxes hold them, and the level they select.
struct LevelCase {
  const char *pe, *siwPe, *pp, *siwPp, *liw;
  const char* level;
  bool specialTest;
};

TEST_F(Range2Test, TheInternalLevelIsTheFirstRowMeetingTheLargerRequirements) {
  const LevelCase cases[] = {
      {"850", "700", "1275", "1000", "950", "850|1275|950|", false},       // equal values fit
      {"700", "800", "1000", "1200", "900", "850|1275|950|", false},       // not the 362 kV row of the same levels
      {"1000", "900", "1500", "1400", "2200", "1550|2480|2100|", true},    // no row reaches 2200 kV
      {"849.9", "0", "1275", "0", "950", "850|1275|950|", false},         // a dot reads as the decimal comma
  };
  for (const LevelCase& k : cases) {
    Write({{required::UrwSfPeInt, k.pe}, {required::SiwPeInt, k.siwPe}, {required::UrwSfPpInt, k.pp}, {required::SiwPpInt, k.siwPp}, {required::UrwFfPpInt, k.liw}});
    OpenLevelPage();
    EXPECT_EQ(Texts(kInternal), k.level) << k.pe;
    EXPECT_EQ(Visible("Label4", 295), k.specialTest) << k.pe;
  }
}

TEST_F(Range2Test, AnyCaptionButRangeOneLaysOutRangeTwo) {
  c("lblRange").setCaption("range I");
  Write({{required::UrwSfPeInt, "800"}, {required::SiwPeInt, "800"}, {required::UrwSfPpInt, "1200"}, {required::SiwPpInt, "1200"}, {required::UrwFfPpInt, "900"}});
  OpenLevelPage();
  EXPECT_TRUE(Visible("SSTab1", 12));
  EXPECT_EQ(Texts(kInternal), "850|1275|950|");
}

TEST_F(Range2Test, AnInternalRequirementThatIsNoNumberIsRefusedAndKeepsTheWayOnClosed) {
  Write({{required::UrwSfPeInt, "800"}, {required::SiwPeInt, "820"}, {required::UrwSfPpInt, "1250"}, {required::SiwPpInt, "1300"}, {required::UrwFfPpInt, "1000"}});
  OpenLevelPage();
  text1(required::UrwFfPpInt).setText("");
  OpenLevelPage();
  EXPECT_EQ(TakeMessage(), InvalidValue());
  EXPECT_EQ(Texts(kInternal), "|||");
  EXPECT_FALSE(Visible("Label4", 295));
  EXPECT_FALSE(Enabled("Command29", 39));
  text1(required::UrwFfPpInt).setText("1000");
  OpenLevelPage();
  EXPECT_TRUE(Enabled("Command29", 39));
  EXPECT_EQ(Texts(kInternal), "950|1425|1050|");
}

class Range2ExternalTest : public Range2Test {
 protected:
  Range2ExternalTest() {
    Write({{required::UrwSfPeInt, "800"}, {required::SiwPeInt, "820"}, {required::UrwSfPpInt, "1250"}, {required::SiwPpInt, "1300"}, {required::UrwFfPpInt, "1000"}});
    OpenLevelPage();
    Run(frame::Command29Click, 39);
  }
};

TEST_F(Range2ExternalTest, TheExternalLevelMeetsTheLargerRequirementsOrIgnoresTheLightningOne) {
  const LevelCase cases[] = {
      {"900", "880", "1300", "1250", "1100", "950|1425|1175|", false},  // row 7: 1050 kV is too low
      {"900", "880", "1300", "1250", "Ignored", "950|1425|1050|", false},
      {"700", "750", "1100", "1125", "850", "750|1125|850|", false},
  };
  for (const LevelCase& k : cases) {
    Write({{required::UrwSfPeExt, k.pe}, {required::SiwPeExt, k.siwPe}, {required::UrwSfPpExt, k.pp}, {required::SiwPpExt, k.siwPp}, {required::UrwFfPpExt, k.liw}});
    Choose(89);
    EXPECT_EQ(Texts(kExternal), k.level) << k.liw;
    EXPECT_EQ(Visible("Label4", 324), k.specialTest) << k.liw;
    EXPECT_TRUE(Visible("Frame37", 12));
    EXPECT_FALSE(Visible("Frame37", 13));
    EXPECT_TRUE(Enabled("Command29", 40));
  }
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(Range2ExternalTest, AnExternalRequirementThatIsNoNumberIsRefused) {
  Write({{required::UrwSfPeExt, "900"}, {required::SiwPeExt, "880"}, {required::UrwSfPpExt, "1300"}, {required::SiwPpExt, "1250"}, {required::UrwFfPpExt, "1100"}});
  Choose(89);
  text1(required::UrwFfPpExt).setText("Ignore");
  Choose(90);
  EXPECT_EQ(TakeMessage(), InvalidValue());
  EXPECT_EQ(Texts(kExternal), "|||");
  EXPECT_FALSE(Enabled("Command29", 40));
  EXPECT_FALSE(Visible("Frame37", 13));
  EXPECT_TRUE(NoMoreMessages());
}

}  // namespace
