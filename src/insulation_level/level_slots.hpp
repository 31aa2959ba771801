#pragma once
// The value-store boxes of the standard-insulation-level and results pages,
// and the boxes of the required-withstand pages that the level selection reads.

namespace insulation_level {

// Read from the required-withstand and conversion summaries.
enum RequiredSlot : int {
  UrwTovPeExt = 141,
  UrwTovPpExt = 142,
  UrwTovPeInt = 143,
  UrwTovPpInt = 144,
  SiwPpInt = 152,
  UrwSfPpInt = 163,
  UrwSfPeInt = 164,
  UrwSfPpExt = 165,
  UrwSfPeExt = 166,
  UrwFfPeExt = 169,
  UrwFfPpExt = 170,
  UrwFfPeInt = 171,
  UrwFfPpInt = 172,
  SiwPeInt = 175,
  SiwPpExt = 176,
  SiwPeExt = 178,
  SdwPpInt = 181,
  SdwPeInt = 182,
  SdwPpExt = 183,
  SdwPeExt = 184,
  LiwPpInt = 185,
  LiwPeInt = 186,
  LiwPpExt = 187,
  LiwPeExt = 188,
};

// The levels selected up to 245 kV, the minimum internal lightning levels and
// the clearance boxes of that layout.
enum Range1Slot : int {
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
};

// The levels selected above 245 kV and the clearance boxes of that layout.
enum Range2Slot : int {
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
};

// The results cells of each table.
inline constexpr int kResults2First = 258, kResults2Last = 307;
inline constexpr int kResults1First = 308, kResults1Last = 351;

inline constexpr const char* kIgnored = "Ignored";

}  // namespace insulation_level
