#pragma once
// The factors of the temporary-overvoltage pages that need no more than a few
// numbers: load rejection K1, earth fault K3, whether resonance calls for K4,
// and the combination K13, with the representative overvoltages a factor
// gives. Plain numbers in, plain numbers out: the pages read and write the
// boxes. K2 has formulas of its own (k2_formulas.hpp).

#include <optional>

namespace tov {

// Urp phase to earth and phase to phase, in kV.
struct UrpPair {
  double pe = 0;
  double pp = 0;
};

// Urp phase to earth of a factor: K * Um / sqrt(3), in kV.
double UrpPhaseToEarth(double factor, double um);

// Urp from a load-rejection factor: Um * K1 / sqrt(3) and Um * K1.
UrpPair UrpFromK1(double um, double k1);

// Load rejection in a system: K1 = sqrt((1 + QL/SSC)^2 + (PL/SSC)^2), the
// numbers taken as typed. nullopt when K1 is not finite (SSC = 0, an overflow).
std::optional<double> K1InSystem(double ql, double pl, double ssc);

// Load rejection on a generator-transformer unit:
// K1 = ((Xd" + uk * SG / STr) * sqrt(1 - cos^2 phi) + 1) * 1,05.
// nullopt when cos phi lies outside -1..1 or K1 is not finite (STr = 0, an overflow).
std::optional<double> K1OnGeneratorUnit(double xd, double uk, double sg, double str, double cosPhi);

// Earth fault factor K3 from the zero- and positive-sequence reactances, for
// a system whose resistances R0 and R1 are zero.
enum class EarthFault : short { None = 0, SinglePhase = 1, TwoPhase = 2 };

// K3 of the fault for X0 and X1 in ohm. std::nullopt where the factor has no
// finite value: X1 = 0, or a ratio X0/X1 of -2 (single phase) or -1/2 (two phase).
std::optional<double> EarthFaultFactor(EarthFault fault, double x0, double x1);

// Resonance factor K4: whether the ratios of transformer rating and
// capacitive load to the short-circuit power call for one.
enum class TransformerKind { None, StepDown, StepUp };
enum class OvervoltageLevel { None, At12Pu, At15Pu };

// The ratios are the quotients of the numbers as typed (S_Tr in MVA and Q_L
// in MVAr over S_SC in GVA), read back from their boxes. A threshold met with
// equality counts. Without a transformer kind or a level nothing is required.
bool ResonanceFactorRequired(TransformerKind transformers, OvervoltageLevel level, double powerRatio,
                             double loadRatio);

// Factor K13 of a load rejection combined with an earth fault, from two fits
// in the ratio of the zero- to the positive-sequence reactance.
// K13 for r = X0 / X1: a cubic below 10, a quadratic from 10 on.
double CombinationFactor(double r);

// K13 for X0 and X1 in ohm; std::nullopt for X1 = 0 or a factor that is not finite.
std::optional<double> CombinationFactor(double x0, double x1);

}  // namespace tov
