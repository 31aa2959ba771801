#pragma once
// The rows of the two results tables: the line of the grid a row stands on,
// the column of its first cell, and the box each cell shows. The fill, the
// cells' dependency rows and their places on the grid all read these rows.

#include <array>
#include <cstddef>
#include <span>

#include "coordination/slots.hpp"
#include "frame/control_ref.hpp"
#include "insulation_level/slots.hpp"
#include "required/slots.hpp"
#include "surge/slots.hpp"
#include "tov/slots.hpp"

namespace insulation_level::results {

// The columns of both tables, left to right: temporary, slow-front and
// fast-front overvoltages; phase to earth, then phase to phase; internal,
// then external insulation. The fast-front columns hold both phases.
enum Column { TovPeInt = 1, TovPeExt, TovPpInt, TovPpExt, SfPeInt, SfPeExt, SfPpInt, SfPpExt, FfInt, FfExt };
inline constexpr int kColumns = FfExt;

// The value lines of a grid from the top: Urp, Ucw, Urw, then the conversions
// (one line above 245 kV, two up to 245 kV). The selected levels stand on the
// grid's last line.
enum Line { LevelsLine = -1, UrpLine, UcwLine, UrwLine, ConversionLine, SecondConversionLine };

// How a cell shows its box: cut to four characters with " kV"; the same, but
// nothing for the word of an ignored fast-front value; half the level, with
// as many decimals as it needs; or the very text of another cell.
enum class Shows { Cut, CutUnlessIgnored, Half, Same };

struct Source {
  frame::ControlRef box;
  Shows shows = Shows::Cut;
};

struct Row {
  int first;  // the cell in the row's first column
  Column firstColumn;
  Line line;
  std::span<const Source> sources;  // one a column, from the first
  int empty = 0;                    // the cells after them, which stay empty
  constexpr int columns() const { return static_cast<int>(sources.size()) + empty; }
};

// The cell of a column in a row whose cell `first` stands in `firstColumn`.
constexpr int CellOf(int first, int firstColumn, int nextColumn, int column) {
  return first + (column - firstColumn) * nextColumn;
}

struct Table {
  int nextColumn;
  std::span<const Row> rows;
  constexpr int Cell(const Row& row, int column) const {
    return CellOf(row.first, row.firstColumn, nextColumn, column);
  }
};

using frame::Box;
inline constexpr Shows kWordless = Shows::CutUnlessIgnored;

// The rows of Urp, Ucw and Urw, the same in both tables: temporary, slow-front
// and fast-front columns.
inline constexpr Source kUrp[] = {
    {{tov::kUrpTovPeBox}}, {{tov::kUrpTovPeBox}}, {{tov::kUrpTovPpBox}}, {{tov::kUrpTovPpBox}},
    {Box(surge::UrpSfPeInt)}, {Box(surge::UrpSfPeExt)}, {Box(surge::UrpSfPpInt)}, {Box(surge::UrpSfPpExt)},
    {Box(surge::UrpFfPe), kWordless}, {Box(surge::UrpFfPp), kWordless},
};
// A row of withstand voltages, a box a column: only the external fast-front
// one may hold the word of an ignored value.
constexpr std::array<Source, kColumns> WithstandRow(std::array<int, kColumns> boxes) {
  std::array<Source, kColumns> row{};
  for (std::size_t i = 0; i < row.size(); ++i) row[i] = {Box(boxes[i])};
  row[FfExt - 1].shows = kWordless;
  return row;
}
inline constexpr auto kUcw = WithstandRow({coordination::UcwTovPe, coordination::UcwTovPe, coordination::UcwTovPp,
                                           coordination::UcwTovPp, coordination::UcwSfPeInt, coordination::UcwSfPeExt,
                                           coordination::UcwSfPpInt, coordination::UcwSfPpExt,
                                           coordination::UcwFfPpInt, coordination::UcwFfPpExt});
inline constexpr auto kUrw = WithstandRow({required::UrwTovPeInt, required::UrwTovPeExt, required::UrwTovPpInt,
                                           required::UrwTovPpExt, required::UrwSfPeInt, required::UrwSfPeExt,
                                           required::UrwSfPpInt, required::UrwSfPpExt, required::UrwFfPpInt,
                                           required::UrwFfPpExt});

// Above 245 kV the temporary values alone are converted. The phase-to-phase
// switching levels show as their two opposite halves, and the slow-front
// columns repeat the levels of the temporary ones.
constexpr Source SameSiw(Column column) {
  return {Box(CellOf(ResultsSiwRange2, TovPeInt, kResultsNextColumnRange2, column)), Shows::Same};
}
inline constexpr Source kSiwConversion[] = {
    {Box(required::SiwPeInt)}, {Box(required::SiwPeExt)}, {Box(required::SiwPpInt)}, {Box(required::SiwPpExt)}};
inline constexpr Source kSiwRange2[] = {
    {Box(SiwPeIntRange2)}, {Box(SiwPeExtRange2)},
    {Box(SiwPpIntRange2), Shows::Half}, {Box(SiwPpExtRange2), Shows::Half},
    SameSiw(TovPeInt), SameSiw(TovPeExt), SameSiw(TovPpInt), SameSiw(TovPpExt),
};
inline constexpr Source kLiwRange2[] = {{Box(LiwIntRange2)}, {Box(LiwExtRange2)}};

inline constexpr Row kRowsRange2[] = {
    {ResultsUrpRange2, TovPeInt, UrpLine, kUrp},
    {ResultsUcwRange2, TovPeInt, UcwLine, kUcw},
    {ResultsUrwRange2, TovPeInt, UrwLine, kUrw},
    {ResultsSiwConversionRange2, TovPeInt, ConversionLine, kSiwConversion, kColumns - TovPpExt},  // none beyond
    {ResultsSiwRange2, TovPeInt, LevelsLine, kSiwRange2},
    {ResultsLiwRange2, FfInt, LevelsLine, kLiwRange2},
};
inline constexpr Table kTableRange2{kResultsNextColumnRange2, kRowsRange2};

// Up to 245 kV the slow-front values are converted; each short-duration
// level fills both phases of its insulation.
inline constexpr Source kSdwConversion[] = {
    {Box(required::SdwPeInt)}, {Box(required::SdwPeExt)}, {Box(required::SdwPpInt)}, {Box(required::SdwPpExt)}};
inline constexpr Source kLiwConversion[] = {
    {Box(required::LiwPeInt)}, {Box(required::LiwPeExt)}, {Box(required::LiwPpInt)}, {Box(required::LiwPpExt)}};
inline constexpr Source kSdwRange1[] = {
    {Box(SdwIntSelected)}, {Box(SdwExtSelected)}, {Box(SdwIntSelected)}, {Box(SdwExtSelected)}};
inline constexpr Source kLiwRange1[] = {{Box(LiwIntSelected)}, {Box(LiwExtSelected)}};

inline constexpr Row kRowsRange1[] = {
    {ResultsUrpRange1, TovPeInt, UrpLine, kUrp},
    {ResultsUcwRange1, TovPeInt, UcwLine, kUcw},
    {ResultsUrwRange1, TovPeInt, UrwLine, kUrw},
    {ResultsSdwConversionRange1, SfPeInt, ConversionLine, kSdwConversion},
    {ResultsLiwConversionRange1, SfPeInt, SecondConversionLine, kLiwConversion},
    {ResultsSdwRange1, TovPeInt, LevelsLine, kSdwRange1},
    {ResultsLiwRange1, FfInt, LevelsLine, kLiwRange1},
};
inline constexpr Table kTableRange1{kResultsNextColumnRange1, kRowsRange1};

}  // namespace insulation_level::results
