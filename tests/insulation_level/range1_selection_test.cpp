// The page "Standard insulation level" up to 245 kV: the two modes, the
// levels of internal and external insulation, the minimum lightning levels,
// and the clearance frame with its conductor-structure rule. Expected levels
// are read from the table by hand.

#include <gtest/gtest.h>

#include "insulation_level/slots.hpp"
#include "level_page_fixture.hpp"
#include "required/slots.hpp"

namespace {

using namespace insulation_level;
using level_test::LevelPageTest;
using level_test::Summary;

class Range1Test : public LevelPageTest {
 protected:
  Range1Test() {
    StartWithUm("123");
    OpenLevelPage();
    Write(kConverted);
  }
  // Converted short-duration values that play no part unless a case sets them.
  static constexpr Summary kConverted{{required::SdwPpInt, "0"}, {required::SdwPeInt, "0"}, {required::SdwPpExt, "0"}, {required::SdwPeExt, "0"}};
  // Internal: lightning 580 / 600, short-duration 240, phase to earth 400 / 380;
  // external: lightning 700 / 651 phase to phase, 651 / 500 phase to earth, short-duration 200.
  static constexpr Summary kRequired{{required::UrwFfPpInt, "580"}, {required::LiwPpInt, "600"}, {required::UrwTovPpInt, "240"},
                                     {required::UrwFfPeInt, "400"}, {required::LiwPeInt, "380"}, {required::UrwFfPpExt, "700"},
                                     {required::LiwPpExt, "651"},   {required::UrwTovPpExt, "200"}, {required::LiwPeExt, "651"},
                                     {required::UrwFfPeExt, "500"}};
  static constexpr std::initializer_list<int> kLevels{SdwIntSelected, LiwIntSelected, SdwExtSelected, LiwExtSelected,
                                                      LiwIntMinPe,    LiwIntMinPp};
};

TEST_F(Range1Test, TheLevelAloneShowsTheThreeResultFramesAndOpensTheWayOn) {
  Write(kRequired);
  Choose(86);
  // 600 / 240: row 20; minimum 450 and 650; external 700 / 200: row 23.
  EXPECT_EQ(Texts(kLevels), "275|650|325|750|450|650|");
  EXPECT_FALSE(Visible("Label4", 291));
  EXPECT_FALSE(Visible("Label4", 292));
  EXPECT_TRUE(Visible("Frame37", 7));
  EXPECT_TRUE(Visible("Frame37", 8));
  EXPECT_TRUE(Visible("Frame37", 9));
  EXPECT_FALSE(Visible("Frame37", 10));
  EXPECT_TRUE(Enabled("Command21", 33));
  EXPECT_TRUE(NoMoreMessages());
}

struct Case {
  Summary boxes;
  const char* levels;
  bool intSpecial, extSpecial;
};

TEST_F(Range1Test, EachLevelMeetsEveryRequirementOfItsInsulation) {
  const Case cases[] = {
      // A converted short-duration value above the temporary one raises the level: 280 kV
      // needs row 23, where 600 / 240 alone gave row 20.
      {{{required::SdwPeInt, "280"}}, "325|750|325|750|450|650|", false, false},
      {{{required::SdwPpExt, "330"}}, "275|650|360|850|450|650|", false, false},
      // Above the table's lightning levels: those above 245 kV with its highest short-duration level.
      {{{required::LiwPpInt, "1100"}, {required::LiwPpExt, "1301"}}, "460|1175|460|1425|450|1175|", true, true},
      {{{required::UrwFfPpInt, "1000"}, {required::UrwTovPpInt, "300"}}, "460|1050|325|750|450|1050|", false, false},
      {{{required::UrwFfPpInt, "1000"}, {required::UrwTovPpInt, "470"}}, "460|1050|325|750|450|1050|", true, false},
      // No level reaches 2200 kV: the highest, and no minimum level stands.
      {{{required::LiwPpInt, "2200"}, {required::UrwFfPeInt, "2200"}}, "460|2100|325|750|||", true, false},
      {{{required::UrwFfPpInt, "30"}, {required::LiwPpInt, "0"}, {required::UrwTovPpInt, "25"}}, "28|60|325|750|450|40|", false, false},
  };
  for (const Case& k : cases) {
    Write(kRequired);
    Write(kConverted);
    Write({{LiwIntMinPe, "999"}});
    Write(k.boxes);
    Choose(86);
    EXPECT_EQ(Texts(kLevels), k.levels) << k.levels;
    EXPECT_EQ(Visible("Label4", 291), k.intSpecial) << k.levels;
    EXPECT_EQ(Visible("Label4", 292), k.extSpecial) << k.levels;
  }
}

TEST_F(Range1Test, WithClearancesTheFrameOpensEmptyAndTheWayOnWaits) {
  Write(kRequired);
  Choose(85);
  Choose(88);
  Write({{ClearancePpTableA1, "1500"}, {ClearancePeTableA1, "1300"}});
  c("Text1", ClearancePpTableA1).setVisible(true);
  c("Label4", 293).setVisible(true);
  Choose(85);
  EXPECT_EQ(Texts(kLevels), "275|650|325|750|450|650|");
  EXPECT_TRUE(Visible("Frame37", 10));
  EXPECT_FALSE(Enabled("Command21", 33));
  EXPECT_FALSE(c("Option1", 87).value());
  EXPECT_FALSE(c("Option1", 88).value());
  EXPECT_EQ(Texts({ClearancePpTableA1, ClearancePeTableA1}), "||");
  EXPECT_FALSE(Visible("Text1", ClearancePpTableA1));
  EXPECT_FALSE(Visible("Label4", 293));
  Choose(86);
  EXPECT_FALSE(Visible("Frame37", 10));
  EXPECT_TRUE(Enabled("Command21", 33));
}

TEST_F(Range1Test, TheConductorStructureNeedsBothExternalLightningRequirementsAbove650) {
  struct RuleCase {
    Summary boxes;
    bool enabled;
  };
  const RuleCase cases[] = {
      {{{required::UrwFfPpExt, "700"}, {required::LiwPeExt, "651"}}, true},
      {{{required::UrwFfPpExt, "650"}, {required::LiwPpExt, "600"}, {required::LiwPeExt, "900"}}, false},
      {{{required::UrwFfPpExt, "900"}, {required::LiwPeExt, "650"}, {required::UrwFfPeExt, "600"}}, false},
      {{{required::UrwFfPpExt, "600"}, {required::LiwPpExt, "650.5"}, {required::LiwPeExt, "0"}, {required::UrwFfPeExt, "650,1"}}, true},
  };
  for (const auto& [boxes, enabled] : cases) {
    Write(kRequired);
    Write(boxes);
    Choose(85);
    EXPECT_EQ(Enabled("Option1", 87), enabled) << text1(required::UrwFfPpExt).text();
    EXPECT_TRUE(Enabled("Option1", 88));
  }
}

TEST_F(Range1Test, ARequirementThatIsNoNumberIsRefusedAndClearsTheLevels) {
  Write(kRequired);
  Choose(86);
  Write({{required::UrwFfPeExt, "Ignored"}});
  Choose(85);
  EXPECT_EQ(TakeMessage(), InvalidValue());
  EXPECT_EQ(Texts(kLevels), "||||||");
  EXPECT_FALSE(Enabled("Command21", 33));
  EXPECT_FALSE(Visible("Frame37", 10));
  Write({{required::UrwFfPeExt, "500"}, {required::UrwTovPpInt, ""}});
  Choose(86);
  EXPECT_EQ(TakeMessage(), InvalidValue());
  EXPECT_FALSE(Enabled("Command21", 33));
  EXPECT_TRUE(NoMoreMessages());
}

}  // namespace
