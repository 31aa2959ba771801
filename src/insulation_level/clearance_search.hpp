#pragma once
// The minimum air clearances looked up in the clearance tables. As for the
// levels, a row fits when its withstand voltage is at least the requirement
// and the first row that fits wins; a requirement beyond a table takes the
// table's last row and asks for a special test.

#include <array>
#include <cstddef>

#include "insulation_level/iec_tables.hpp"

namespace insulation_level {

struct IecFits;

// A clearance in mm and whether the table could not meet the requirement.
struct ClearanceFound {
  double mm;
  bool specialTest;
};

template <std::size_t N>
using ClearanceColumn = std::array<double, N>;

// Phase to earth above 245 kV, by the switching impulse level phase to earth.
// Marks the rows it passes in gA2Fits: 0 below the requirement, 1 for the row that fits.
ClearanceFound SearchTableA2(double siwPe, const ClearanceColumn<kA2Rows>& column, IecFits& fits);

// Up to 245 kV, by the lightning impulse requirement. A row without a value
// in the column (0 mm) never fits: the search goes on to the first row that has one.
ClearanceFound SearchTableA1(double liw, const ClearanceColumn<kA1Rows>& column);

// Phase to phase above 245 kV: the first row whose phase-to-phase level is at
// least the selected standard level siwPp and whose phase-to-earth level is
// at least the required siwPe. Marks both tests in gA3PpFits and gA3PeFits.
ClearanceFound SearchTableA3(double siwPp, double siwPe, const ClearanceColumn<kA3Rows>& column, IecFits& fits);

}  // namespace insulation_level
