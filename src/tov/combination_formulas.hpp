#pragma once
// Factor K13 of a load rejection combined with an earth fault, from two fits
// in the ratio of the zero- to the positive-sequence reactance.

#include <optional>

namespace tov {

// K13 for r = X0 / X1: a cubic below 10, a quadratic from 10 on.
double CombinationFactor(double r);

// K13 for X0 and X1 in ohm; std::nullopt for X1 = 0 or a factor that is not finite.
std::optional<double> CombinationFactor(double x0, double x1);

}  // namespace tov
