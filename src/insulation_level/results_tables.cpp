#include "insulation_level/results_tables.hpp"

#include <array>
#include <optional>
#include <span>
#include <string>

#include "coordination/slots.hpp"
#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "insulation_level/slots.hpp"
#include "platform/numbers.hpp"
#include "required/slots.hpp"
#include "surge/slots.hpp"
#include "tov/slots.hpp"

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
    {{tov::kUrpTovPeBox}, {"Text1", coordination::UcwTovPe}, {"Text1", required::UrwTovPeInt}, false, false},
    {{tov::kUrpTovPeBox}, {"Text1", coordination::UcwTovPe}, {"Text1", required::UrwTovPeExt}, false, false},
    {{tov::kUrpTovPpBox}, {"Text1", coordination::UcwTovPp}, {"Text1", required::UrwTovPpInt}, false, false},
    {{tov::kUrpTovPpBox}, {"Text1", coordination::UcwTovPp}, {"Text1", required::UrwTovPpExt}, false, false},
    {{"Text1", surge::UrpSfPeInt}, {"Text1", coordination::UcwSfPeInt}, {"Text1", required::UrwSfPeInt}, false, false},
    {{"Text1", surge::UrpSfPeExt}, {"Text1", coordination::UcwSfPeExt}, {"Text1", required::UrwSfPeExt}, false, false},
    {{"Text1", surge::UrpSfPpInt}, {"Text1", coordination::UcwSfPpInt}, {"Text1", required::UrwSfPpInt}, false, false},
    {{"Text1", surge::UrpSfPpExt}, {"Text1", coordination::UcwSfPpExt}, {"Text1", required::UrwSfPpExt}, false, false},
    {{"Text1", surge::UrpFfPe}, {"Text1", coordination::UcwFfPpInt}, {"Text1", required::UrwFfPpInt}, true, false},
    {{"Text1", surge::UrpFfPp}, {"Text1", coordination::UcwFfPpExt}, {"Text1", required::UrwFfPpExt}, true, true},
}};

// A cell and its source box.
struct Cell {
  int cell;
  ControlRef source;
};

// Above 245 kV: the conversion to switching impulse levels in the temporary
// columns, and the selected levels.
constexpr Cell kRange2Conversion[] = {
    {288, {"Text1", required::SiwPeInt}}, {289, {"Text1", required::SiwPeExt}}, {290, {"Text1", required::SiwPpInt}}, {291, {"Text1", required::SiwPpExt}}};
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
    {345, {"Text1", required::SdwPeInt}},       {344, {"Text1", required::SdwPeExt}},       {343, {"Text1", required::SdwPpInt}},
    {342, {"Text1", required::SdwPpExt}},       {341, {"Text1", required::LiwPeInt}},       {340, {"Text1", required::LiwPeExt}},
    {339, {"Text1", required::LiwPpInt}},       {338, {"Text1", required::LiwPpExt}},       {349, {"Text1", SdwIntSelected}},
    {348, {"Text1", SdwExtSelected}}, {347, {"Text1", SdwIntSelected}}, {346, {"Text1", SdwExtSelected}},
    {351, {"Text1", LiwIntSelected}}, {350, {"Text1", LiwExtSelected}},
};

// The text a cell shows of its source; the source keeps its whole text.
std::string CutCopy(frame::App& app, const ControlRef& source) {
  return frame::FourCharsCopy(app.module1, app.control(source.name, source.index).text(), app.control("Text8"));
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
