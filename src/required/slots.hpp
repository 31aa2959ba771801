#pragma once
// The value-store boxes Text1(140..208) of the required withstand voltages and
// their conversion, by name. The standard insulation level and the results
// read the required and converted withstand voltages through these names.

namespace required {

enum Slot : int {
  // The temporary-overvoltage page: its flag, summary, and the inner strip's boxes.
  UrwTovAcceptedFlag = 140,
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
  UrwSfAcceptedFlag = 167,

  // The fast-front page: each value stands twice in the summary.
  UrwFfAcceptedFlag = 168,
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

  // The test conversion factors Kt of the conversion strips.
  KtSiwInt = 189,
  KtSiwExt = 194,
  KtSdwInt = 197,
  KtLiwInt = 200,
  KtSdwPpExt = 201,
  KtLiwPpExt = 204,
  KtSdwPeExt = 207,
  KtLiwPeExt = 208,
};

}  // namespace required
