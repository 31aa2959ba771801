// The results page's two tables: on SSTab1(13) the table above 245 kV, on
// SSTab1(14) the one up to 245 kV. Each is a grid picture with the header
// labels Label74 and the cells Text1 laid over it; a cell shows "2222222"
// until the table is filled. The cells are placed by the line and column of
// their row of the table (results_rows.hpp).

#include <vector>

#include "frame/design_kit.hpp"
#include "frame/value_store.hpp"
#include "insulation_level/results_rows.hpp"
#include "insulation_level/results_tables.hpp"

namespace insulation_level {

namespace {

using namespace frame::design;

// The geometry of the two grids, in twips from the top left corner of their
// tab page: two header columns, then ten value columns (temporary,
// slow-front and fast-front overvoltages by phase and insulation); three
// header rows, then the value rows of the range.
constexpr int kLeft = 0, kTop = 360;
constexpr int kTitleWidth = 1680, kSecondWidth = 1800;
using results::kColumns;
constexpr int kValuesLeft = kTitleWidth + kSecondWidth, kColumnWidth = 1050;
constexpr int kWidth = kValuesLeft + kColumns * kColumnWidth;
constexpr int kHeaderHeight = 480, kValueHeight = 540;

// Rows from the top: three header rows, the value rows of Urp, Ucw, Urw and
// the conversions (one above 245 kV, two up to 245 kV), the selection's
// header line and its value line.
constexpr int ConversionRows(bool range1) { return range1 ? 2 : 1; }
constexpr int ValueRowTop(int valueRow) { return 3 * kHeaderHeight + valueRow * kValueHeight; }
constexpr int SelectionHeaderTop(bool range1) { return ValueRowTop(3 + ConversionRows(range1)); }
constexpr int SelectionValueTop(bool range1) { return SelectionHeaderTop(range1) + kHeaderHeight; }
constexpr int Height(bool range1) { return SelectionValueTop(range1) + kValueHeight; }
constexpr int ColumnLeft(int column) { return kValuesLeft + (column - 1) * kColumnWidth; }  // columns 1 to 10

constexpr int kCellWidth = 930, kCellHeight = 285;
// The phase-to-phase switching cells leave room for the ± before them.
constexpr int kSignRoom = 180;
// The ± of the two opposite halves, between the column's left line and its cell.
constexpr int kSignLeft = 15, kSignWidth = 120;

struct Table {
  bool range1;
  int strip;
  const char* picture;
  const char* pictureName;
  const results::Table& cells;
};

// A table's tab page, and a box on it given from the grid's top left corner.
constexpr Place TablePage(const Table& t) { return TabPage("SSTab1", t.strip, 0); }
constexpr Rect OnGrid(int left, int top, int width, int height) { return {kLeft + left, kTop + top, width, height}; }

// A header label centred in its span of the grid.
struct Header {
  int left, top, width, height;
  const char* caption;
};

constexpr unsigned kHeader = platform::Bold | platform::Centered;

void AddHeaders(std::vector<ControlDesign>& rows, const Table& t, int& label) {
  const auto add = [&](Header h, unsigned flags = kHeader) {
    rows.push_back(Label(TablePage(t), "Label74", label++,
                         OnGrid(h.left + 30, h.top + 30, h.width - 60, h.height - 60), h.caption, flags));
  };
  const int second = kTitleWidth;
  add({0, 0, kValuesLeft, 2 * kHeaderHeight, "Type of overvoltage"});
  add({0, 2 * kHeaderHeight, kValuesLeft, kHeaderHeight, "Insulation"});
  add({ColumnLeft(1), 0, 4 * kColumnWidth, kHeaderHeight, "Temporary overvoltages"});
  add({ColumnLeft(5), 0, 4 * kColumnWidth, kHeaderHeight, "Slow-front overvoltages"});
  add({ColumnLeft(9), 0, 2 * kColumnWidth, kHeaderHeight, "Fast-front overvoltages"});
  for (int column : {1, 5}) {
    add({ColumnLeft(column), kHeaderHeight, 2 * kColumnWidth, kHeaderHeight, "Phase-to-earth"});
    add({ColumnLeft(column + 2), kHeaderHeight, 2 * kColumnWidth, kHeaderHeight, "Phase-to-phase"});
  }
  add({ColumnLeft(9), kHeaderHeight, 2 * kColumnWidth, kHeaderHeight, "Phase-to-earth and phase-to-phase"});
  for (int column = 1; column <= kColumns; ++column)
    add({ColumnLeft(column), 2 * kHeaderHeight, kColumnWidth, kHeaderHeight, column % 2 ? "Internal" : "External"});

  const int conversions = ConversionRows(t.range1);
  add({0, ValueRowTop(0), kTitleWidth, kValueHeight, "Representative overvoltages"});
  add({0, ValueRowTop(1), kTitleWidth, kValueHeight, "Co-ordination withstand voltages"});
  add({0, ValueRowTop(2), kTitleWidth, kValueHeight, "Required withstand voltages"});
  add({0, ValueRowTop(3), kTitleWidth, conversions * kValueHeight, "Standard withstand voltages"});
  // "Values of U" with its subscript just right of the U.
  const char* subscripts[] = {"rp", "cw", "rw"};
  for (int row = 0; row < 3; ++row) {
    const int top = ValueRowTop(row) + (kValueHeight - 255) / 2;
    rows.push_back(Label(TablePage(t), "Label74", label++, OnGrid(second + 360, top, 1200, 255), "Values of U")
                       .bold()
                       .nowrap());
    rows.push_back(
        Subscript(TablePage(t), "Label74", label++, OnGrid(second + 1290, top + 45, 210, 225), subscripts[row]).bold());
  }
  if (t.range1) {
    add({second, ValueRowTop(3), kSecondWidth, kValueHeight, "Conversion to SDW"});
    add({second, ValueRowTop(4), kSecondWidth, kValueHeight, "Conversion to LIW"});
  } else {
    add({second, ValueRowTop(3), kSecondWidth, kValueHeight, "Conversion to SIW"});
  }
  add({second, SelectionHeaderTop(t.range1), kSecondWidth, kHeaderHeight + kValueHeight,
       "Selection of starndard withstand voltages"});
  const int top = SelectionHeaderTop(t.range1);
  if (t.range1) {
    add({ColumnLeft(1), top, 4 * kColumnWidth, kHeaderHeight, "Short-duration power-frequency"});
  } else {
    for (int column : {1, 3, 5, 7}) add({ColumnLeft(column), top, 2 * kColumnWidth, kHeaderHeight, "Switching impulse"});
  }
  add({ColumnLeft(9), top, 2 * kColumnWidth, kHeaderHeight, "Lightning impulse"});
  if (!t.range1) {
    int sign = 0;
    for (int column : {3, 4, 7, 8}) {
      const int signTop = SelectionValueTop(false) + (kValueHeight - kCellHeight) / 2;
      rows.push_back(Label(TablePage(t), "lblPlusMinus", sign++,
                           OnGrid(ColumnLeft(column) + kSignLeft, signTop, kSignWidth, kCellHeight), "±")
                         .centered());
    }
  }
}

constexpr Table kRange2{false, ResultsTables::kRange2Strip, "Image7", "results_range2", results::kTableRange2};
constexpr Table kRange1{true, ResultsTables::kRange1Strip, "Image8", "results_range1", results::kTableRange1};

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  int label = 0;
  for (const Table& t : {kRange2, kRange1}) {
    rows.push_back(Picture(TablePage(t), t.picture, platform::kNoIndex, OnGrid(0, 0, kWidth, Height(t.range1)),
                           t.pictureName));
    AddHeaders(rows, t, label);
  }
  return rows;
}

ControlDesign Cell(const Table& t, int slot, results::Line line, int column) {
  using enum results::Column;
  const bool levels = line == results::LevelsLine;
  const int rowTop = levels ? SelectionValueTop(t.range1) : ValueRowTop(line);
  int left = ColumnLeft(column) + (kColumnWidth - kCellWidth) / 2;
  int width = kCellWidth;
  const bool phaseToPhase = column == TovPpInt || column == TovPpExt || column == SfPpInt || column == SfPpExt;
  if (!t.range1 && levels && phaseToPhase) {
    left += kSignRoom / 2;
    width -= kSignRoom / 2;
  }
  return Box(TablePage(t), slot, OnGrid(left, rowTop + (kValueHeight - kCellHeight) / 2, width, kCellHeight))
      .locked()
      .text(frame::kResultsCellText)
      .back(platform::kWhite);
}

std::vector<ControlDesign> MakeCells() {
  std::vector<ControlDesign> rows;
  for (const Table& t : {kRange2, kRange1})
    for (const results::Row& row : t.cells.rows)
      for (int column = row.firstColumn; column < row.firstColumn + row.columns(); ++column)
        rows.push_back(Cell(t, t.cells.Cell(row, column), row.line, column));
  return rows;
}

}  // namespace

std::span<const ControlDesign> ResultsTables::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> ResultsTables::ValueStoreRows() const {
  static const std::vector<ControlDesign> rows = MakeCells();
  return rows;
}

}  // namespace insulation_level
