#pragma once
// The value-store boxes of the co-ordination pages, and the boxes of the
// earlier and inner pages that they read.

namespace coordination {

enum CwSlot : int {
  // The Ue2 typed on the representative slow-front page's Range I and Range
  // II tabs, which the co-ordination Ue2 is compared with.
  Ue2PeRange1 = 51,
  Ue2PeRange2 = 68,

  // The representative slow-front overvoltages the slow-front tabs calculate
  // with, written by the representative slow-front page.
  UrpSfPeInt = 60,
  UrpSfPpInt = 61,
  UrpSfPeExt = 62,
  UrpSfPpExt = 63,

  // The co-ordination TOV page.
  UcwTovPp = 100,
  UcwTovPe = 101,

  // The co-ordination slow-front page's summary and its flag, "1" once the
  // tabs' calculated values were committed.
  UcwSfPpInt = 102,
  UcwSfPeInt = 103,
  UcwSfPpExt = 104,
  UcwSfPeExt = 105,
  CwSfAcceptedFlag = 106,

  // The results of the slow-front tabs that the commit copies.
  UcwSfPeIntCalc = 109,
  UcwSfPeExtCalc = 112,
  UcwSfPpIntCalc = 113,
  UcwSfPpExtCalc = 116,
};

}  // namespace coordination
