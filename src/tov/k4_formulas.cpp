#include "tov/k4_formulas.hpp"

namespace tov {

bool ResonanceFactorRequired(TransformerKind transformers, OvervoltageLevel level, double powerRatio,
                             double loadRatio) {
  if (transformers == TransformerKind::None || level == OvervoltageLevel::None) return false;
  // Step-down transformers resonate from 2/10 of the short-circuit power,
  // step-up ones already from 1/10.
  const double powerThreshold = transformers == TransformerKind::StepDown ? 2.0 / 10.0 : 1.0 / 10.0;
  // At 1,5 pu a smaller capacitive load is enough.
  const double loadThreshold = level == OvervoltageLevel::At12Pu ? 1.0 / 10.0 : 5.0 / 100.0;
  return powerRatio >= powerThreshold && loadRatio >= loadThreshold;
}

}  // namespace tov
