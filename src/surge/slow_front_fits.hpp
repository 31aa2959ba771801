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
inline double RatioFit(double x, SwitchingCase c) {
  if (c == SwitchingCase::Reenergization)
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

// Urp phase to earth: Uet while it lies strictly below Ups, otherwise Ups.
inline double UrpPhaseToEarth(double uet, double ups) { return uet < ups ? uet : ups; }

// Urp phase to phase: Upt up to and including 2·Ups, otherwise 2·Ups
// (computed as Ups + Ups).
inline bool UptIsRepresentative(double upt, double ups) { return upt <= ups + ups; }
inline double UrpPhaseToPhase(double upt, double ups) { return UptIsRepresentative(upt, ups) ? upt : ups + ups; }

}  // namespace surge::slow_front_fits
