#pragma once
// The representative slow-front overvoltages by the phase-peak method: from
// Ue2, the phase-to-earth overvoltage with a 2 % probability of being
// exceeded, to the truncation values Uet and Upt, the phase-to-phase Up2
// through the empirical ratio Up2/Ue2 of the switching case, and the choice
// between them and the arrester's protective level Ups.
//
// Pure functions on doubles, evaluated in the order written (the results are
// the program's documented numbers, so the order of the operations is kept).
// No range check is made on Ue2: zero, negative and very large values go
// through every formula. A result may therefore not be finite (x cubed leaves
// the range of a double above about 5.6E+102 pu); callers write results only
// through the checks that refuse such a value.

#include <cmath>

namespace surge::slow_front_fits {

// Each constant is the decimal quotient of two integers.
inline constexpr double kTruncationSlope = 125.0 / 100.0;
inline constexpr double kUetConstant = 25.0 / 100.0;
inline constexpr double kUptConstant = 43.0 / 100.0;

// Three-phase re-energization, from the constant term to the cubic term.
inline constexpr double kReenergization0 = 1601.0 / 1000.0;
inline constexpr double kReenergization1 = 3691.0 / 10000.0;
inline constexpr double kReenergization2 = 2381.0 / 10000.0;
inline constexpr double kReenergization3 = 347.0 / 10000.0;

// Three-phase energization, from the constant term to the quadratic term.
inline constexpr double kEnergization0 = 20392.0 / 10000.0;
inline constexpr double kEnergization1 = 3833.0 / 10000.0;
inline constexpr double kEnergization2 = 674.0 / 10000.0;

enum class SwitchingCase { Reenergization, Energization };

// B: 1 pu, the peak phase-to-earth value of Um (kV).
inline double PuBase(double um) { return (um * std::sqrt(2.0)) / std::sqrt(3.0); }

// x: Ue2 in per unit; a value entered in pu is taken as it stands.
inline double Ue2PerUnit(double ue2, bool enteredInPu, double base) { return enteredInPu ? ue2 : ue2 / base; }

// Uet in kV: the per-unit value first, then times B.
inline double Uet(double x, double base) { return (kTruncationSlope * x - kUetConstant) * base; }

// P(x) = Up2/Ue2 for the switching case.
inline double RatioFit(double x, SwitchingCase switchingCase) {
  if (switchingCase == SwitchingCase::Reenergization)
    return ((kReenergization3 * std::pow(x, 3) - kReenergization2 * std::pow(x, 2)) + kReenergization1 * x) +
           kReenergization0;
  return (kEnergization2 * std::pow(x, 2) - kEnergization1 * x) + kEnergization0;
}

// Up2 in kV, from x and P(x).
inline double Up2(double x, double ratio, double base) { return (x * ratio) * base; }

// Upt in kV: the per-unit value first, then times B.
inline double Upt(double x, double ratio, double base) {
  return (kTruncationSlope * (x * ratio) - kUptConstant) * base;
}

// Urp phase to earth: Uet as its box shows it (cut to the box) while the
// calculated Uet lies strictly below Ups, otherwise Ups.
inline double UrpPhaseToEarth(double uet, double uetShown, double ups) { return uet < ups ? uetShown : ups; }

// Urp phase to phase: Upt as its box shows it, up to and including 2·Ups,
// otherwise 2·Ups (computed as Ups + Ups). Uptre of the external insulation
// is limited the same way.
inline bool UptIsRepresentative(double uptShown, double ups) { return uptShown <= ups + ups; }
inline double UrpPhaseToPhase(double uptShown, double ups) {
  return UptIsRepresentative(uptShown, ups) ? uptShown : ups + ups;
}

}  // namespace surge::slow_front_fits

// The truncated phase-to-phase slow-front overvoltage Uptre of external
// insulation in Range II. The geometry of the line, the phase-to-phase air
// clearance D over the height Ht of the conductors above earth, gives an
// angle by a fitted cubic; the angle gives two weights that combine the
// truncation values Upt (phase to phase) and Uet (phase to earth). An angle of
// 45 degrees gives about Upt, an angle of 0 gives 2 Uet.
//
// Evaluated as the fits above, with pi taken as 3,14. A height of 0, or an
// angle whose tangent is -1 or has no finite value, gives a result that is
// not finite.
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
