// The minimum air clearances up to 245 kV: both clearances of the chosen
// structure for the external lightning requirements that the level
// selection kept, read from the clearance table by hand.

#include <gtest/gtest.h>

#include "insulation_level/slots.hpp"
#include "level_page_fixture.hpp"
#include "required/slots.hpp"

namespace {

using namespace insulation_level;
using level_test::LevelPageTest;
using level_test::Summary;

class ClearanceRange1Test : public LevelPageTest {
 protected:
  ClearanceRange1Test() {
    StartWithUm("123");
    OpenLevelPage();
    Write({{required::SdwPpInt, "0"}, {required::SdwPeInt, "0"}, {required::SdwPpExt, "0"}, {required::SdwPeExt, "0"}, {required::UrwFfPpInt, "580"},
           {required::LiwPpInt, "600"}, {required::UrwTovPpInt, "240"}, {required::UrwFfPeInt, "400"}, {required::LiwPeInt, "380"}, {required::UrwTovPpExt, "200"}});
  }
  // The external lightning requirements, phase to phase and phase to earth, each the larger of two boxes.
  void Require(const char* pp, const char* pe) {
    Write({{required::UrwFfPpExt, pp}, {required::LiwPpExt, "0"}, {required::LiwPeExt, pe}, {required::UrwFfPeExt, "0"}});
    Choose(85);
  }
  std::string Clearances() const { return Texts({ClearancePpTableA1, ClearancePeTableA1}); }
};

TEST_F(ClearanceRange1Test, TheRodStructureGivesBothClearancesAndOpensTheWayOn) {
  Require("700", "600");
  EXPECT_FALSE(Enabled("Option1", 87));
  EXPECT_FALSE(Enabled("Command21", 33));
  Choose(88);
  EXPECT_EQ(Clearances(), "1500|1300|");
  for (int label : {274, 275, 276, 277}) EXPECT_TRUE(c("Label4", label).isShown()) << label;
  EXPECT_TRUE(c("Text1", ClearancePpTableA1).isShown());
  EXPECT_FALSE(Visible("Label4", 293));
  EXPECT_TRUE(Enabled("Command21", 33));
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(ClearanceRange1Test, EachStructureReadsItsOwnColumn) {
  struct Case {
    const char *pp, *pe;
    int structure;
    const char* clearances;
    bool specialTest;
  };
  const Case cases[] = {
      {"850", "850", 88, "1700|1700|", false},
      {"850", "850", 87, "1600|1600|", false},
      // Up to 750 kV the table gives no conductor-structure clearance: the next one that it gives.
      {"700", "660", 87, "1600|1600|", false},
      {"1200", "900", 88, "2600|1900|", false},
      {"1200", "900", 87, "2400|1700|", false},
      {"2200", "900", 88, "4200|1900|", true},
      {"900", "2101", 87, "1700|3900|", true},
  };
  for (const Case& k : cases) {
    Require(k.pp, k.pe);
    Choose(k.structure);
    EXPECT_EQ(Clearances(), k.clearances) << k.pp << " " << k.pe;
    EXPECT_EQ(Visible("Label4", 293), k.specialTest) << k.pp << " " << k.pe;
    EXPECT_TRUE(Enabled("Command21", 33));
  }
}

TEST_F(ClearanceRange1Test, SwitchingStructuresOverwritesBothClearances) {
  Require("1200", "900");
  Choose(88);
  EXPECT_EQ(Clearances(), "2600|1900|");
  Choose(87);
  EXPECT_EQ(Clearances(), "2400|1700|");
  EXPECT_FALSE(c("Option1", 88).value());
  Require("2200", "900");
  EXPECT_EQ(Clearances(), "||");
  Choose(87);
  EXPECT_EQ(Clearances(), "3900|1700|");
  EXPECT_TRUE(Visible("Label4", 293));
  Choose(88);
  Require("1200", "900");
  Choose(88);
  EXPECT_FALSE(Visible("Label4", 293));
}

}  // namespace
