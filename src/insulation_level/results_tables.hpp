#pragma once
// The results page (tabGeneral page 4) and its two tables: every value of the
// procedure, from the representative overvoltages to the selected level, by
// kind of overvoltage, phase and insulation. The way on of either layout of
// the standard-insulation-level page opens it with the table of its range
// filled. A cell shows its source cut to four characters with " kV"; the cut
// is made on a copy, so the pages behind keep their values.

#include <span>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace insulation_level {

class ResultsTables final : public frame::Page {
 public:
  explicit ResultsTables(frame::App& app) : app_(app) {}

  void Build(platform::Window& w) override;
  // The tables answer no event of their own: the level pages open them.
  void DeclareRoutes(frame::Routes&) override {}
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  // The results page opened on the table of the range, filled.
  void OpenResultsTableRange1();
  void OpenResultsTableRange2();

  // The tab strips of the two tables.
  static constexpr int kRange2Strip = 13, kRange1Strip = 14;

 private:
  static std::span<const platform::ControlDesign> Design();
  void OpenResultsTable(int shownStrip, int hiddenStrip);
  void FillResultsRange1();
  void FillResultsRange2();

  frame::App& app_;
};

}  // namespace insulation_level
