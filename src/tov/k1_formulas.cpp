#include "tov/k1_formulas.hpp"

#include <cmath>

namespace tov {

namespace {

std::optional<double> Finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

UrpPair UrpFromK1(double um, double k1) {
  return UrpPair{um * k1 / std::sqrt(3.0), um * k1};
}

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

}  // namespace tov
