#pragma once
// The truncated phase-to-phase slow-front overvoltage Uptre of external
// insulation in Range II. The geometry of the line, the phase-to-phase air
// clearance D over the height Ht of the conductors above earth, gives an
// angle by a fitted cubic; the angle gives two weights that combine the
// truncation values Upt (phase to phase) and Uet (phase to earth). An angle of
// 45 degrees gives about Upt, an angle of 0 gives 2 Uet.
//
// Pure functions on doubles in the order written, with the constants as the
// program has always used them (pi is taken as 3,14). Nothing is checked: a
// height of 0, or an angle whose tangent is -1 or has no finite value, gives a
// result that is not finite, and callers write results only through the
// checks that refuse such a value.

#include <cmath>

namespace surge::external_fits {

// Each constant is the decimal quotient of two integers.
inline constexpr double kAngle3 = 39728.0 / 1000.0;
inline constexpr double kAngle2 = 68556.0 / 1000.0;
inline constexpr double kAngle1 = 78296.0 / 10000.0;
inline constexpr double kAngle0 = 45575.0 / 1000.0;
inline constexpr double kPi = 314.0 / 100.0;

// The angle in degrees from the ratio r = D / Ht.
inline double AngleDegrees(double r) {
  return ((kAngle3 * std::pow(r, 3) - kAngle2 * std::pow(r, 2)) - kAngle1 * r) + kAngle0;
}

// Uptre in kV from D and Ht in m and Upt and Uet in kV.
inline double Uptre(double d, double ht, double upt, double uet) {
  const double t = std::tan(AngleDegrees(d / ht) * kPi / 180.0);
  const double k = std::sqrt(1.0 + std::pow(t, 2)) / (1.0 + t);  // 1 / (cos + sin) of the angle
  const double root2 = std::sqrt(2.0);
  const double a = 1.0 / (2.0 - root2) * (1.0 - k);
  const double b = 1.0 / (2.0 - root2) * (2.0 * k - root2);
  return 2.0 * (a * upt + b * uet);
}

}  // namespace surge::external_fits
