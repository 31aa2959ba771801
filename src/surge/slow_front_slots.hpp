#pragma once
// The value-store boxes of the slow-front page and the copies of the
// arrester's Ups that its Range I and Range II tabs calculate with.

namespace surge {

enum SlowFrontSlot : int {
  UpsCopySfPeRange1 = 54,
  UpsCopySfPpRange1 = 58,
  SfAcceptedFlag = 59,
  UrpSfPeInt = 60,
  UrpSfPpInt = 61,
  UrpSfPeExt = 62,
  UrpSfPpExt = 63,
  UpsCopySfPeRange2 = 66,
  UpsCopySfPpRange2 = 76,
};

}  // namespace surge
