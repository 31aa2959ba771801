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

  // The results table above 245 kV, Text1(258..307). A row has a cell for
  // each column of the table it spans, numbered left to right from the cell
  // it is named by, the one of its leftmost column.
  ResultsUrpRange2 = 258,
  ResultsUcwRange2 = 268,
  ResultsUrwRange2 = 278,
  ResultsSiwConversionRange2 = 288,  // the temporary values converted to switching impulse
  ResultsSiwRange2 = 298,            // the selected switching impulse levels
  ResultsLiwRange2 = 306,            // the selected lightning impulse levels

  // The results table up to 245 kV, Text1(308..351): the same rows, numbered
  // right to left from the cell of their leftmost column.
  ResultsUrpRange1 = 337,
  ResultsUcwRange1 = 327,
  ResultsUrwRange1 = 317,
  ResultsSdwConversionRange1 = 345,  // the slow-front values converted to short duration
  ResultsLiwConversionRange1 = 341,  // the slow-front values converted to lightning impulse
  ResultsSdwRange1 = 349,            // the selected short-duration levels
  ResultsLiwRange1 = 351,            // the selected lightning impulse levels
};

// From the cell of a results row in one column to its cell in the next.
inline constexpr int kResultsNextColumnRange2 = 1, kResultsNextColumnRange1 = -1;

}  // namespace insulation_level
