// The page "Standard insulation level" up to 245 kV, for requirements no
// road of the procedure reaches: a temporary short-duration requirement that
// decides, requirements below every level, and one that is no number. Its
// layout, the clearance frame and the levels the roads reach stand in
// tests/scenarios/level_range1_123kv.scn. Expected levels are read from the
// table by hand.

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

struct Case {
  Summary boxes;
  const char* levels;
  bool intSpecial, extSpecial;
};

TEST_F(Range1Test, EachLevelMeetsEveryRequirementOfItsInsulation) {
  const Case cases[] = {
      // The temporary short-duration requirement decides when it is the largest.
      {{{required::UrwFfPpInt, "1000"}, {required::UrwTovPpInt, "300"}}, "460|1050|325|750|450|1050|", false, false},
      {{{required::UrwFfPpInt, "1000"}, {required::UrwTovPpInt, "470"}}, "460|1050|325|750|450|1050|", true, false},
      // Requirements below every level give the first row of the table.
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
