#include "insulation_level/results_tables.hpp"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "insulation_level/results_rows.hpp"
#include "platform/numbers.hpp"
#include "platform/window.hpp"

namespace insulation_level {

namespace {

using frame::Box;
using frame::ControlRef;

using results::Row;
using results::Shows;
using results::Table;

constexpr const char* kUnit = " kV";
// What a word of a fast-front box leaves after the cut; its cell stays empty.
constexpr const char* kIgnoredCut = "Igno";

// The text a cell shows of its source; the source keeps its whole text.
std::string CutCopy(frame::App& app, const ControlRef& source) {
  return frame::FourCharsCopy(app.module1, frame::Get(app, source).text(), app.scratch());
}

void WriteCell(frame::App& app, int cell, const ControlRef& source, bool ignorable) {
  const std::string cut = CutCopy(app, source);
  app.text1(cell).setText(ignorable && cut == kIgnoredCut ? std::string() : cut + kUnit);
}

// Half a phase-to-phase level, with as many decimals as it needs.
void WriteHalf(frame::App& app, int cell, const ControlRef& source) {
  const std::optional<double> level = frame::NumberAsTyped(frame::Get(app, source));
  if (!level) {
    WriteCell(app, cell, source, false);
    return;
  }
  app.text1(cell).setText(platform::NumberToText(*level / 2.0) + kUnit);
}

void Show(frame::App& app, int cell, const results::Source& source) {
  switch (source.shows) {
    case Shows::Cut: WriteCell(app, cell, source.box, false); break;
    case Shows::CutUnlessIgnored: WriteCell(app, cell, source.box, true); break;
    case Shows::Half: WriteHalf(app, cell, source.box); break;
    case Shows::Same: app.text1(cell).setText(frame::Get(app, source.box).text()); break;
  }
}

// The rows top to bottom, each left to right, so that a repeated cell is
// written before the cell that repeats it.
void Fill(frame::App& app, const Table& table) {
  for (const Row& row : table.rows)
    for (int i = 0; i < row.columns(); ++i) {
      const int cell = table.Cell(row, row.firstColumn + i);
      if (static_cast<std::size_t>(i) < row.sources.size()) Show(app, cell, row.sources[i]);
      else app.text1(cell).setText("");
    }
}

constexpr int kResultsPage = 4;

// Each cell stands for the box it shows; the slow-front columns' levels for
// the cells they repeat. Only the table of the range is ever filled.
constexpr auto kDependencies = [] {
  std::array<frame::Dependency, 88> rows{};
  std::size_t n = 0;
  for (const auto& [table, range] : {std::pair{&results::kTableRange2, frame::Range::II},
                                     std::pair{&results::kTableRange1, frame::Range::I}})
    for (const Row& row : table->rows)
      for (std::size_t i = 0; i < row.sources.size(); ++i)
        rows.at(n++) = {.result = Box(table->Cell(row, row.firstColumn + static_cast<int>(i))),
                        .from = {{row.sources[i].box}},
                        .range = range};
  if (n != rows.size()) throw "every cell of both tables that shows a box has one row";
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

void ResultsTables::FillResultsRange2() { Fill(app_, results::kTableRange2); }

void ResultsTables::FillResultsRange1() { Fill(app_, results::kTableRange1); }

}  // namespace insulation_level
