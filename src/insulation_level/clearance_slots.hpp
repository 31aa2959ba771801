#pragma once
// The value-store boxes of the phase-to-phase clearance above 245 kV: the
// table clearance, the entry of D and Ht, and the values of the equations.

namespace insulation_level {

enum ClearanceSlot : int {
  ClearancePpTableA3 = 246,
  SilHeightHt = 247,
  SilDistanceD = 248,
  FactorB = 249,
  UplusUminus = 250,
  U0Pp = 251,
  U50Pp = 252,
};

}  // namespace insulation_level
