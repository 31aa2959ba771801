#pragma once
// The test conversion factors Kt of the conversion pages: a converted
// withstand voltage is Kt times the required withstand voltage it comes
// from.

namespace required {

// Kt U.
double ConvertedWithstand(double kt, double urw);

}  // namespace required
