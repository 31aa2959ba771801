#pragma once
// The load-rejection factor K1 and the representative temporary overvoltages
// it gives. Plain numbers in, plain numbers out: the page reads and writes the boxes.

#include <optional>

namespace tov {

// Urp phase to earth and phase to phase, in kV.
struct UrpPair {
  double pe = 0;
  double pp = 0;
};

// Urp from a load-rejection factor: Um * K1 / sqrt(3) and Um * K1.
UrpPair UrpFromK1(double um, double k1);

// Load rejection in a system: K1 = sqrt((1 + QL/SSC)^2 + (PL/SSC)^2), the
// numbers taken as typed. nullopt when K1 is not finite (SSC = 0, an overflow).
std::optional<double> K1InSystem(double ql, double pl, double ssc);

// Load rejection on a generator-transformer unit:
// K1 = ((Xd" + uk * SG / STr) * sqrt(1 - cos^2 phi) + 1) * 1,05.
// nullopt when cos phi lies outside -1..1 or K1 is not finite (STr = 0, an overflow).
std::optional<double> K1OnGeneratorUnit(double xd, double uk, double sg, double str, double cosPhi);

}  // namespace tov
