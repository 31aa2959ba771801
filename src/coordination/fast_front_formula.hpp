#pragma once
// The statistical simplified method of the co-ordination fast-front tabs.

namespace coordination {

// Ucw = Upl + A L / (n (Lsp + La)), in kV, with the arrester's lightning
// impulse protective level Upl (kV), the line factor A (kV), the separation
// L (m), the number of lines n and the lengths Lsp and La (m): the product
// A L, the sum La + Lsp, its product with n, the quotient, then Upl added.
// n = 0 or La + Lsp = 0 gives a value that is not finite; the tabs refuse
// such inputs before they come here.
inline double UcwFastFrontStatistical(double upl, double a, double l, double n, double lsp, double la) {
  const double al = a * l;
  const double lengths = la + lsp;
  const double denominator = n * lengths;
  return upl + al / denominator;
}

}  // namespace coordination
