#include "surge/fast_front_formulas.hpp"

namespace surge {

double Formula1Urp(double upl, double c, double l, double s) {
  double urp = s + s;
  urp *= l;
  urp /= c;
  return upl + urp;
}

double Formula2Urp(double upl, double l, double lsp, double n, double a) {
  double urp = l * a;
  urp /= n;
  urp /= lsp;
  return upl + urp;
}

double Formula3Urp(double bil, double ks) { return bil / ks; }

}  // namespace surge
