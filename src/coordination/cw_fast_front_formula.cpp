#include "coordination/cw_fast_front_formula.hpp"

namespace coordination {

double UcwFastFrontStatistical(double upl, double a, double l, double n, double lsp, double la) {
  const double al = a * l;
  const double lengths = la + lsp;
  const double denominator = n * lengths;
  return upl + al / denominator;
}

}  // namespace coordination
