// The way from the standard-insulation-level page to the results and the
// tables it fills: every cell its source cut to four characters with " kV",
// the words of ignored fast-front values left out, the halves of the
// phase-to-phase switching levels, and the sources left as they were, for
// values no road of the procedure leaves: decimals, words, exponent forms.
// The page switch, the date and the cells of the roads' values stand in
// tests/scenarios/level_results.scn, the ways back from the page in
// tests/scenarios/level_ways_back.scn.

#include <gtest/gtest.h>

#include "insulation_level/slots.hpp"
#include "level_page_fixture.hpp"
#include "required/slots.hpp"

namespace {

using namespace insulation_level;
using level_test::LevelPageTest;
using level_test::Summary;

// Sources of the Urp, Ucw and Urw rows and the conversions, as earlier pages leave them.
constexpr Summary kEarlierPages{
    {60, "99,96"},          {62, "1234,5"},        {61, "12345"},        {63, ""},
    {77, "Ignored"},        {78, "Ignored"},       {101, "420,5"},       {100, "700"},
    {103, "1050"},          {105, "12,345"},       {102, "980,12"},      {104, "1,5"},
    {139, "1500"},          {137, "Ignored"},      {required::UrwTovPeInt, "500"}, {required::UrwTovPeExt, "510"},
    {required::UrwTovPpInt, "520"},   {required::UrwTovPpExt, "530"},
};

class ResultsTest : public LevelPageTest {
 protected:
  void EnterTov() {
    c("txtTOVpe").setText("363,73");
    c("txtTOVpp").setText("630");
    Write(kEarlierPages);
  }
  // The cells first to last, joined with "|".
  std::string Cells(int first, int last) const {
    std::string s;
    for (int i = first; i <= last; ++i) s += text1(i).text() + "|";
    return s;
  }
  std::string CellsDown(int first, int last) const {
    std::string s;
    for (int i = first; i >= last; --i) s += text1(i).text() + "|";
    return s;
  }
};

TEST_F(ResultsTest, RangeTwoFillsItsTableFromEveryPage) {
  StartWithUm("420");
  EnterTov();
  Write({{required::UrwSfPeInt, "800"}, {required::SiwPeInt, "820"}, {required::UrwSfPpInt, "1250"}, {required::SiwPpInt, "1300"}, {required::UrwFfPpInt, "1000"},
         {required::UrwSfPeExt, "850"}, {required::SiwPeExt, "800"}, {required::UrwSfPpExt, "1250"}, {required::SiwPpExt, "1275"}, {required::UrwFfPpExt, "Ignored"}});
  OpenLevelPage();
  Run(frame::Command29Click, 39);
  Choose(89);  // 850 / 1275, lightning ignored: row 2
  Run(frame::Command29Click, 40);

  EXPECT_EQ(Cells(258, 267), "363 kV|363 kV|630 kV|630 kV|99,9 kV|1234 kV|12345 kV| kV|||");
  EXPECT_EQ(Cells(268, 277), "420 kV|420 kV|700 kV|700 kV|1050 kV|12,3 kV|980 kV|1,5 kV|1500 kV||");
  EXPECT_EQ(Cells(278, 287), "500 kV|510 kV|520 kV|530 kV|800 kV|850 kV|1250 kV|1250 kV|1000 kV||");
  EXPECT_EQ(Cells(288, 297), "820 kV|800 kV|1300 kV|1275 kV|||||||");
  // Internal 950 / 1425 / 1050, external 850 / 1275 / 950; the slow-front columns repeat the temporary ones.
  EXPECT_EQ(Cells(298, 307),
            "950 kV|850 kV|712,5 kV|637,5 kV|950 kV|850 kV|712,5 kV|637,5 kV|1050 kV|950 kV|");
  EXPECT_EQ(Cells(308, 309), "2222222|2222222|");

  // The pages behind keep their values whole.
  EXPECT_EQ(c("txtTOVpe").text(), "363,73");
  EXPECT_EQ(Texts({60, 77, 137, required::UrwFfPpExt, 105}), "99,96|Ignored|Ignored|Ignored|12,345|");
  EXPECT_TRUE(NoMoreMessages());
}

TEST_F(ResultsTest, TheHalvesOfTheHighestLevelsAndAnExponentFormKeepTheirWholeText) {
  StartWithUm("765");
  EnterTov();
  Write({{required::UrwSfPeInt, "1400"}, {required::SiwPeInt, "0"}, {required::UrwSfPpInt, "2400"}, {required::SiwPpInt, "0"}, {required::UrwFfPpInt, "1800"},
         {required::UrwSfPeExt, "1550"}, {required::SiwPeExt, "0"}, {required::UrwSfPpExt, "2480"}, {required::SiwPpExt, "0"}, {required::UrwFfPpExt, "1,5E+20"}});
  OpenLevelPage();
  Run(frame::Command29Click, 39);
  Choose(89);
  Run(frame::Command29Click, 40);
  // 1425 / 2423 / 1800 and 1550 / 2480 / 2100: half of 2423 takes nine characters with its unit.
  EXPECT_EQ(Cells(298, 307),
            "1425 kV|1550 kV|1211,5 kV|1240 kV|1425 kV|1550 kV|1211,5 kV|1240 kV|1800 kV|2100 kV|");
  // A requirement beyond every row, in exponent form: a cut would make it 1 kV.
  EXPECT_EQ(text1(287).text(), "1,5E+20 kV");
}

TEST_F(ResultsTest, RangeOneFillsItsTableFromEveryPage) {
  StartWithUm("123");
  EnterTov();
  Write({{required::UrwFfPpInt, "580"}, {required::LiwPpInt, "600"}, {required::UrwFfPeInt, "400"}, {required::LiwPeInt, "380"}, {required::UrwFfPpExt, "700"},
         {required::LiwPpExt, "651"}, {required::LiwPeExt, "651"}, {required::UrwFfPeExt, "500"}, {required::SdwPpInt, "230,75"}, {required::SdwPeInt, "0"},
         {required::SdwPpExt, "150"}, {required::SdwPeExt, "180.5"}, {required::UrwSfPeInt, "300"}, {required::UrwSfPeExt, "310"}, {required::UrwSfPpInt, "320"},
         {required::UrwSfPpExt, "330"}, {required::UrwTovPpInt, "240"}, {required::UrwTovPpExt, "200"}});
  text1(77).setText("800");
  text1(78).setText("800");
  OpenLevelPage();
  Choose(86);  // internal 600 / 240: row 20; external 700 / 200: row 23
  EXPECT_EQ(Texts({SdwIntSelected, LiwIntSelected, SdwExtSelected, LiwExtSelected}), "275|650|325|750|");
  Run(frame::Command21Click, 33);

  EXPECT_EQ(CellsDown(337, 328), "363 kV|363 kV|630 kV|630 kV|99,9 kV|1234 kV|12345 kV| kV|800 kV|800 kV|");
  EXPECT_EQ(CellsDown(327, 318), "420 kV|420 kV|700 kV|700 kV|1050 kV|12,3 kV|980 kV|1,5 kV|1500 kV||");
  EXPECT_EQ(CellsDown(317, 308), "500 kV|510 kV|240 kV|200 kV|300 kV|310 kV|320 kV|330 kV|580 kV|700 kV|");
  EXPECT_EQ(CellsDown(345, 342), "0 kV|180 kV|230 kV|150 kV|");
  EXPECT_EQ(CellsDown(341, 338), "380 kV|651 kV|600 kV|651 kV|");
  EXPECT_EQ(Cells(258, 259), "2222222|2222222|");
  EXPECT_EQ(Texts({required::SdwPeExt}), "180.5|");
}

// The header labels of each table are numbered on from the other's.
TEST_F(ResultsTest, EachTableHasItsOwnHeaderLabels) {
  Start();
  const auto table = [this](int label) { return c("Label74", label).container(); };
  for (int label = 0; label <= 36; ++label) EXPECT_EQ(table(label), &c("SSTab1", 13)) << label;
  for (int label = 37; label <= 71; ++label) EXPECT_EQ(table(label), &c("SSTab1", 14)) << label;
  EXPECT_EQ(main().find("Label74", 72), nullptr);
  EXPECT_EQ(c("Label74", 35).caption(), "Switching impulse");
  EXPECT_EQ(c("Label74", 70).caption(), "Short-duration power-frequency");
}

}  // namespace
