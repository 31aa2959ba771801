#include "required/conversion_formulas.hpp"

namespace required {

double ConvertedWithstand(double kt, double urw) { return kt * urw; }

}  // namespace required
