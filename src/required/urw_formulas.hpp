#pragma once
// The formulas of the required withstand voltages: Urw = Ks Ucw for internal
// insulation (Ks = 1,15), Urw = Ka Ks Ucw for external insulation (Ks = 1,05)
// with the atmospheric correction factor Ka = e^(m H / 8150) of the altitude
// H in m, and the exponent m of the slow-front external insulation fitted to
// its Ucw. Each keeps the order of operations the pages have always used, so
// the cut results agree to the last digit shown.

namespace required {

// Ks Ucw for internal insulation.
double UrwInternal(double ucw);
// (Ucw Ks) Ka for external insulation with a typed Ka.
double UrwExternalWithEnteredKa(double ucw, double ka);
// Ucw (Ka Ks) for external insulation with Ka from the altitude.
double UrwExternalWithAltitudeKa(double ucw, double ka);
// e^((m H) / 8150).
double KaFromAltitude(double m, double altitude);
// The exponent m of the slow-front external insulation for a Ucw of u kV,
// phase to earth and phase to phase; between 0 and 1.
double ExponentMPhaseToEarth(double u);
double ExponentMPhaseToPhase(double u);

}  // namespace required
