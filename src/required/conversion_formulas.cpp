#include "required/conversion_formulas.hpp"

namespace required {

double ConvertedWithstand(double kt, double urw) { return kt * urw; }

double KtSdwPhaseToEarth(double u) { return u / 8500 + 6.0 / 10; }
double KtSdwPhaseToPhase(double u) { return u / 12700 + 6.0 / 10; }
double KtLiwPhaseToEarth(double u) { return u / 6000 + 105.0 / 100; }
double KtLiwPhaseToPhase(double u) { return u / 9000 + 105.0 / 100; }

}  // namespace required
