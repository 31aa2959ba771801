// The results page's two tables: on SSTab1(13) the table above 245 kV, on
// SSTab1(14) the one up to 245 kV. Each is a grid picture with the header
// labels Label74 and the cells Text1 laid over it; a cell shows "2222222"
// until the table is filled. The cells are placed by their row and column.

#include <string>
#include <vector>

#include "frame/value_store.hpp"
#include "insulation_level/level_designs.hpp"
#include "insulation_level/slots.hpp"
#include "insulation_level/results_grid.hpp"

namespace insulation_level {

namespace {

using platform::ControlDesign;
using platform::Kind;
using namespace grid;

constexpr int kRange2Strip = 13, kRange1Strip = 14;
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
};

// Where a cell of a table stands: its value row (0 Urp, 1 Ucw, 2 Urw, then
// the conversions; -1 the selection) and its column 1 to 10.
struct CellPlace {
  int row, column;
};

CellPlace Range2Cell(int slot) {
  const int n = slot - kResults2First;
  const int row = n / kColumns;
  return {row == 4 ? -1 : row, n % kColumns + 1};
}

CellPlace Range1Cell(int slot) {
  if (slot >= 346) {  // the selection: 349 to 346 in columns 1 to 4, 351 and 350 in 9 and 10
    if (slot >= 350) return {-1, 360 - slot};
    return {-1, 350 - slot};
  }
  if (slot >= 342) return {3, 350 - slot};  // short-duration conversion, columns 5 to 8
  if (slot >= 338) return {4, 346 - slot};  // lightning conversion
  const int n = 337 - slot;                 // Urp 337 to 328, Ucw 327 to 318, Urw 317 to 308
  return {n / kColumns, n % kColumns + 1};
}

ControlDesign OnPage(const Table& t, Kind kind, const char* name, int index, int left, int top, int width,
                     int height, const char* caption, unsigned flags) {
  return {.kind = kind, .name = name, .index = index, .container = "SSTab1", .containerIndex = t.strip, .page = 0,
          .left = kLeft + left, .top = kTop + top, .width = width, .height = height, .caption = caption,
          .flags = flags};
}

// A header label centred in its span of the grid.
struct Header {
  int left, top, width, height;
  const char* caption;
};

constexpr unsigned kHeader = platform::Bold | platform::Centered;

void AddHeaders(std::vector<ControlDesign>& rows, const Table& t, int& label) {
  const auto add = [&](Header h, unsigned flags = kHeader) {
    rows.push_back(OnPage(t, Kind::Label, "Label74", label++, h.left + 30, h.top + 30, h.width - 60, h.height - 60,
                          h.caption, flags));
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
    rows.push_back(OnPage(t, Kind::Label, "Label74", label++, second + 360, top, 1200, 255, "Values of U",
                          platform::Bold | platform::NoWrap));
    ControlDesign sub = OnPage(t, Kind::Label, "Label74", label++, second + 1290, top + 45, 210, 225,
                               subscripts[row], platform::Bold);
    sub.fontSize = platform::kSubscriptFontSize;
    rows.push_back(sub);
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
    for (int column : {3, 4, 7, 8})
      rows.push_back(OnPage(t, Kind::Label, "lblPlusMinus", sign++, ColumnLeft(column) + kSignLeft,
                            SelectionValueTop(false) + (kValueHeight - kCellHeight) / 2, kSignWidth, kCellHeight, "±",
                            platform::Centered));
  }
}

constexpr Table kRange2{false, kRange2Strip, "Image7", "results_range2"};
constexpr Table kRange1{true, kRange1Strip, "Image8", "results_range1"};

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  int label = 0;
  for (const Table& t : {kRange2, kRange1}) {
    rows.push_back(OnPage(t, Kind::Image, t.picture, platform::kNoIndex, 0, 0, kWidth, Height(t.range1),
                          t.pictureName, 0));
    AddHeaders(rows, t, label);
  }
  return rows;
}

ControlDesign Cell(const Table& t, int slot, CellPlace place) {
  const int rowTop = place.row < 0 ? SelectionValueTop(t.range1) : ValueRowTop(place.row);
  int left = ColumnLeft(place.column) + (kColumnWidth - kCellWidth) / 2;
  int width = kCellWidth;
  const bool phaseToPhase = place.column == 3 || place.column == 4 || place.column == 7 || place.column == 8;
  if (!t.range1 && place.row < 0 && phaseToPhase) {
    left += kSignRoom / 2;
    width -= kSignRoom / 2;
  }
  ControlDesign d = OnPage(t, Kind::TextBox, "Text1", slot, left, rowTop + (kValueHeight - kCellHeight) / 2, width,
                           kCellHeight, frame::kResultsCellText, platform::Locked);
  d.backColor = platform::kWhite;
  return d;
}

std::vector<ControlDesign> MakeCells() {
  std::vector<ControlDesign> rows;
  for (int slot = kResults2First; slot <= kResults2Last; ++slot) rows.push_back(Cell(kRange2, slot, Range2Cell(slot)));
  for (int slot = kResults1First; slot <= kResults1Last; ++slot) rows.push_back(Cell(kRange1, slot, Range1Cell(slot)));
  return rows;
}

}  // namespace

std::span<const ControlDesign> ResultsDesign() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> ResultsValueStoreRows() {
  static const std::vector<ControlDesign> rows = MakeCells();
  return rows;
}

}  // namespace insulation_level
