#pragma once
// The value-store boxes of the slow-front page and of its Range I and
// Range II tabs, with the copies of the arrester's Ups the tabs calculate with.

namespace surge {

enum SlowFrontSlot : int {
  Ue2PeRange1 = 51,
  UetPeRange1 = 52,
  UrpSfPeRange1 = 53,
  UpsCopySfPeRange1 = 54,
  Up2Range1 = 55,
  UptRange1 = 56,
  UrpSfPpRange1 = 57,
  UpsCopySfPpRange1 = 58,
  SfAcceptedFlag = 59,
  UrpSfPeInt = 60,
  UrpSfPpInt = 61,
  UrpSfPeExt = 62,
  UrpSfPpExt = 63,
  SfSpareRange2 = 64,  // a hidden box of the Range II strip that no step uses
  UrpSfPeRange2 = 65,
  UpsCopySfPeRange2 = 66,
  UetPeRange2 = 67,
  Ue2PeRange2 = 68,
  Up2Range2 = 69,
  UptRange2 = 70,
  UrpSfPpIntRange2 = 71,
  SfClearanceD = 72,
  SfHeightHt = 73,
  UptreRange2 = 74,
  UrpSfPpExtRange2 = 75,
  UpsCopySfPpRange2 = 76,
};

}  // namespace surge
