// The co-ordination factors on boxes of the lengths the slow-front tabs give
// them (ratios and factors four characters, Ue2, R, Urp and Ucw six), at
// Um = 420 kV (1 pu = 420·√2/√3 = 342,928564 kV). Every expected text is
// worked out by hand from the formulas and cut to its box.

#include "coordination/coordination_factors.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

#include "coordination/slow_front_tabs.hpp"
#include "coordination/stage.hpp"
#include "support/driver.hpp"

namespace {

using coordination::CoordinationFactors;
using coordination::FactorOutcome;
using coordination::SwitchingCase;
using platform::ControlDesign;
using platform::Kind;

enum class Unit { Kv, Pu };

constexpr coordination::Ue2IntakeBoxes kIntake{{"Ue2"}, {"UnitKv"}, {"UnitPu"}, {"Ratio"},
                                               {"Factor"}, {"Urp"}, {"Ucw"}};
constexpr coordination::CurveBBoxes kCurveB{{"Ratio"}, {"Factor"}, {"Urp"}, {"Ucw"}};

class FactorsTest : public ::testing::Test, protected support::Driver {
 protected:
  FactorsTest() {
    StartWithUm("420");
    CreateTabBoxes();
  }

  // A tab's boxes and unit options, as the slow-front tabs lay them out.
  void CreateTabBoxes() {
    main().create({.kind = Kind::Frame, .name = "Units"});
    for (const char* option : {"UnitKv", "UnitPu"})
      main().create({.kind = Kind::OptionButton, .name = option, .container = "Units"});
    for (const auto& [name, length] : {std::pair{"Ue2", 6}, {"Ratio", 4}, {"Factor", 4}, {"Urp", 6}, {"Ucw", 6},
                                       {"Risk", 6}})
      main().create({.kind = Kind::TextBox, .name = name, .maxLength = length});
  }

  CoordinationFactors factors{app()};

  void SetUnit(Unit unit) { c(unit == Unit::Kv ? "UnitKv" : "UnitPu").setValue(true); }
  std::string Text(const char* box) { return c(box).text(); }
  // Old results that a refused step must not leave standing.
  void StaleResults() {
    for (const char* box : {"Ratio", "Factor", "Ucw"}) c(box).setText("9");
  }
  // The Ue2 typed on a range tab of the representative slow-front page, with
  // its unit option (the options exist once those tabs are built).
  void PreviousUe2(int slot, int puOption, int kvOption, Unit unit, const char* text) {
    const char* frame = slot == 68 ? "Range2Units" : "Range1Units";
    if (main().find(frame) == nullptr) main().create({.kind = Kind::Frame, .name = frame});
    for (int option : {puOption, kvOption})
      if (main().find("Option1", option) == nullptr)
        main().create({.kind = Kind::OptionButton, .name = "Option1", .index = option, .container = frame});
    c("Option1", unit == Unit::Pu ? puOption : kvOption).setValue(true);
    text1(slot).setText(text);
  }
  FactorOutcome PhaseToEarth(const char* ue2, Unit unit, double ups, const char* urp) {
    app().module1.gUps.Keep(ups, {});
    SetUnit(unit);
    c("Ue2").setText(ue2);
    c("Urp").setText(urp);
    return factors.CalculateKcdPhaseToEarth(kIntake);
  }
};

struct PhaseToEarthCase {
  const char* ue2;
  Unit unit;
  double ups;
  const char* ratio;
  const char* kcd;
  const char* ucw;
  double x;  // the per-unit Ue2 left for curve b
};

// Curve a, Urp 650 kV: below 0,7 the factor is 1,1, above 1,18 it is 1, and
// both bounds belong to the line 1,245 - 0,2083·r. 1000 kV is 2,9160592 pu.
constexpr PhaseToEarthCase kCurveA[] = {
    // 2 pu = 685,857 kV; 600/685,857 = 0,8748 held 0,87; 1,245 - 0,2083·0,87 =
    // 1,063779 held 1,06; Ucw as its box holds it: 650·1,06 = 689.
    {"2", Unit::Pu, 600, "0,87", "1,06", "689", 2},
    // 685,85 kV is 685,85·√3/√2/420 = 1,9999792 pu, not exactly 2.
    {"685,85", Unit::Kv, 600, "0,87", "1,06", "689", 1.9999792},
    {"1000", Unit::Kv, 690, "0,69", "1,1", "715", 2.9160592},
    {"1000", Unit::Kv, 700, "0,7", "1,09", "708,5", 2.9160592},   // 1,09919
    {"1000", Unit::Kv, 1180, "1,18", "0,99", "643,5", 2.9160592},  // 0,999206
    {"1000", Unit::Kv, 1189, "1,18", "0,99", "643,5", 2.9160592},  // 1,189 is held as 1,18
    {"1000", Unit::Kv, 1190, "1,19", "1", "650", 2.9160592},
};

TEST_F(FactorsTest, CurveAReadsTheRatioAsItsBoxHoldsItAndUcwTheFactor) {
  for (const PhaseToEarthCase& k : kCurveA) {
    SCOPED_TRACE(std::string(k.ue2) + " " + std::to_string(k.ups));
    EXPECT_EQ(PhaseToEarth(k.ue2, k.unit, k.ups, "650"), FactorOutcome::Written);
    EXPECT_EQ(Text("Ratio") + " " + Text("Factor") + " " + Text("Ucw"),
              std::string(k.ratio) + " " + k.kcd + " " + k.ucw);
    ASSERT_TRUE(factors.mUe2PuCw.Held());
    EXPECT_NEAR(factors.mUe2PuCw.Value(), k.x, 0.0000001);
  }
  EXPECT_EQ(factors.mUe2EnteredCw, "1000");
  EXPECT_TRUE(NoMoreMessages());
}

struct CurveBCase {
  SwitchingCase switching;
  double ups;
  const char* ratio;
  const char* kcd;
  const char* ucw;
};

// With x = 2 pu: Up2 = 685,857·1,6644 = 1141,5406 kV (re-energization) or
// 685,857·1,5422 = 1057,7289 kV (energization); r = 2·Ups/Up2; Urp 1200.
constexpr CurveBCase kCurveBCases[] = {
    {SwitchingCase::Reenergization, 450, "0,78", "1,03", "1236"},  // 0,78841; 1,225 - 0,25·0,78
    {SwitchingCase::Energization, 260, "0,49", "1,1", "1320"},     // 0,49162
    {SwitchingCase::Energization, 265, "0,50", "1,1", "1320"},     // 0,50107, the line at 0,5
    {SwitchingCase::Energization, 477, "0,90", "1", "1200"},       // 0,90193, the line at 0,9
    {SwitchingCase::Energization, 482, "0,91", "1", "1200"},       // 0,91139
};

TEST_F(FactorsTest, CurveBMeetsItsConstantsOnTheLine) {
  PhaseToEarth("2", Unit::Pu, 600, "650");
  c("Urp").setText("1200");
  for (const CurveBCase& k : kCurveBCases) {
    SCOPED_TRACE(std::to_string(k.ups));
    app().module1.gUps.Keep(k.ups, {});
    EXPECT_EQ(factors.CalculateKcdPhaseToPhase(k.switching, kCurveB), FactorOutcome::Written);
    EXPECT_EQ(Text("Ratio") + " " + Text("Factor") + " " + Text("Ucw"),
              std::string(k.ratio) + " " + k.kcd + " " + k.ucw);
  }
  EXPECT_NEAR(factors.mUp2KvCw, 1057.7289, 0.0001);
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(FactorsTest, KcsDependsOnTheRiskAloneAndATypedFactorCountsAsItsBoxHoldsIt) {
  // Kcs = 0,731·R^-0,0492, Urp 740: 740·1,15 is 851, never 850,99.
  c("Urp").setText("740");
  for (const auto& [risk, kcs, ucw] : {std::tuple{"0,0001", "1,15", "851"}, {"0,0004", "1,07", "791,8"},
                                       {"1", "0,73", "540,2"}}) {
    c("Risk").setText(risk);
    EXPECT_EQ(factors.CalculateKcs({"Risk"}, {"Factor"}, {"Urp"}, {"Ucw"}), FactorOutcome::Written);
    EXPECT_EQ(Text("Factor") + " " + Text("Ucw"), std::string(kcs) + " " + ucw) << risk;
  }
  for (const auto& [urp, factor, ucw] : {std::tuple{"220", "1,1", "242"}, {"740", "1.15", "851"}}) {
    c("Urp").setText(urp);
    c("Factor").setText(factor);
    EXPECT_EQ(factors.WithstandVoltage({"Urp"}, {"Factor"}, {"Ucw"}), FactorOutcome::Written);
    EXPECT_EQ(Text("Ucw"), ucw) << urp << " x " << factor;
  }
}

// Refusals: the message of the step, the results it would write cleared, and
// the per-unit Ue2 of the last good calculation kept.
TEST_F(FactorsTest, AUe2OfZeroOrBelowIsRefusedByItsBoxsOwnCheck) {
  PhaseToEarth("2", Unit::Pu, 600, "650");
  for (const char* ue2 : {"0", "-2", "0,0"}) {
    StaleResults();
    EXPECT_EQ(PhaseToEarth(ue2, Unit::Pu, 600, "650"), FactorOutcome::Refused);
    EXPECT_EQ(TakeMessage(), "Enter a valid value | " + support::Padded("Invalid value", 34)) << ue2;
    EXPECT_EQ(Text("Ue2"), "");
    EXPECT_EQ(Text("Ratio") + Text("Factor") + Text("Ucw"), "");
  }
  EXPECT_EQ(factors.mUe2PuCw.Value(), 2.0);
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(FactorsTest, WhatCannotBeShownIsRefusedAndClearsTheResults) {
  PhaseToEarth("2", Unit::Pu, 600, "650");
  const std::string invalid = "Enter a valid value... | " + support::Padded("Invalid value", 33);
  struct Refused {
    const char* ue2;
    Unit unit;
    const char* urp;
    const char* ue2After;
  };
  for (const Refused& k : {Refused{"2,x", Unit::Pu, "650", ""},       // no number: the box is cleared
                           Refused{"1E-20", Unit::Kv, "650", "1E-20"},  // a ratio of 6E+22
                           Refused{"1E300", Unit::Pu, "650", "1E300"},  // Ue2 beyond a double in kV
                           Refused{"2", Unit::Pu, "999999", "2"}}) {    // Ucw 1099998,9 has seven digits
    StaleResults();
    EXPECT_EQ(PhaseToEarth(k.ue2, k.unit, 600, k.urp), FactorOutcome::Refused) << k.ue2;
    EXPECT_EQ(TakeMessage(), invalid) << k.ue2;
    EXPECT_EQ(Text("Ue2"), k.ue2After);
    EXPECT_EQ(Text("Ratio") + Text("Factor") + Text("Ucw"), "") << k.ue2;
  }
  EXPECT_EQ(factors.mUe2PuCw.Value(), 2.0);

  c("Urp").setText("740");
  for (const char* risk : {"0", "-1", "1E-300"}) {  // 1E-300 gives a Kcs of 4,2E+14
    StaleResults();
    c("Risk").setText(risk);
    EXPECT_EQ(factors.CalculateKcs({"Risk"}, {"Factor"}, {"Urp"}, {"Ucw"}), FactorOutcome::Refused);
    EXPECT_EQ(TakeMessage(), invalid) << risk;
    EXPECT_EQ(Text("Factor") + Text("Ucw"), "") << risk;
  }
  // A typed factor that makes the withstand zero or negative.
  for (const char* factor : {"0", "-1"}) {
    c("Factor").setText(factor);
    EXPECT_EQ(factors.WithstandVoltage({"Urp"}, {"Factor"}, {"Ucw"}), FactorOutcome::Refused);
    EXPECT_EQ(TakeMessage(), invalid) << factor;
  }
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(FactorsTest, NothingIsComputedForAnEmptyBoxOrWithoutAUnit) {
  StaleResults();
  EXPECT_EQ(PhaseToEarth("", Unit::Pu, 600, "650"), FactorOutcome::NotComputed);
  c("UnitPu").setValue(false);
  c("Ue2").setText("2.5");
  EXPECT_EQ(factors.CalculateKcdPhaseToEarth(kIntake), FactorOutcome::NotComputed);
  EXPECT_EQ(Text("Ue2"), "2,5");
  EXPECT_EQ(Text("Ratio") + Text("Factor") + Text("Ucw"), "999");
  EXPECT_FALSE(factors.HasUe2PerUnit());
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(FactorsTest, CurveBWithoutAPerUnitUe2OfThisRunIsRefused) {
  // The stage's factors: a phase-to-earth calculation, then a restart.
  CoordinationFactors& shared = program().stage<coordination::Stage>().page<coordination::SlowFrontTabs>().factors();
  app().module1.gUps.Keep(600, {});
  SetUnit(Unit::Pu);
  c("Ue2").setText("2");
  c("Urp").setText("650");
  ASSERT_EQ(shared.CalculateKcdPhaseToEarth(kIntake), FactorOutcome::Written);
  EXPECT_TRUE(shared.HasUe2PerUnit());
  click("Command21", 0);  // "<< Back" of the temporary-overvoltage page restarts
  EXPECT_FALSE(shared.HasUe2PerUnit());
  CreateTabBoxes();

  EXPECT_FALSE(factors.HasUe2PerUnit());
  StaleResults();
  EXPECT_EQ(factors.CalculateKcdPhaseToPhase(SwitchingCase::Energization, kCurveB), FactorOutcome::Refused);
  EXPECT_EQ(TakeMessage(), "Enter a valid value... | " + support::Padded("Invalid value", 33));
  EXPECT_EQ(Text("Ratio") + Text("Factor") + Text("Ucw"), "");
}

struct NoticeCase {
  const char* range2;  // Text1(68) and its unit
  Unit range2Unit;
  const char* range1;  // Text1(51) and its unit
  Unit range1Unit;
  const char* typed;
  Unit unit;
  const char* notice;  // "" for none
};

constexpr NoticeCase kNotices[] = {
    {"2,5", Unit::Pu, "", Unit::Pu, "2.5", Unit::Pu, "Previously entered value is 2,5 pu "},
    {"2,5", Unit::Pu, "", Unit::Pu, "2,5", Unit::Pu, ""},   // the same text
    {"2,5", Unit::Kv, "", Unit::Pu, "3", Unit::Pu, ""},     // other units
    {"857", Unit::Kv, "2,5", Unit::Pu, "2,5", Unit::Pu, ""},  // Range II wins, in kV
    {"", Unit::Pu, "2,50", Unit::Pu, "2,5", Unit::Pu, "Previously entered value is 2,50 pu "},
    {"", Unit::Pu, "700", Unit::Kv, "685,85", Unit::Kv, "Previously entered value is 700 kV "},
    {"", Unit::Pu, "", Unit::Pu, "2", Unit::Pu, ""},         // nothing entered before
};

TEST_F(FactorsTest, TheNoticeComparesTheTextsOfTheSameUnitAsTheyStand) {
  for (const NoticeCase& k : kNotices) {
    SCOPED_TRACE(std::string(k.range2) + "/" + k.range1 + "/" + k.typed);
    PreviousUe2(68, 62, 63, k.range2Unit, k.range2);
    PreviousUe2(51, 65, 64, k.range1Unit, k.range1);
    EXPECT_EQ(PhaseToEarth(k.typed, k.unit, 600, "650"), FactorOutcome::Written);
    if (*k.notice != '\0') {
      EXPECT_EQ(TakeMessage(), std::string(k.notice) + " | Value different than the one entered before");
    }
    EXPECT_TRUE(NoMoreMessages());
    EXPECT_EQ(factors.mUe2EnteredCw, k.typed);
    const char* previous = *k.range2 != '\0' ? k.range2 : *k.range1 != '\0' ? k.range1 : k.typed;
    EXPECT_EQ(factors.mUe2PreviousEntry, previous);
    // The notice only informs: the calculation goes on with the typed value, its dot now a comma.
    std::string typed = k.typed;
    std::replace(typed.begin(), typed.end(), '.', ',');
    EXPECT_EQ(Text("Ue2"), typed);
  }
}

TEST_F(FactorsTest, TheNoticeComesBeforeTheRefusalOfAValueThatIsNoNumber) {
  PreviousUe2(68, 62, 63, Unit::Pu, "2,5");
  EXPECT_EQ(PhaseToEarth("2,5x", Unit::Pu, 600, "650"), FactorOutcome::Refused);
  EXPECT_EQ(TakeMessage(), "Previously entered value is 2,5 pu  | Value different than the one entered before");
  EXPECT_EQ(TakeMessage(), "Enter a valid value... | " + support::Padded("Invalid value", 33));
  EXPECT_EQ(Text("Ue2"), "");
}

}  // namespace
