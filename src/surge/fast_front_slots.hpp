#pragma once
// The value-store boxes of the fast-front page, its formula tabs and the
// choice among their results.

namespace surge {

enum FastFrontSlot : int {
  UrpFfPe = 77,  // the fast-front Urp: a number text in kV or "Ignored"
  UrpFfPp = 78,  // always the same text as UrpFfPe
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
