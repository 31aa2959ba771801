#pragma once
// The formulas of the energization of an unloaded line: the charging power of
// the line and the factor K2 of the voltage rise at its ends. Plain numbers in,
// plain numbers out, in the units of the page's captions without conversion.

#include <optional>

namespace tov {

// 3.14 and 6.28 as the page's formulas write pi and 2 pi.
inline constexpr double kK2Pi = 314.0 / 100.0;
inline constexpr double kK2TwoPi = kK2Pi + kK2Pi;

// Capacitive charging power Q_OL (kVAr) of a line: f (Hz), l (km), C1 (F/km),
// U2 (kV) to the first power. nullopt when the product is not finite.
std::optional<double> ChargingPowerOfLine(double f, double l, double c1, double u2);

// The ten line data of the analytical formula.
struct K2LineData {
  double f = 0;    // power frequency (Hz)
  double l = 0;    // line length (km)
  double c1 = 0;   // capacitance per km (F/km)
  double qOL = 0;  // charging power of the line (kVAr)
  double sSC = 0;  // short-circuit power of the system (MVA)
  double qSE = 0;  // compensation at the sending end (kVAr)
  double qRE = 0;  // compensation at the receiving end (kVAr)
  double sOL = 0;  // power of the line (MVA)
  double l1 = 0;   // inductance per km (H/km)
};

struct K2Ends {
  double receiving = 0;  // K2RE
  double sending = 0;    // K2SE
};

// K2 at both ends of the line. nullopt where the formula is not defined: a zero
// S_SC, Q_OL, f, l or S_OL, L1 * C1 not above zero, a zero denominator, or any
// step that is not finite.
std::optional<K2Ends> K2Analytical(const K2LineData& d);

// K2 = 1 / (1 - Q_OL / S_SC), the same at both ends. nullopt for a zero S_SC,
// Q_OL equal to S_SC, or a result that is not finite.
std::optional<double> K2Simplified(double qOL, double sSC);

}  // namespace tov
