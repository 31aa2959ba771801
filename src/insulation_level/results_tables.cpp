#include "insulation_level/results_tables.hpp"

#include <array>
#include <optional>
#include <span>
#include <string>

#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "insulation_level/level_slots.hpp"
#include "platform/numbers.hpp"

namespace insulation_level {

namespace {

using frame::ControlRef;

constexpr const char* kUnit = " kV";
// What a word of a fast-front box leaves after the cut; its cell stays empty.
constexpr const char* kIgnoredCut = "Igno";

// The sources of one column in the rows Urp, Ucw and Urw. The fast-front
// boxes of the external column, and the fast-front Urp of both, may hold a word.
struct Column {
  ControlRef urp, ucw, urw;
  bool urpIgnorable, externalFastFront;
};
constexpr std::array<Column, 10> kColumns{{
    {{"txtTOVpe"}, {"Text1", 101}, {"Text1", UrwTovPeInt}, false, false},
    {{"txtTOVpe"}, {"Text1", 101}, {"Text1", UrwTovPeExt}, false, false},
    {{"txtTOVpp"}, {"Text1", 100}, {"Text1", UrwTovPpInt}, false, false},
    {{"txtTOVpp"}, {"Text1", 100}, {"Text1", UrwTovPpExt}, false, false},
    {{"Text1", 60}, {"Text1", 103}, {"Text1", UrwSfPeInt}, false, false},
    {{"Text1", 62}, {"Text1", 105}, {"Text1", UrwSfPeExt}, false, false},
    {{"Text1", 61}, {"Text1", 102}, {"Text1", UrwSfPpInt}, false, false},
    {{"Text1", 63}, {"Text1", 104}, {"Text1", UrwSfPpExt}, false, false},
    {{"Text1", 77}, {"Text1", 139}, {"Text1", UrwFfPpInt}, true, false},
    {{"Text1", 78}, {"Text1", 137}, {"Text1", UrwFfPpExt}, true, true},
}};

// A cell and its source box.
struct Cell {
  int cell;
  ControlRef source;
};

// Above 245 kV: the conversion to switching impulse levels in the temporary
// columns, and the selected levels.
constexpr Cell kRange2Conversion[] = {
    {288, {"Text1", SiwPeInt}}, {289, {"Text1", SiwPeExt}}, {290, {"Text1", SiwPpInt}}, {291, {"Text1", SiwPpExt}}};
constexpr Cell kRange2PhaseToEarth[] = {{298, {"Text1", SiwPeIntRange2}}, {299, {"Text1", SiwPeExtRange2}}};
constexpr Cell kRange2Lightning[] = {{306, {"Text1", LiwIntRange2}}, {307, {"Text1", LiwExtRange2}}};
// The phase-to-phase switching level shows as its two opposite halves.
constexpr Cell kRange2Halves[] = {{300, {"Text1", SiwPpIntRange2}}, {301, {"Text1", SiwPpExtRange2}}};
// The slow-front columns repeat the temporary ones' selected levels.
constexpr int kRange2SlowFrontSelection = 302, kRange2TovSelection = 298, kRange2EmptyFirst = 292,
              kRange2EmptyLast = 297;

// Up to 245 kV: the conversions in the slow-front columns, then the selected
// levels; each short-duration level fills both phases of its insulation.
constexpr Cell kRange1Cells[] = {
    {345, {"Text1", SdwPeInt}},       {344, {"Text1", SdwPeExt}},       {343, {"Text1", SdwPpInt}},
    {342, {"Text1", SdwPpExt}},       {341, {"Text1", LiwPeInt}},       {340, {"Text1", LiwPeExt}},
    {339, {"Text1", LiwPpInt}},       {338, {"Text1", LiwPpExt}},       {349, {"Text1", SdwIntSelected}},
    {348, {"Text1", SdwExtSelected}}, {347, {"Text1", SdwIntSelected}}, {346, {"Text1", SdwExtSelected}},
    {351, {"Text1", LiwIntSelected}}, {350, {"Text1", LiwExtSelected}},
};

// The text a cell shows of its source; the source keeps its whole text.
std::string CutCopy(frame::App& app, const ControlRef& source) {
  return frame::FourCharsCopy(app.g, app.control(source.name, source.index).text(), app.control("Text8"));
}

void WriteCell(frame::App& app, int cell, const ControlRef& source, bool ignorable = false) {
  const std::string cut = CutCopy(app, source);
  app.text1(cell).setText(ignorable && cut == kIgnoredCut ? std::string() : cut + kUnit);
}

void WriteCells(frame::App& app, std::span<const Cell> cells) {
  for (const Cell& c : cells) WriteCell(app, c.cell, c.source);
}

// The Urp, Ucw and Urw rows; the cell of a column and row by the range's numbering.
template <typename CellOf>
void WriteOvervoltageRows(frame::App& app, CellOf cellOf) {
  for (int row = 0; row < 3; ++row)
    for (int column = 1; column <= 10; ++column) {
      const Column& c = kColumns[column - 1];
      const ControlRef& source = row == 0 ? c.urp : row == 1 ? c.ucw : c.urw;
      const bool ignorable = row == 0 ? c.urpIgnorable : c.externalFastFront;
      WriteCell(app, cellOf(row, column), source, ignorable);
    }
}

// Half a phase-to-phase level, with as many decimals as it needs.
void WriteHalf(frame::App& app, int cell, const ControlRef& source) {
  const std::optional<double> level = frame::NumberAsTyped(app.control(source.name, source.index));
  if (!level) {
    WriteCell(app, cell, source);
    return;
  }
  app.text1(cell).setText(platform::NumberToText(*level / 2.0) + kUnit);
}

}  // namespace

void ResultsTables::FillResultsRange2() {
  WriteOvervoltageRows(app_, [](int row, int column) { return kResults2First + row * 10 + column - 1; });
  WriteCells(app_, kRange2Conversion);
  for (int cell = kRange2EmptyFirst; cell <= kRange2EmptyLast; ++cell) app_.text1(cell).setText("");
  WriteCells(app_, kRange2PhaseToEarth);
  for (const Cell& c : kRange2Halves) WriteHalf(app_, c.cell, c.source);
  for (int i = 0; i < 4; ++i)
    app_.text1(kRange2SlowFrontSelection + i).setText(app_.text1(kRange2TovSelection + i).text());
  WriteCells(app_, kRange2Lightning);
}

void ResultsTables::FillResultsRange1() {
  WriteOvervoltageRows(app_, [](int row, int column) { return 338 - column - row * 10; });
  WriteCells(app_, kRange1Cells);
}

}  // namespace insulation_level
