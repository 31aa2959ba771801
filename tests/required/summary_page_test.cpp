// What the scenarios cannot state of the required-withstand page flow: the
// conversion strips' accepts, whose results come from calculations that
// are not in the program yet (they are written in here), and which texts
// a "Next >>" takes as given in each range.

#include <gtest/gtest.h>

#include <string>

#include "frame/page_rule.hpp"
#include "required/slots.hpp"
#include "support/driver.hpp"

namespace {

using namespace required;

class SummaryPageTest : public ::testing::Test, protected support::Driver {
 protected:
  // The conversion page of the stage, opened as the pages before it open it.
  void OpenConversionPage(const char* um) {
    StartWithUm(um);
    frame::OpenPage(c("tabGeneral"), 2);
    frame::OpenPage(c("SSTab1", 6), 3);
  }
  std::string Texts(std::initializer_list<int> slots) {
    std::string s;
    for (int slot : slots) s += text1(slot).text() + "|";
    return s;
  }
};

TEST_F(SummaryPageTest, TheSiwAcceptCopiesTheFourResultsIntoTheSummaryInRange2) {
  OpenConversionPage("420");
  click("Command25", 18);
  EXPECT_TRUE(c("SSTab1", 10).visible());
  EXPECT_FALSE(c("SSTab1", 11).visible());
  EXPECT_FALSE(c("Command29", 30).enabled());
  text1(SiwPeIntCalc).setText("1050");
  EXPECT_FALSE(c("Command29", 30).enabled());
  text1(SiwPpIntCalc).setText("1575");
  ASSERT_TRUE(c("Command29", 30).enabled());
  click("Command29", 30);
  text1(SiwPeExtCalc).setText("987,5");
  text1(SiwPpExtCalc).setText("1480");
  ASSERT_TRUE(c("Command29", 32).enabled());
  click("Command29", 32);
  EXPECT_EQ(Texts({SiwPeInt, SiwPpInt, SiwPeExt, SiwPpExt}), "1050|1575|987,5|1480|");
  for (int label = 163; label <= 172; ++label) EXPECT_TRUE(c("Label4", label).visible()) << label;
  EXPECT_TRUE(text1(SiwPpExt).visible());
  EXPECT_FALSE(c("SSTab1", 10).visible());
  EXPECT_EQ(c("Command25", 18).caption(), "RE-CALCULATE");
  EXPECT_TRUE(c("Command21", 31).enabled());
  // The SDW and LIW of the other range stay as they were.
  EXPECT_FALSE(c("Label4", 173).visible());
  EXPECT_FALSE(text1(SdwPeInt).visible());
}

TEST_F(SummaryPageTest, TheSdwLiwAcceptFillsBothSummariesInRange1AndItsButtonsWaitForLiw) {
  OpenConversionPage("123");
  click("Command25", 18);
  EXPECT_TRUE(c("SSTab1", 11).visible());
  EXPECT_FALSE(c("SSTab1", 10).visible());
  text1(SdwPeIntCalc).setText("230");
  text1(SdwPpIntCalc).setText("360");
  EXPECT_FALSE(c("Command29", 34).enabled());
  text1(LiwPeIntCalc).setText("550");
  text1(LiwPpIntCalc).setText("650");
  ASSERT_TRUE(c("Command29", 34).enabled());
  click("Command29", 34);
  text1(SdwPeExtCalc).setText("185");
  text1(SdwPpExtCalc).setText("290");
  text1(LiwPeExtCalc).setText("450");
  EXPECT_FALSE(c("Command29", 36).enabled());
  text1(LiwPpExtCalc).setText("520");
  ASSERT_TRUE(c("Command29", 36).enabled());
  click("Command29", 36);
  EXPECT_EQ(Texts({SdwPeInt, SdwPpInt, SdwPeExt, SdwPpExt}), "230|360|185|290|");
  EXPECT_EQ(Texts({LiwPeInt, LiwPpInt, LiwPeExt, LiwPpExt}), "550|650|450|520|");
  for (int label = 173; label <= 192; ++label) EXPECT_TRUE(c("Label4", label).visible()) << label;
  EXPECT_FALSE(c("SSTab1", 11).visible());
  EXPECT_TRUE(c("Command21", 31).enabled());
  // A cleared value takes the page's "Next >>" back.
  text1(LiwPpExt).setText("");
  EXPECT_FALSE(c("Command21", 31).enabled());
}

// A page's "Next >>" takes a value only when a later page can read it: a
// number, or "Ignored" for the external fast-front value in Range II.
struct NextCase {
  const char* um;
  const char* internal;
  const char* external;
  bool enabled;
};

class FastFrontNextTest : public SummaryPageTest, public ::testing::WithParamInterface<NextCase> {};

TEST_P(FastFrontNextTest, NextTakesOnlyValuesALaterPageCanRead) {
  const NextCase& k = GetParam();
  StartWithUm(k.um);
  text1(UrwFfPeInt).setText(k.internal);
  text1(UrwFfPpInt).setText(k.internal);
  text1(UrwFfPeExt).setText(k.external);
  text1(UrwFfPpExt).setText(k.external);
  EXPECT_EQ(c("Command21", 30).enabled(), k.enabled);
}

INSTANTIATE_TEST_SUITE_P(Cases, FastFrontNextTest,
                         ::testing::Values(NextCase{"420", "1516,2", "1401,4", true},
                                           NextCase{"420", "1516,2", "Ignored", true},
                                           NextCase{"123", "416,8", "Ignored", false},
                                           NextCase{"420", "Ignored", "1401,4", false},
                                           NextCase{"420", "1516,2", "", false},
                                           NextCase{"420", "1516,2", "Igno", false},
                                           NextCase{"123", "416,8", "552,5", true}));

TEST_F(SummaryPageTest, TheExternalFastFrontUnitsStandOnlyBesideAValue) {
  StartWithUm("420");
  for (const auto& [slot, unit] : {std::pair{UrwFfPeExt, 152}, std::pair{UrwFfPpExt, 150}}) {
    text1(slot).setText("1401,4");
    EXPECT_TRUE(c("Label4", unit).visible()) << slot;
    text1(slot).setText("Ignored");
    EXPECT_FALSE(c("Label4", unit).visible()) << slot;
    text1(slot).setText("552,5");
    text1(slot).setText("");
    EXPECT_FALSE(c("Label4", unit).visible()) << slot;
  }
}

}  // namespace
