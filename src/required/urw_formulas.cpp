#include "required/urw_formulas.hpp"

#include <algorithm>
#include <cmath>

namespace required {

namespace {

constexpr double kKsInternal = 115.0 / 100.0;
constexpr double kKsExternal = 105.0 / 100.0;
constexpr double kAltitudeScale = 8150.0;

}  // namespace

double UrwInternal(double ucw) { return ucw * kKsInternal; }

double UrwExternalWithEnteredKa(double ucw, double ka) { return (ucw * kKsExternal) * ka; }

double UrwExternalWithAltitudeKa(double ucw, double ka) { return ucw * (ka * kKsExternal); }

double KaFromAltitude(double m, double altitude) { return std::exp((m * altitude) / kAltitudeScale); }

// The fit turns negative for a very large U; a negative m would make the
// altitude lower the withstand, so m stays between 0 and 1.
double ExponentMPhaseToEarth(double u) {
  return std::clamp((5 * std::pow(10.0, -8) * u) - (5.0 / 10000.0 * u) + 13351.0 / 10000.0, 0.0, 1.0);
}

double ExponentMPhaseToPhase(double u) {
  return std::clamp((4 * std::pow(10.0, -8) * u) - (5.0 / 10000.0 * u) + 15112.0 / 10000.0, 0.0, 1.0);
}

}  // namespace required
