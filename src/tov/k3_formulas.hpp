#pragma once
// Earth fault factor K3 from the zero- and positive-sequence reactances, for
// a system whose resistances R0 and R1 are zero.

#include <optional>

namespace tov {

enum class EarthFault : short { None = 0, SinglePhase = 1, TwoPhase = 2 };

// K3 of the fault for X0 and X1 in ohm. std::nullopt where the factor has no
// finite value: X1 = 0, or a ratio X0/X1 of -2 (single phase) or -1/2 (two phase).
std::optional<double> EarthFaultFactor(EarthFault fault, double x0, double x1);

// Urp phase to earth of a factor: K * Um / sqrt(3), in kV.
double UrpPhaseToEarth(double factor, double um);

}  // namespace tov
