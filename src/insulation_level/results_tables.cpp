#include "insulation_level/results_tables.hpp"

#include <array>
#include <optional>
#include <span>
#include <string>

#include "coordination/slots.hpp"
#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "insulation_level/slots.hpp"
#include "platform/numbers.hpp"
#include "platform/window.hpp"
#include "required/slots.hpp"
#include "surge/slots.hpp"
#include "tov/slots.hpp"

namespace insulation_level {

namespace {

using frame::Box;
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
    {{tov::kUrpTovPeBox}, Box(coordination::UcwTovPe), Box(required::UrwTovPeInt), false, false},
    {{tov::kUrpTovPeBox}, Box(coordination::UcwTovPe), Box(required::UrwTovPeExt), false, false},
    {{tov::kUrpTovPpBox}, Box(coordination::UcwTovPp), Box(required::UrwTovPpInt), false, false},
    {{tov::kUrpTovPpBox}, Box(coordination::UcwTovPp), Box(required::UrwTovPpExt), false, false},
    {Box(surge::UrpSfPeInt), Box(coordination::UcwSfPeInt), Box(required::UrwSfPeInt), false, false},
    {Box(surge::UrpSfPeExt), Box(coordination::UcwSfPeExt), Box(required::UrwSfPeExt), false, false},
    {Box(surge::UrpSfPpInt), Box(coordination::UcwSfPpInt), Box(required::UrwSfPpInt), false, false},
    {Box(surge::UrpSfPpExt), Box(coordination::UcwSfPpExt), Box(required::UrwSfPpExt), false, false},
    {Box(surge::UrpFfPe), Box(coordination::UcwFfPpInt), Box(required::UrwFfPpInt), true, false},
    {Box(surge::UrpFfPp), Box(coordination::UcwFfPpExt), Box(required::UrwFfPpExt), true, true},
}};

// A cell and its source box.
struct Cell {
  int cell;
  ControlRef source;
};

// Above 245 kV: the conversion to switching impulse levels in the temporary
// columns, and the selected levels.
constexpr Cell kRange2Conversion[] = {{288, Box(required::SiwPeInt)},
                                      {289, Box(required::SiwPeExt)},
                                      {290, Box(required::SiwPpInt)},
                                      {291, Box(required::SiwPpExt)}};
constexpr Cell kRange2PhaseToEarth[] = {{298, Box(SiwPeIntRange2)}, {299, Box(SiwPeExtRange2)}};
constexpr Cell kRange2Lightning[] = {{306, Box(LiwIntRange2)}, {307, Box(LiwExtRange2)}};
// The phase-to-phase switching level shows as its two opposite halves.
constexpr Cell kRange2Halves[] = {{300, Box(SiwPpIntRange2)}, {301, Box(SiwPpExtRange2)}};
// The slow-front columns repeat the temporary ones' selected levels.
constexpr int kRange2SlowFrontSelection = 302, kRange2TovSelection = 298, kRange2EmptyFirst = 292,
              kRange2EmptyLast = 297;

// Up to 245 kV: the conversions in the slow-front columns, then the selected
// levels; each short-duration level fills both phases of its insulation.
constexpr Cell kRange1Cells[] = {
    {345, Box(required::SdwPeInt)}, {344, Box(required::SdwPeExt)}, {343, Box(required::SdwPpInt)},
    {342, Box(required::SdwPpExt)}, {341, Box(required::LiwPeInt)}, {340, Box(required::LiwPeExt)},
    {339, Box(required::LiwPpInt)}, {338, Box(required::LiwPpExt)}, {349, Box(SdwIntSelected)},
    {348, Box(SdwExtSelected)},     {347, Box(SdwIntSelected)},     {346, Box(SdwExtSelected)},
    {351, Box(LiwIntSelected)},     {350, Box(LiwExtSelected)},
};

// The text a cell shows of its source; the source keeps its whole text.
std::string CutCopy(frame::App& app, const ControlRef& source) {
  return frame::FourCharsCopy(app.module1, frame::Get(app, source).text(), app.scratch());
}

void WriteCell(frame::App& app, int cell, const ControlRef& source, bool ignorable = false) {
  const std::string cut = CutCopy(app, source);
  app.text1(cell).setText(ignorable && cut == kIgnoredCut ? std::string() : cut + kUnit);
}

void WriteCells(frame::App& app, std::span<const Cell> cells) {
  for (const Cell& c : cells) WriteCell(app, c.cell, c.source);
}

// The Urp, Ucw and Urw rows; the cell of a column and row by the range's numbering.
constexpr int Range2Cell(int row, int column) { return kResults2First + row * 10 + column - 1; }
constexpr int Range1Cell(int row, int column) { return 338 - column - row * 10; }
constexpr const ControlRef& OvervoltageSource(int row, int column) {
  const Column& c = kColumns[column - 1];
  return row == 0 ? c.urp : row == 1 ? c.ucw : c.urw;
}

void WriteOvervoltageRows(frame::App& app, int (*cellOf)(int row, int column)) {
  for (int row = 0; row < 3; ++row)
    for (int column = 1; column <= 10; ++column) {
      const Column& c = kColumns[column - 1];
      const bool ignorable = row == 0 ? c.urpIgnorable : c.externalFastFront;
      WriteCell(app, cellOf(row, column), OvervoltageSource(row, column), ignorable);
    }
}

// Half a phase-to-phase level, with as many decimals as it needs.
void WriteHalf(frame::App& app, int cell, const ControlRef& source) {
  const std::optional<double> level = frame::NumberAsTyped(frame::Get(app, source));
  if (!level) {
    WriteCell(app, cell, source);
    return;
  }
  app.text1(cell).setText(platform::NumberToText(*level / 2.0) + kUnit);
}

constexpr int kResultsPage = 4;

// Each cell stands for the box it shows; the slow-front columns' levels for
// the cells they repeat. Only the table of the range is ever filled.
constexpr auto kDependencies = [] {
  std::array<frame::Dependency, 88> rows{};
  std::size_t n = 0;
  const auto add = [&](int cell, const ControlRef& source, frame::Range range) {
    rows.at(n++) = {.result = Box(cell), .from = {{source}}, .range = range};
  };
  for (int row = 0; row < 3; ++row)
    for (int column = 1; column <= 10; ++column) {
      add(Range2Cell(row, column), OvervoltageSource(row, column), frame::Range::II);
      add(Range1Cell(row, column), OvervoltageSource(row, column), frame::Range::I);
    }
  for (std::span<const Cell> cells : {std::span<const Cell>(kRange2Conversion), std::span<const Cell>(kRange2PhaseToEarth),
                                      std::span<const Cell>(kRange2Halves), std::span<const Cell>(kRange2Lightning)})
    for (const Cell& c : cells) add(c.cell, c.source, frame::Range::II);
  for (int i = 0; i < 4; ++i) add(kRange2SlowFrontSelection + i, Box(kRange2TovSelection + i), frame::Range::II);
  for (const Cell& c : kRange1Cells) add(c.cell, c.source, frame::Range::I);
  if (n != rows.size()) throw "every cell of both tables has one row";
  return rows;
}();

}  // namespace

std::span<const frame::Dependency> ResultsTables::Dependencies() const { return kDependencies; }

void ResultsTables::Build(platform::Window& w) { w.createAll(Design()); }

void ResultsTables::OpenResultsTableRange1() { OpenResultsTable(kRange1Strip, kRange2Strip); }
void ResultsTables::OpenResultsTableRange2() { OpenResultsTable(kRange2Strip, kRange1Strip); }

void ResultsTables::OpenResultsTable(int shownStrip, int hiddenStrip) {
  frame::OpenPage(app_.control("tabGeneral"), kResultsPage);
  if (shownStrip == kRange1Strip) FillResultsRange1();
  else FillResultsRange2();
  app_.control("SSTab1", shownStrip).setVisible(true);
  app_.control("SSTab1", hiddenStrip).setVisible(false);
}

void ResultsTables::FillResultsRange2() {
  WriteOvervoltageRows(app_, Range2Cell);
  WriteCells(app_, kRange2Conversion);
  for (int cell = kRange2EmptyFirst; cell <= kRange2EmptyLast; ++cell) app_.text1(cell).setText("");
  WriteCells(app_, kRange2PhaseToEarth);
  for (const Cell& c : kRange2Halves) WriteHalf(app_, c.cell, c.source);
  for (int i = 0; i < 4; ++i)
    app_.text1(kRange2SlowFrontSelection + i).setText(app_.text1(kRange2TovSelection + i).text());
  WriteCells(app_, kRange2Lightning);
}

void ResultsTables::FillResultsRange1() {
  WriteOvervoltageRows(app_, Range1Cell);
  WriteCells(app_, kRange1Cells);
}

}  // namespace insulation_level
