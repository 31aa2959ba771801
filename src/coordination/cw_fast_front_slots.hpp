#pragma once
// The value-store boxes of the co-ordination fast-front page and its two
// tabs, and the boxes of the earlier pages that they read.

namespace coordination {

enum CwFastFrontSlot : int {
  // The arrester's lightning impulse protective level, written by the surge
  // arrester page.
  ArresterUpl = 47,
  // The representative fast-front overvoltage, a number text in kV or
  // "Ignored", written by the representative fast-front page.
  UrpFfPe = 77,

  // The internal tab: the inputs of the statistical method and the result.
  FfIntA = 124,
  FfIntN = 125,
  FfIntLsp = 126,
  FfIntL = 127,
  FfIntLa = 128,
  UcwFfInt = 129,

  // The external tab: the result, then the inputs in another order than on screen.
  UcwFfExt = 130,
  FfExtLa = 131,
  FfExtL = 132,
  FfExtLsp = 133,
  FfExtN = 134,
  FfExtA = 135,

  // The page's summary: each value twice, as phase to earth and phase to phase.
  UcwFfPeExt = 136,
  UcwFfPpExt = 137,
  UcwFfPeInt = 138,
  UcwFfPpInt = 139,
};

// What a fast-front box holds when its quantity is ignored.
inline constexpr const char* kIgnored = "Ignored";

}  // namespace coordination
