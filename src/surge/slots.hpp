#pragma once
// The value-store boxes Text1(41..98) and (209..211) of the switching and
// lightning overvoltages, by name. The later stages read the arrester's
// protective levels and the representative slow-front and fast-front
// overvoltages through these names.

namespace surge {

enum Slot : int {
  // The surge arrester page.
  ArresterUm = 41,
  ArresterUcMin = 42,
  ArresterUrMin = 43,
  ArresterUr = 44,
  ArresterUc = 45,
  ArresterSteepResidual = 46,
  ArresterUpl = 47,
  ArresterUps = 48,
  ArresterDischargeClass = 49,
  ArresterEnergy = 50,

  // The slow-front page and its Range I and Range II tabs, with the copies
  // of the arrester's Ups the tabs calculate with.
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

  // The fast-front page, its formula tabs and the choice among their results.
  UrpFfPe = 77,  // the fast-front Urp: a number text in kV or "Ignored"
  UrpFfPp = 78,  // always the same text as UrpFfPe
  FfSpareFlag = 79,  // a hidden flag box of the fast-front page that no step sets
  UrpFormula1 = 80,
  UrpFormula2Entered = 81,
  UrpFormula1Entered = 82,
  Formula1S = 83,
  Formula1L = 84,
  Formula2L = 85,
  Formula2Lsp = 86,
  UrpFormula2 = 87,
  Formula2N = 88,
  Formula2A = 89,
  UrpFormula3Entered = 90,
  Formula3Bil = 91,
  Formula3Ks = 92,
  UrpFormula3 = 93,
  UrpChoiceFormula1 = 94,
  UrpChoiceFormula2 = 95,
  UrpChoiceFormula3 = 96,
  UrpChoiceEntered = 97,
  UrpFfChosen = 98,
  Formula1Upl = 209,
  Formula2Upl = 210,
  Formula1C = 211,
};

// What a fast-front box holds when its quantity is to be ignored.
inline constexpr const char* kIgnored = "Ignored";

}  // namespace surge
