#include "insulation_level/clearance_search.hpp"

#include "insulation_level/level_search.hpp"

namespace insulation_level {

ClearanceFound SearchTableA2(double siwPe, const ClearanceColumn<kA2Rows>& column, IecFits& fits) {
  for (std::size_t i = 0; i < kA2Rows; ++i) {
    const bool fit = gA2SiwPe[i] >= siwPe;
    fits.gA2Fits[i] = fit ? 1 : 0;
    if (fit) return {column[i], false};
  }
  return {column[kA2Rows - 1], true};
}

ClearanceFound SearchTableA1(double liw, const ClearanceColumn<kA1Rows>& column) {
  for (std::size_t i = 0; i < kA1Rows; ++i)
    if (gA1Liw[i] >= liw && column[i] != 0) return {column[i], false};
  return {column[kA1Rows - 1], true};
}

ClearanceFound SearchTableA3(double siwPp, double siwPe, const ClearanceColumn<kA3Rows>& column, IecFits& fits) {
  for (std::size_t i = 0; i < kA3Rows; ++i) fits.gA3PpFits[i] = gA3SiwPp[i] >= siwPp ? 1 : 0;
  for (std::size_t i = 0; i < kA3Rows; ++i) fits.gA3PeFits[i] = fits.gA3PpFits[i] == 1 && gA3SiwPe[i] >= siwPe ? 1 : 0;
  for (std::size_t i = 0; i < kA3Rows; ++i)
    if (fits.gA3PeFits[i] == 1) return {column[i], false};
  return {column[kA3Rows - 1], true};
}

}  // namespace insulation_level
