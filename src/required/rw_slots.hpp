#pragma once
// The value-store boxes of the required-withstand pages, and the boxes of
// the co-ordination pages that they read.

namespace required {

enum RwSlot : int {
  // The co-ordination withstand voltages, written by the co-ordination pages.
  UcwTovPp = 100,
  UcwTovPe = 101,
  UcwSfPpInt = 102,
  UcwSfPeInt = 103,
  UcwSfPpExt = 104,
  UcwSfPeExt = 105,
  UcwFfPeExt = 136,  // a number or "Ignored"
  UcwFfPeInt = 138,

  // The temporary-overvoltage page: its flag, summary, and the inner strip's boxes.
  RwTovAcceptedFlag = 140,
  UrwTovPeExt = 141,
  UrwTovPpExt = 142,
  UrwTovPeInt = 143,
  UrwTovPpInt = 144,
  UrwTovPeIntCalc = 145,
  UrwTovPpIntCalc = 146,
  AltitudeTov = 147,
  ExponentMTov = 148,
  KaTovEntered = 149,
  UrwTovPpExtCalc = 150,
  UrwTovPeExtCalc = 151,

  // The slow-front page.
  UrwSfPeExtCalc = 153,
  UrwSfPpExtCalc = 154,
  KaSfEntered = 155,
  ExponentMSfPp = 156,
  ExponentMSfPe = 157,
  AltitudeSf = 158,
  UrwSfPpIntCalc = 161,
  UrwSfPeIntCalc = 162,
  UrwSfPpInt = 163,
  UrwSfPeInt = 164,
  UrwSfPpExt = 165,
  UrwSfPeExt = 166,
  RwSfAcceptedFlag = 167,

  // The fast-front page: each value stands twice in the summary.
  RwFfAcceptedFlag = 168,
  UrwFfPeExt = 169,
  UrwFfPpExt = 170,
  UrwFfPeInt = 171,
  UrwFfPpInt = 172,
  UrwFfIntCalc = 173,
  AltitudeFf = 174,
  KaFfEntered = 177,
  UrwFfExtCalc = 179,  // a number or "Ignored"

  // The conversion page's summaries: SIW in Range II, SDW and LIW in Range I.
  SiwPpInt = 152,
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

  // The conversion strips' results that the accepts copy.
  SiwPeIntCalc = 190,
  SiwPpIntCalc = 191,
  SiwPpExtCalc = 192,
  SiwPeExtCalc = 193,
  SdwPpIntCalc = 195,
  SdwPeIntCalc = 196,
  LiwPpIntCalc = 198,
  LiwPeIntCalc = 199,
  SdwPeExtCalc = 202,
  SdwPpExtCalc = 203,
  LiwPeExtCalc = 205,
  LiwPpExtCalc = 206,
};

// What a fast-front box holds when its value is ignored.
inline constexpr const char* kIgnored = "Ignored";

}  // namespace required
