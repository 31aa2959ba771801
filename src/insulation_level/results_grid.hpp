#pragma once
// The geometry of the two results grids, in twips from the top left corner of
// their tab page: two header columns, then ten value columns (temporary,
// slow-front and fast-front overvoltages by phase and insulation); three
// header rows, then the value rows of the range.

namespace insulation_level::grid {

inline constexpr int kLeft = 0, kTop = 360;
inline constexpr int kTitleWidth = 1680, kSecondWidth = 1800;
inline constexpr int kValuesLeft = kTitleWidth + kSecondWidth, kColumnWidth = 1050, kColumns = 10;
inline constexpr int kWidth = kValuesLeft + kColumns * kColumnWidth;
inline constexpr int kHeaderHeight = 480, kValueHeight = 540;

// Rows from the top: three header rows, the value rows of Urp, Ucw, Urw and
// the conversions (one above 245 kV, two up to 245 kV), the selection's
// header line and its value line.
constexpr int ConversionRows(bool range1) { return range1 ? 2 : 1; }
constexpr int ValueRowTop(int valueRow) { return 3 * kHeaderHeight + valueRow * kValueHeight; }
constexpr int SelectionHeaderTop(bool range1) { return ValueRowTop(3 + ConversionRows(range1)); }
constexpr int SelectionValueTop(bool range1) { return SelectionHeaderTop(range1) + kHeaderHeight; }
constexpr int Height(bool range1) { return SelectionValueTop(range1) + kValueHeight; }
constexpr int ColumnLeft(int column) { return kValuesLeft + (column - 1) * kColumnWidth; }  // columns 1 to 10

}  // namespace insulation_level::grid
