// The clearance searches, read from the clearance tables by hand: the first
// row that fits wins, a requirement beyond a table asks for a special test.

#include <gtest/gtest.h>

#include "insulation_level/clearance_search.hpp"
#include "insulation_level/level_search.hpp"

namespace {

using namespace insulation_level;

struct Case {
  double siwPp, requirement;
  double rod, conductor;
  bool specialTest;
};

TEST(ClearanceTables, PhaseToEarthAbove245kVBySwitchingLevel) {
  const Case cases[] = {
      {0, 1050, 3400, 2600, false}, {0, 750, 1900, 1600, false},  {0, 1100, 4100, 3100, false},
      {0, 1550, 6400, 4900, false}, {0, 1550.1, 6400, 4900, true}, {0, 100, 1900, 1600, false},
  };
  IecFits fits;
  for (const Case& k : cases) {
    const ClearanceFound rod = SearchTableA2(k.requirement, gA2RodStructure, fits);
    const ClearanceFound conductor = SearchTableA2(k.requirement, gA2ConductorStructure, fits);
    EXPECT_EQ(rod.mm, k.rod) << k.requirement;
    EXPECT_EQ(conductor.mm, k.conductor) << k.requirement;
    EXPECT_EQ(rod.specialTest, k.specialTest) << k.requirement;
    EXPECT_EQ(conductor.specialTest, k.specialTest) << k.requirement;
  }
  // The rows passed are marked up to the one that fits; those after it keep their marks.
  fits.gA2Fits.fill(7);
  SearchTableA2(1100, gA2RodStructure, fits);
  EXPECT_EQ(fits.gA2Fits, (std::array<short, kA2Rows>{0, 0, 0, 0, 1, 7, 7, 7}));
}

TEST(ClearanceTables, Up245kVByLightningLevelWithNoZeroClearance) {
  const Case cases[] = {
      {0, 700, 1500, 1600, false},   // no conductor-structure value up to 750 kV: the first row with one
      {0, 600, 1300, 1600, false},  {0, 850, 1700, 1600, false},  {0, 1200, 2600, 2400, false},
      {0, 900, 1900, 1700, false},  {0, 2100, 4200, 3900, false}, {0, 2200, 4200, 3900, true},
      {0, 20, 60, 1600, false},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(SearchTableA1(k.requirement, gA1RodStructure).mm, k.rod) << k.requirement;
    EXPECT_EQ(SearchTableA1(k.requirement, gA1ConductorStructure).mm, k.conductor) << k.requirement;
    EXPECT_EQ(SearchTableA1(k.requirement, gA1RodStructure).specialTest, k.specialTest) << k.requirement;
    EXPECT_EQ(SearchTableA1(k.requirement, gA1ConductorStructure).specialTest, k.specialTest) << k.requirement;
  }
}

TEST(ClearanceTables, PhaseToPhaseAbove245kVByBothSwitchingLevels) {
  const Case cases[] = {
      {1425, 900, 3600, 3100, false},   // rows 3 to 10 pass phase to phase, row 3 phase to earth
      {1275, 1000, 4200, 3600, false},  // rows 1 to 4 fail phase to earth
      {1615, 950, 4300, 3700, false},   // row 5 of 1575 kV fails phase to phase, row 4 fits
      {1125, 750, 2600, 2300, false},   {1575, 1000, 4200, 3600, false},
      {1425, 1600, 9400, 7600, true},   {2480, 1550, 9400, 7600, false},
  };
  IecFits fits;
  for (const Case& k : cases) {
    const ClearanceFound rod = SearchTableA3(k.siwPp, k.requirement, gA3RodConductor, fits);
    EXPECT_EQ(rod.mm, k.rod) << k.siwPp << " " << k.requirement;
    EXPECT_EQ(rod.specialTest, k.specialTest) << k.siwPp << " " << k.requirement;
    EXPECT_EQ(SearchTableA3(k.siwPp, k.requirement, gA3ConductorConductor, fits).mm, k.conductor) << k.siwPp;
  }
  SearchTableA3(1600, 1000, gA3RodConductor, fits);
  EXPECT_EQ(fits.gA3PpFits, (std::array<short, kA3Rows>{0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(fits.gA3PeFits, (std::array<short, kA3Rows>{0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1}));
}

}  // namespace
