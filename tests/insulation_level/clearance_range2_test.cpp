// The minimum air clearances above 245 kV on the inner page "External
// insulation": phase to earth by structure, phase to phase by the table or
// by the equations, and when "Next >>" may lead on. Expected clearances are
// read from the tables and worked out from the formulas by hand.

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
  bool Shown(const char* name, int index) const { return c(name, index).isShown(); }
  void Equations(const char* d, const char* ht) {
    type(SilDistanceD, d);
    type(SilHeightHt, ht);
    click("Command21", 35);
  }
  static constexpr std::initializer_list<int> kPe{ClearancePeTableA2, U50Pe, LiwFromClearancePe};
  static constexpr std::initializer_list<int> kEquations{FactorB, UplusUminus, U0Pp, U50Pp, ClearancePpEquation};
  std::string InvalidBox() const { return "Enter a valid value | " + support::Padded("Invalid value", 34); }
};

TEST_F(ClearanceRange2Test, AStructureGivesThePhaseToEarthClearanceAndOpensThePhaseToPhaseMethods) {
  EXPECT_EQ(text1(SiwPeExtRange2).text(), "1050");
  EXPECT_FALSE(Shown("Text1", ClearancePeTableA2));
  Choose(91);
  // 3400 mm; U50 = 1,039 * 530 * 3,4 = 1872,278; LIW = 1872,278 * 0,961 = 1799,259158, cut.
  EXPECT_EQ(Texts(kPe), "3400|1872,278|1799,259|");
  for (int label : {326, 327, 328, 329, 330, 331, 332, 333, 334}) EXPECT_TRUE(Shown("Label4", label)) << label;
  EXPECT_FALSE(Visible("Label4", 337));
  EXPECT_TRUE(Shown("Frame37", 17));
  EXPECT_FALSE(Visible("Frame37", 18));
  EXPECT_FALSE(c("Option1", 93).value() || c("Option1", 94).value());
  EXPECT_FALSE(Next());
  Choose(92);
  // 2600 mm; 1,091 * 530 * 2,6 = 1503,398; * 0,961 = 1444,765478.
  EXPECT_EQ(Texts(kPe), "2600|1503,398|1444,765|");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(ClearanceRange2Test, TheTableGivesThePhaseToPhaseClearanceOfTheConfiguration) {
  Choose(91);
  Choose(94);
  EXPECT_TRUE(Shown("Frame37", 18));
  EXPECT_FALSE(Shown("Text1", ClearancePpTableA3));
  EXPECT_EQ(c("Label4", 353).top(), c("Label4", 336).top());
  // 1575 kV phase to phase, 1000 kV phase to earth: row 5.
  Choose(96);
  EXPECT_EQ(text1(ClearancePpTableA3).text(), "4200");
  EXPECT_TRUE(Shown("Text1", ClearancePpTableA3));
  EXPECT_TRUE(Shown("Label4", 335));
  EXPECT_TRUE(Shown("Label4", 336));
  EXPECT_FALSE(Visible("Label4", 353));
  EXPECT_TRUE(Next());
  Choose(95);
  EXPECT_EQ(text1(ClearancePpTableA3).text(), "3600");
  EXPECT_TRUE(Next());
  // A method chosen again asks for the configuration again.
  Choose(94);
  EXPECT_FALSE(Next());
  EXPECT_FALSE(Visible("Text1", ClearancePpTableA3));
  EXPECT_FALSE(c("Option1", 95).value());
  Choose(95);
  EXPECT_EQ(text1(ClearancePpTableA3).text(), "3600");
  EXPECT_TRUE(Next());
  // So does a structure chosen again: the phase-to-phase part opens afresh and "Next >>" waits.
  Choose(92);
  EXPECT_FALSE(Next());
  EXPECT_FALSE(Visible("Text1", ClearancePpTableA3));
  EXPECT_FALSE(Visible("Frame37", 18));
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(ClearanceRange2Test, APhaseToEarthRequirementBeyondTheTableAsksForASpecialTest) {
  Write({{required::UrwSfPeExt, "1600"}});
  Choose(90);  // the highest level, 1550 / 2480 kV
  Choose(92);
  EXPECT_EQ(Texts(kPe), "4900|2833,327|2722,827|");
  EXPECT_FALSE(Visible("Label4", 337));
  Choose(94);
  Choose(96);
  EXPECT_EQ(text1(ClearancePpTableA3).text(), "9400");
  EXPECT_TRUE(Shown("Label4", 353));
  EXPECT_TRUE(Next());
}

TEST_F(ClearanceRange2Test, TheEquationsGiveTheClearanceFromDAndHt) {
  Choose(91);
  Choose(93);
  EXPECT_EQ(c("Label4", 353).top(), c("Label4", 352).top());
  Choose(96);
  for (int label : {235, 236, 237, 238}) EXPECT_TRUE(Shown("Label41", label)) << label;
  EXPECT_TRUE(Shown("Text1", SilDistanceD));
  EXPECT_FALSE(Visible("Command21", 35));
  type(SilDistanceD, "6");
  EXPECT_FALSE(Visible("Command21", 35));
  type(SilHeightHt, "15");
  EXPECT_TRUE(Shown("Command21", 35));
  click("Command21", 35);
  // r = 0,4; U+ = 1360 / 2; each value computed from the one shown before it.
  EXPECT_EQ(Texts(kEquations), "0,673857|680|1138,222|1184,414|2,45|");
  for (int label = 338; label <= 355; ++label) EXPECT_TRUE(Shown("Label4", label)) << label;
  EXPECT_FALSE(Visible("Text1", ClearancePpTableA3));
  EXPECT_TRUE(Next());
  // Conductor-conductor: an empty entry, then K = 1,62; D typed with a point.
  Choose(95);
  EXPECT_EQ(Texts({SilDistanceD, SilHeightHt, ClearancePpEquation}), "|||");
  EXPECT_FALSE(Visible("Text1", FactorB));
  EXPECT_FALSE(Next());
  Equations("6.0", "15");
  EXPECT_EQ(text1(SilDistanceD).text(), "6,0");
  EXPECT_EQ(Texts(kEquations), "0,673857|680|1138,222|1184,414|2,10|");
  EXPECT_TRUE(Next());
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(ClearanceRange2Test, AChangedOrUnusableEntryLeavesNoClearanceStanding) {
  Choose(91);
  Choose(93);
  Choose(96);
  Equations("6", "15");
  EXPECT_TRUE(Next());
  // Another D: the clearance of the old one goes, U+ does not depend on it.
  type(SilDistanceD, "5");
  EXPECT_EQ(Texts(kEquations), "|680||||");
  EXPECT_FALSE(Next());
  // A word is no length.
  type(SilHeightHt, "x");
  EXPECT_EQ(TakeMessage(), InvalidBox());
  EXPECT_EQ(text1(SilHeightHt).text(), "");
  EXPECT_FALSE(Visible("Command21", 35));
  // No height above earth, or a distance below zero: refused, the box emptied.
  type(SilHeightHt, "0");
  click("Command21", 35);
  EXPECT_EQ(TakeMessage(), InvalidBox());
  EXPECT_EQ(Texts({SilHeightHt, SilDistanceD}), "|65|");
  EXPECT_FALSE(Visible("Command21", 35));
  EXPECT_FALSE(Next());
  // (typed key by key, a "-" alone is refused: the distance is pasted)
  set(SilDistanceD, "-1");
  type(SilHeightHt, "15");
  click("Command21", 35);
  EXPECT_EQ(TakeMessage(), InvalidBox());
  EXPECT_EQ(Texts({SilHeightHt, SilDistanceD}), "15||");
  // A distance of zero is a line: r = 0.
  type(SilDistanceD, "0");
  click("Command21", 35);
  EXPECT_EQ(text1(FactorB).text(), "1,019452");
  EXPECT_TRUE(Next());
  // A withstand whose clearance no number can hold: refused, nothing shown.
  Write({{required::SiwPpExt, "30000000"}});
  click("Command21", 35);
  EXPECT_EQ(TakeMessage(), InvalidValue());
  EXPECT_EQ(Texts(kEquations), "|||||");
  EXPECT_FALSE(Visible("Text1", ClearancePpEquation));
  EXPECT_FALSE(Next());
  EXPECT_TRUE(NoMoreMessages());
}

}  // namespace
