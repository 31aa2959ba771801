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
