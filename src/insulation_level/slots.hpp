#pragma once
// The value-store boxes Text1(222..351) of the standard insulation level and
// the results, by name.

namespace insulation_level {

enum Slot : int {
  // The levels selected up to 245 kV, the minimum internal lightning levels
  // and the clearance boxes of that layout.
  SdwIntSelected = 222,
  LiwIntSelected = 223,
  LiwExtSelected = 224,
  SdwExtSelected = 225,
  ClearancePpTableA1 = 226,
  ClearancePeTableA1 = 227,
  LiwIntMinPp = 230,
  LiwIntMinPe = 231,
  CorrespondingUmInt = 232,
  CorrespondingUmExt = 233,

  // The levels selected above 245 kV and the clearance boxes of that layout.
  LiwIntRange2 = 236,
  SiwPeIntRange2 = 237,
  SiwPpIntRange2 = 238,
  SiwPpExtRange2 = 239,
  SiwPeExtRange2 = 240,
  LiwExtRange2 = 241,
  ClearancePeTableA2 = 243,
  U50Pe = 244,
  LiwFromClearancePe = 245,
  ClearancePpEquation = 253,

  // The phase-to-phase clearance above 245 kV: the table clearance, the
  // entry of D and Ht, and the values of the equations.
  ClearancePpTableA3 = 246,
  SilHeightHt = 247,
  SilDistanceD = 248,
  FactorB = 249,
  UplusUminus = 250,
  U0Pp = 251,
  U50Pp = 252,
};

// The results cells of each table.
inline constexpr int kResults2First = 258, kResults2Last = 307;
inline constexpr int kResults1First = 308, kResults1Last = 351;

}  // namespace insulation_level
