#include "tov/factor_formulas.hpp"

#include <cmath>

namespace tov {

namespace {

std::optional<double> Finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

double UrpPhaseToEarth(double factor, double um) { return factor * um / std::sqrt(3.0); }

UrpPair UrpFromK1(double um, double k1) { return UrpPair{UrpPhaseToEarth(k1, um), um * k1}; }

std::optional<double> K1InSystem(double ql, double pl, double ssc) {
  return Finite(std::sqrt(std::pow(1 + ql / ssc, 2) + std::pow(pl / ssc, 2)));
}

std::optional<double> K1OnGeneratorUnit(double xd, double uk, double sg, double str, double cosPhi) {
  if (!(cosPhi >= -1 && cosPhi <= 1)) return std::nullopt;
  // The order of the steps is the engineers' hand calculation; keep it.
  const double root = std::sqrt(1 - std::pow(cosPhi, 2));
  const double transformer = uk * sg / str;
  const double k1 = ((xd + transformer) * root + 1) * 105 / 100;
  return Finite(k1);
}

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

bool ResonanceFactorRequired(TransformerKind transformers, OvervoltageLevel level, double powerRatio,
                             double loadRatio) {
  if (transformers == TransformerKind::None || level == OvervoltageLevel::None) return false;
  // Step-down transformers resonate from 2/10 of the short-circuit power,
  // step-up ones already from 1/10.
  const double powerThreshold = transformers == TransformerKind::StepDown ? 2.0 / 10.0 : 1.0 / 10.0;
  // At 1,5 pu a smaller capacitive load is enough.
  const double loadThreshold = level == OvervoltageLevel::At12Pu ? 1.0 / 10.0 : 5.0 / 100.0;
  return powerRatio >= powerThreshold && loadRatio >= loadThreshold;
}

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
