#include "tov/combination_formulas.hpp"

#include <cmath>

namespace tov {

double CombinationFactor(double r) {
  if (r < 10.0) {
    return 14.0 / 10000.0 * r * r * r - 303.0 / 10000.0 * r * r + 2299.0 / 10000.0 * r + 8455.0 / 10000.0;
  }
  return -7.0 * 1e-6 * r * r + 29.0 / 10000.0 * r + 15359.0 / 10000.0;
}

std::optional<double> CombinationFactor(double x0, double x1) {
  if (x1 == 0.0) return std::nullopt;
  const double k13 = CombinationFactor(x0 / x1);
  if (!std::isfinite(k13)) return std::nullopt;
  return k13;
}

}  // namespace tov
