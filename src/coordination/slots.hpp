#pragma once
// The value-store boxes Text1(99..139) and (212..221) of the co-ordination
// withstand voltages, by name. The required-withstand stage and the results
// read the co-ordination withstand voltages through these names.

namespace coordination {

enum Slot : int {
  // The co-ordination TOV page, and a flag of it that no step sets.
  UcwTovPp = 100,
  UcwTovPe = 101,
  TovUnusedFlag = 99,

  // The co-ordination slow-front page's summary and its flag, "1" once the
  // tabs' calculated values were committed.
  UcwSfPpInt = 102,
  UcwSfPeInt = 103,
  UcwSfPpExt = 104,
  UcwSfPeExt = 105,
  SfAcceptedFlag = 106,
  // A working box of the page that no step uses.
  SfUnusedBox = 221,

  // The results of the slow-front tabs that the commit copies.
  UcwSfPeIntCalc = 109,
  UcwSfPeExtCalc = 112,
  UcwSfPpIntCalc = 113,
  UcwSfPpExtCalc = 116,

  // The slow-front tabs' other boxes.
  // Phase to earth, internal insulation.
  UpsUe2RatioPe = 107,
  KcdPe = 108,
  Ue2PeCwInt = 119,
  KcdPeEntered = 212,
  // Phase to earth, external insulation.
  RiskPe = 110,
  KcsPe = 111,
  FactorPeExtEntered = 213,
  Ue2PeCwExt = 214,
  KcdPeExt = 215,
  UpsUe2RatioPeExt = 216,
  // Phase to phase, internal insulation.
  KcdPp = 114,
  UpsUp2RatioPp = 115,
  KcdPpEntered = 217,
  // Phase to phase, external insulation.
  KcsPp = 117,
  RiskPp = 118,
  FactorPpExtEntered = 218,
  UpsUp2RatioPpExt = 219,
  KcdPpExt = 220,

  // The fast-front page's internal tab: the inputs of the statistical method and the result.
  FfIntA = 124,
  FfIntN = 125,
  FfIntLsp = 126,
  FfIntL = 127,
  FfIntLa = 128,
  UcwFfInt = 129,
  // The boxes of a Kcd way on the internal tab, which the tab does not
  // offer: they wait unused between its boxes.
  FfIntKcdInput = 120,
  FfIntKcdUcw = 121,
  FfIntKcd = 122,
  FfIntKcdRatio = 123,

  // The external tab: the result, then the inputs in another order than on screen.
  UcwFfExt = 130,
  FfExtLa = 131,
  FfExtL = 132,
  FfExtLsp = 133,
  FfExtN = 134,
  FfExtA = 135,

  // The fast-front page's summary: each value twice, as phase to earth and
  // phase to phase; the external ones a number text or "Ignored".
  UcwFfPeExt = 136,
  UcwFfPpExt = 137,
  UcwFfPeInt = 138,
  UcwFfPpInt = 139,
};

}  // namespace coordination
