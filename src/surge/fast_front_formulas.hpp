#pragma once
// The three estimates of the representative fast-front overvoltage Urp, in kV.
// The numbers are taken as typed, in the units of the tabs' captions, and each
// formula is evaluated in the order the tab describes, so that a result
// differs from a hand calculation by no more than the rounding of each step.
// A divisor of zero or a result beyond the range of a double gives a value
// that is not finite; the tabs refuse such results.

namespace surge {

// Formula I: Urp = Upl + 2 L S / c, with the arrester's lightning impulse
// protective level Upl (kV), the separation L (m), the steepness S (kV/us)
// and the velocity c (m/us): S + S, times L, divided by c, plus Upl.
inline double Formula1Urp(double upl, double c, double l, double s) {
  double urp = s + s;
  urp *= l;
  urp /= c;
  return upl + urp;
}

// Formula II: Urp = Upl + A L / (n Lsp), with the line factor A (kV), the
// separation L (m), the number of lines n and the span length Lsp (m):
// L times A, divided by n, divided by Lsp, plus Upl.
inline double Formula2Urp(double upl, double l, double lsp, double n, double a) {
  double urp = l * a;
  urp /= n;
  urp /= lsp;
  return upl + urp;
}

// Formula III: Urpmax = BIL / Ks.
inline double Formula3Urp(double bil, double ks) { return bil / ks; }

}  // namespace surge
