#include "tov/k3_formulas.hpp"

#include <cmath>

namespace tov {

std::optional<double> EarthFaultFactor(EarthFault fault, double x0, double x1) {
  if (x1 == 0.0) return std::nullopt;
  const double r = x0 / x1;
  double k3 = 0.0;
  switch (fault) {
    case EarthFault::SinglePhase:
      k3 = std::sqrt(3.0) * std::sqrt(r * r + r + 1.0) / (r + 2.0);
      break;
    case EarthFault::TwoPhase:
      k3 = 3.0 * r / (1.0 + 2.0 * r);
      break;
    case EarthFault::None:
      return std::nullopt;
  }
  if (!std::isfinite(k3)) return std::nullopt;
  return k3;
}

double UrpPhaseToEarth(double factor, double um) { return factor * um / std::sqrt(3.0); }

}  // namespace tov
