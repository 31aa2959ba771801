#include "insulation_level/level_search.hpp"

#include <algorithm>
#include <iterator>

namespace insulation_level {

namespace {

template <typename Marks>
std::optional<std::size_t> FirstMarked(const Marks& marks) {
  const auto it = std::find_if(marks.begin(), marks.end(), [](auto mark) { return mark != 0; });
  if (it == marks.end()) return std::nullopt;
  return static_cast<std::size_t>(std::distance(marks.begin(), it));
}

}  // namespace

Range2Level SearchRange2Level(double siwPe, double siwPp, std::optional<double> liw, IecFits& fits) {
  for (std::size_t i = 0; i < kRange2Rows; ++i) fits.gRange2SiwPeFits[i] = gRange2SiwPe[i] >= siwPe ? 1 : 0;
  for (std::size_t i = 0; i < kRange2Rows; ++i)
    fits.gRange2SiwPpFits[i] = fits.gRange2SiwPeFits[i] == 1 && gRange2SiwPp[i] >= siwPp ? 1 : 0;
  for (std::size_t i = 0; i < kRange2Rows; ++i)
    fits.gRange2LiwFits[i] = fits.gRange2SiwPpFits[i] == 1 && (!liw || gRange2Liw[i] >= *liw) ? 1.0 : 0.0;
  if (const auto row = FirstMarked(fits.gRange2LiwFits)) return {*row, false};
  return {kRange2Rows - 1, true};
}

Range1Level SearchRange1Level(double liw, double sdw, IecFits& fits) {
  for (std::size_t i = 0; i < kRange1Rows; ++i) fits.gRange1LiwFits[i] = gRange1Liw[i] >= liw ? 1 : 0;
  const bool inTable = FirstMarked(fits.gRange1LiwFits).has_value();
  if (!inTable)
    for (std::size_t i = 0; i < kRange2Rows; ++i) fits.gRange2LiwFits[i] = gRange2Liw[i] >= liw ? 1.0 : 0.0;
  for (std::size_t i = 0; i < kRange1Rows; ++i)
    fits.gRange1SdwFits[i] = fits.gRange1LiwFits[i] == 1 && gRange1Sdw[i] >= sdw ? 1 : 0;

  constexpr std::size_t kLast1 = kRange1Rows - 1, kLast2 = kRange2Rows - 1;
  if (inTable) {
    if (const auto row = FirstMarked(fits.gRange1SdwFits)) return {gRange1Sdw[*row], gRange1Liw[*row], false};
    return {gRange1Sdw[kLast1], gRange1Liw[kLast1], true};
  }
  const auto row = FirstMarked(fits.gRange2LiwFits);
  return {gRange1Sdw[kLast1], gRange2Liw[row.value_or(kLast2)], true};
}

std::optional<double> MinimumStandardLiw(double liw) {
  for (double level : gRange1Liw)
    if (level >= liw) return level;
  for (double level : gRange2Liw)
    if (level >= liw) return level;
  return std::nullopt;
}

}  // namespace insulation_level
