#pragma once
// The searches of the standard insulation level in the tables. A row fits a
// requirement when its value is at least the requirement (an equal value
// fits); of the rows that fit, the one with the lowest index wins. Each
// search marks the rows that fit in its work arrays, which outlive the search
// and keep the marks of the last one.

#include <array>
#include <optional>

#include "insulation_level/iec_tables.hpp"

namespace insulation_level {

// One fit mark per table row, 1 where the row met the tests of the last search.
struct IecFits {
  std::array<short, kRange1Rows> gRange1LiwFits{};
  std::array<short, kRange1Rows> gRange1SdwFits{};
  std::array<short, kRange2Rows> gRange2SiwPeFits{};
  std::array<short, kRange2Rows> gRange2SiwPpFits{};
  std::array<double, kRange2Rows> gRange2LiwFits{};
  std::array<short, kA2Rows> gA2Fits{};
  std::array<short, kA3Rows> gA3PpFits{};
  std::array<short, kA3Rows> gA3PeFits{};
};

// The level above 245 kV: the row whose switching impulse levels phase to
// earth and phase to phase and whose lightning impulse level (unless it is
// ignored) all meet the requirements. When no row does, the highest level of
// the table, with a special test required.
struct Range2Level {
  std::size_t row;
  bool specialTest;
};
Range2Level SearchRange2Level(double siwPe, double siwPp, std::optional<double> liw, IecFits& fits);

// The level up to 245 kV: the first row meeting both the lightning impulse
// and the short-duration requirement. A lightning requirement above the
// table takes the lightning levels of the table above 245 kV with the highest
// short-duration level; whatever the table cannot meet asks for a special test.
struct Range1Level {
  double sdw, liw;
  bool specialTest;
};
Range1Level SearchRange1Level(double liw, double sdw, IecFits& fits);

// The lowest standard lightning impulse level that meets a requirement, from
// the table up to 245 kV and then from the one above; none above 2100 kV.
std::optional<double> MinimumStandardLiw(double liw);

}  // namespace insulation_level
