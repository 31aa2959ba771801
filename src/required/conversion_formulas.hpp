#pragma once
// The test conversion factors Kt of the conversion pages: a converted
// withstand voltage is Kt times the required withstand voltage it comes
// from. For external insulation of Range I (air clearances and clean
// insulators, dry) Kt can also follow from that required withstand voltage
// U in kV: the quotient first, then the constant, itself a quotient, added.

namespace required {

// Kt U.
double ConvertedWithstand(double kt, double urw);

// Short-duration power-frequency withstand: U / 8500 + 6 / 10 phase to
// earth, U / 12700 + 6 / 10 phase to phase.
double KtSdwPhaseToEarth(double u);
double KtSdwPhaseToPhase(double u);
// Lightning impulse withstand: U / 6000 + 105 / 100 phase to earth,
// U / 9000 + 105 / 100 phase to phase.
double KtLiwPhaseToEarth(double u);
double KtLiwPhaseToPhase(double u);

}  // namespace required
