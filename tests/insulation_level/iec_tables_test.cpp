// The standard tables against the values of the standard, row by row where a
// search depends on the order, and the level searches on requirements worked
// out by hand from the tables.

#include "insulation_level/iec_tables.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>

#include "insulation_level/level_search.hpp"

namespace {

using namespace insulation_level;

// The five tables as the standard prints them, row by row, written down
// from the standard's pages rather than from the columns above: a slip in
// any one cell of the program's tables shows here.
constexpr std::array<std::array<double, 3>, 29> kRange1{{
    {3.6, 10, 20}, {3.6, 10, 40}, {7.2, 20, 40}, {7.2, 20, 60}, {12, 28, 60},
    {12, 28, 75}, {12, 28, 95}, {17.5, 38, 75}, {17.5, 38, 95}, {24, 50, 95},
    {24, 50, 125}, {24, 50, 145}, {36, 70, 145}, {36, 70, 170}, {52, 95, 250},
    {72.5, 140, 325}, {123, 185, 450}, {123, 230, 550}, {145, 185, 450}, {145, 230, 550},
    {145, 275, 650}, {170, 230, 550}, {170, 275, 650}, {170, 325, 750}, {245, 275, 650},
    {245, 325, 750}, {245, 360, 850}, {245, 395, 950}, {245, 460, 1050}
}};
constexpr std::array<std::array<double, 4>, 26> kRange2{{
    {300, 750, 1125, 850}, {300, 750, 1125, 950}, {300, 850, 1275, 950}, {300, 850, 1275, 1050}, {362, 850, 1275, 950},
    {362, 850, 1275, 1050}, {362, 950, 1425, 1050}, {362, 950, 1425, 1175}, {420, 850, 1360, 1050}, {420, 850, 1360, 1175},
    {420, 950, 1425, 1175}, {420, 950, 1425, 1300}, {420, 1050, 1575, 1300}, {420, 1050, 1575, 1425}, {525, 950, 1615, 1175},
    {525, 950, 1615, 1300}, {525, 1050, 1680, 1300}, {525, 1050, 1680, 1425}, {525, 1175, 1763, 1425}, {525, 1175, 1763, 1550},
    {765, 1300, 2210, 1675}, {765, 1300, 2210, 1800}, {765, 1425, 2423, 1800}, {765, 1425, 2423, 1950}, {765, 1550, 2480, 1950},
    {765, 1550, 2480, 2100}
}};
constexpr std::array<std::array<double, 3>, 25> kA1{{
    {20, 60, 0}, {40, 60, 0}, {60, 90, 0}, {75, 120, 0}, {95, 160, 0},
    {125, 220, 0}, {145, 270, 0}, {170, 320, 0}, {250, 480, 0}, {325, 630, 0},
    {450, 900, 0}, {550, 1100, 0}, {650, 1300, 0}, {750, 1500, 0}, {850, 1700, 1600},
    {950, 1900, 1700}, {1050, 2100, 1900}, {1175, 2350, 2200}, {1300, 2600, 2400}, {1425, 2850, 2600},
    {1550, 3100, 2900}, {1675, 3350, 3100}, {1800, 3600, 3300}, {1950, 3900, 3600}, {2100, 4200, 3900}
}};
constexpr std::array<std::array<double, 3>, 8> kA2{{
    {750, 1600, 1900}, {850, 1800, 2400}, {950, 2200, 2900}, {1050, 2600, 3400}, {1175, 3100, 4100},
    {1300, 3600, 4800}, {1425, 4200, 5600}, {1550, 4900, 6400}
}};
constexpr std::array<std::array<double, 4>, 11> kA3{{
    {750, 1125, 2300, 2600}, {850, 1275, 2600, 3100}, {850, 1360, 2900, 3400}, {950, 1425, 3100, 3600}, {950, 1615, 3700, 4300},
    {1050, 1575, 3600, 4200}, {1050, 1680, 3900, 4600}, {1175, 1763, 4200, 5000}, {1300, 2210, 6100, 7400}, {1425, 2423, 7200, 9000},
    {1550, 2480, 7600, 9400}
}};

// Each cell of a table against its column in the program, named by table, row and column.
template <std::size_t Rows, std::size_t Columns>
void ExpectEveryCell(const char* table, const std::array<std::array<double, Columns>, Rows>& standard,
                     const std::array<const std::array<double, Rows>*, Columns>& program) {
  for (std::size_t row = 0; row < Rows; ++row)
    for (std::size_t column = 0; column < Columns; ++column)
      EXPECT_DOUBLE_EQ((*program[column])[row], standard[row][column])
          << table << ", row " << row << ", column " << column;
}

TEST(IecTables, EveryCellIsTheStandardsValue) {
  ExpectEveryCell("Range I levels", kRange1, {&gRange1Um, &gRange1Sdw, &gRange1Liw});
  ExpectEveryCell("Range II levels", kRange2, {&gRange2Um, &gRange2SiwPe, &gRange2SiwPp, &gRange2Liw});
  ExpectEveryCell("A.1", kA1, {&gA1Liw, &gA1RodStructure, &gA1ConductorStructure});
  ExpectEveryCell("A.2", kA2, {&gA2SiwPe, &gA2ConductorStructure, &gA2RodStructure});
  ExpectEveryCell("A.3", kA3, {&gA3SiwPe, &gA3SiwPp, &gA3ConductorConductor, &gA3RodConductor});
}

template <std::size_t N>
bool Ascending(const std::array<double, N>& column) {
  return std::is_sorted(column.begin(), column.end());
}

TEST(IecTables, RangeOneLevelsAreOrderedByUmThenShortDurationThenLightning) {
  EXPECT_TRUE(Ascending(gRange1Um));
  for (std::size_t i = 1; i < kRange1Rows; ++i) {
    if (gRange1Um[i] != gRange1Um[i - 1]) continue;
    EXPECT_LE(gRange1Sdw[i - 1], gRange1Sdw[i]) << "row " << i;
    if (gRange1Sdw[i] == gRange1Sdw[i - 1]) {
      EXPECT_LT(gRange1Liw[i - 1], gRange1Liw[i]) << "row " << i;
    }
  }
  // The fractional Um of the first rows, and the last rows of 245 kV.
  EXPECT_DOUBLE_EQ(gRange1Um[0], 3.6);
  EXPECT_DOUBLE_EQ(gRange1Um[3], 7.2);
  EXPECT_DOUBLE_EQ(gRange1Um[8], 17.5);
  EXPECT_DOUBLE_EQ(gRange1Um[15], 72.5);
  EXPECT_EQ((std::array{gRange1Um[16], gRange1Sdw[16], gRange1Liw[16]}), (std::array<double, 3>{123, 185, 450}));
  EXPECT_EQ((std::array{gRange1Um[28], gRange1Sdw[28], gRange1Liw[28]}), (std::array<double, 3>{245, 460, 1050}));
  EXPECT_EQ((std::array{gRange1Um[20], gRange1Sdw[20], gRange1Liw[20]}), (std::array<double, 3>{145, 275, 650}));
}

TEST(IecTables, RangeTwoLevelsStandTwicePerLightningLevel) {
  EXPECT_TRUE(Ascending(gRange2Um));
  EXPECT_EQ((std::array{gRange2Um[0], gRange2SiwPe[0], gRange2SiwPp[0], gRange2Liw[0]}),
            (std::array<double, 4>{300, 750, 1125, 850}));
  EXPECT_EQ((std::array{gRange2Um[8], gRange2SiwPe[8], gRange2SiwPp[8], gRange2Liw[8]}),
            (std::array<double, 4>{420, 850, 1360, 1050}));
  EXPECT_EQ((std::array{gRange2Um[25], gRange2SiwPe[25], gRange2SiwPp[25], gRange2Liw[25]}),
            (std::array<double, 4>{765, 1550, 2480, 2100}));
  for (std::size_t i = 0; i < kRange2Rows; i += 2) {
    EXPECT_EQ(gRange2Um[i], gRange2Um[i + 1]) << "row " << i;
    EXPECT_EQ(gRange2SiwPe[i], gRange2SiwPe[i + 1]) << "row " << i;
    EXPECT_EQ(gRange2SiwPp[i], gRange2SiwPp[i + 1]) << "row " << i;
    EXPECT_LT(gRange2Liw[i], gRange2Liw[i + 1]) << "row " << i;
  }
}

TEST(IecTables, ClearanceTablesKeepTheStandardsOrder) {
  EXPECT_TRUE(Ascending(gA1Liw));
  EXPECT_TRUE(Ascending(gA1RodStructure));
  EXPECT_TRUE(Ascending(gA2SiwPe));
  EXPECT_TRUE(Ascending(gA3SiwPe));
  // No conductor-structure clearance up to 750 kV, then from 1600 mm on.
  EXPECT_EQ(std::count(gA1ConductorStructure.begin(), gA1ConductorStructure.end(), 0.0), 14);
  EXPECT_EQ(gA1ConductorStructure[14], 1600);
  EXPECT_EQ((std::array{gA1Liw[24], gA1RodStructure[24], gA1ConductorStructure[24]}),
            (std::array<double, 3>{2100, 4200, 3900}));
  EXPECT_EQ((std::array{gA2SiwPe[7], gA2ConductorStructure[7], gA2RodStructure[7]}),
            (std::array<double, 3>{1550, 4900, 6400}));
  // The phase-to-phase level falls from row 4 to row 5.
  EXPECT_EQ((std::array{gA3SiwPp[4], gA3SiwPp[5], gA3SiwPp[6]}), (std::array<double, 3>{1615, 1575, 1680}));
  EXPECT_EQ((std::array{gA3ConductorConductor[10], gA3RodConductor[10]}), (std::array<double, 2>{7600, 9400}));
  // Every switching level of the table above 245 kV has its clearance.
  for (double siw : gRange2SiwPe) EXPECT_NE(std::find(gA2SiwPe.begin(), gA2SiwPe.end(), siw), gA2SiwPe.end()) << siw;
}

struct Range2Case {
  double pe, pp;
  std::optional<double> liw;
  std::size_t row;
  bool specialTest;
};

TEST(LevelSearch, RangeTwoTakesTheFirstRowMeetingAllThree) {
  const Range2Case cases[] = {
      {800, 1200, 900, 2, false},    // row 4 has the same switching levels, row 2 comes first
      {820, 1300, 1000, 6, false},   // rows 2 to 5 fail phase to phase
      {850, 1275, 950, 2, false},    // equal values fit
      {750, 1125, 850, 0, false},
      {1551, 0, 0, 25, true},        // above every phase-to-earth level
      {0, 2481, 0, 25, true},        // above every phase-to-phase level
      {1000, 1500, 2200, 25, true},  // the lightning level is above every row that fits
      {900, 1300, std::nullopt, 6, false},
      {1550, 2480, 2100, 25, false},
      {1500, 2400, 1900, 24, false},
  };
  for (const Range2Case& c : cases) {
    IecFits fits;
    const Range2Level level = SearchRange2Level(c.pe, c.pp, c.liw, fits);
    EXPECT_EQ(level.row, c.row) << c.pe << " " << c.pp;
    EXPECT_EQ(level.specialTest, c.specialTest) << c.pe << " " << c.pp;
  }
}

TEST(LevelSearch, RangeTwoMarksEveryRowOfEachTest) {
  IecFits fits;
  fits.gRange2LiwFits.fill(1.0);
  SearchRange2Level(820, 1300, 1000, fits);
  // Phase to earth 820: every row but the two of 750 kV.
  EXPECT_EQ(std::count(fits.gRange2SiwPeFits.begin(), fits.gRange2SiwPeFits.end(), 1), 24);
  EXPECT_EQ(fits.gRange2SiwPpFits[5], 0);
  EXPECT_EQ(fits.gRange2SiwPpFits[6], 1);
  EXPECT_EQ(fits.gRange2LiwFits[0], 0.0);
  EXPECT_EQ(fits.gRange2LiwFits[6], 1.0);
}

struct Range1Case {
  double liw, sdw;
  double expectedSdw, expectedLiw;
  bool specialTest;
};

TEST(LevelSearch, RangeOneTakesTheFirstRowMeetingBoth) {
  const Range1Case cases[] = {
      {600, 240, 275, 650, false},
      {650, 275, 275, 650, false},   // equal values fit
      {30, 25, 28, 60, false},       // the first row meeting both, not the lowest lightning level
      {1000, 300, 460, 1050, false},
      {1000, 470, 460, 1050, true},  // the lightning level fits, no short-duration level does
      {1100, 0, 460, 1175, true},    // above the table: the lightning levels above 245 kV
      {1301, 999, 460, 1425, true},
      {2200, 0, 460, 2100, true},
      {0, 0, 10, 20, false},
  };
  for (const Range1Case& c : cases) {
    IecFits fits;
    const Range1Level level = SearchRange1Level(c.liw, c.sdw, fits);
    EXPECT_EQ(level.sdw, c.expectedSdw) << c.liw << " " << c.sdw;
    EXPECT_EQ(level.liw, c.expectedLiw) << c.liw << " " << c.sdw;
    EXPECT_EQ(level.specialTest, c.specialTest) << c.liw << " " << c.sdw;
  }
}

TEST(LevelSearch, RangeOneLeavesTheMarksAboveItsTableAloneWhileItsTableServes) {
  IecFits fits;
  fits.gRange2LiwFits.fill(1.0);
  SearchRange1Level(600, 240, fits);
  EXPECT_EQ(std::count(fits.gRange2LiwFits.begin(), fits.gRange2LiwFits.end(), 1.0), 26);
  SearchRange1Level(1100, 0, fits);
  EXPECT_EQ(fits.gRange2LiwFits[8], 0.0);   // 1050
  EXPECT_EQ(fits.gRange2LiwFits[7], 1.0);   // 1175
  EXPECT_EQ(std::count(fits.gRange1LiwFits.begin(), fits.gRange1LiwFits.end(), 1), 0);
}

TEST(LevelSearch, MinimumLightningLevel) {
  const std::pair<double, std::optional<double>> cases[] = {
      {400, 450}, {900, 950}, {1050, 1050}, {1100, 1175}, {1200, 1300}, {2100, 2100}, {2200, std::nullopt},
  };
  for (const auto& [requirement, level] : cases) EXPECT_EQ(MinimumStandardLiw(requirement), level) << requirement;
}

}  // namespace
