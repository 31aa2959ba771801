#pragma once
// The formulas of the minimum air clearances above 245 kV, with the constants
// the page shows: 530 kV per m for the U50 of a gap, z = 0,03 for the
// deviation of a switching impulse withstand from its U50, 1080 K ln(1 + 0,46 d)
// for the U50 of a phase-to-phase gap, and pi taken as 3,14.

#include <optional>

namespace insulation_level {

// Gap factors K of the phase-to-earth structures and the phase-to-phase configurations.
inline constexpr double kRodStructureK = 115.0 / 100, kConductorStructureK = 135.0 / 100;
inline constexpr double kRodConductorK = 145.0 / 100, kConductorConductorK = 162.0 / 100;

// U50 = Kff 530 d in kV, with Kff = 0,26 K + 0,74 and the clearance d in mm.
double U50OfPeClearance(double k, double clearanceMm);

// The withstand voltage that corresponds to a U50: U50 (1 - 1,3 z).
double WithstandOfU50(double u50);
// The U50 that corresponds to a withstand voltage: U / (1 - 1,3 z).
double U50OfWithstand(double withstand);

// The angle of a phase-to-phase gap, 45,575 - 7,8926 r - 68,556 r^2 +
// 39,728 r^3 degrees for r = D / Ht, and its factor B, the tangent of it.
double GapAngleDegrees(double dOverHt);
double GapFactorB(double dOverHt);

// The clearance d in m that gives a U50 in kV: U50 = 1080 K ln(1 + 0,46 d).
double ClearanceOfU50(double u50, double k);

}  // namespace insulation_level

namespace insulation_level {

// The chain of the phase-to-phase clearance by the equations, each value
// computed from the one before it as its box shows it (B, U+, U0 and U50 in
// eight characters, d in four): B of the ratio r = D / Ht,
// U+ (= U-), U0 = U+ + B U+, U50 of U0 as a withstand, and d of U50 with the
// gap factor K. std::nullopt when the angle of B lies outside 0 to 90
// degrees, when a value cannot be shown in its box (not finite, or too large
// for it), when U0 or U50 comes out zero or below, or when d reads zero.
struct PpEquationValues {
  double b, uPlus, u0, u50, d;
};
inline constexpr int kEquationBoxLength = 8, kEquationClearanceLength = 4;
std::optional<PpEquationValues> PpClearanceByEquations(double dOverHt, double uPlus, double k);

}  // namespace insulation_level
