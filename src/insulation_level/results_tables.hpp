#pragma once
// The results tables of page 4: every value of the procedure, from the
// representative overvoltages to the selected level, by kind of overvoltage,
// phase and insulation. A cell shows its source cut to four characters with
// " kV"; the cut is made on a copy, so the pages behind keep their values.

namespace frame {
class App;
}

namespace insulation_level {

class ResultsTables {
 public:
  explicit ResultsTables(frame::App& app) : app_(app) {}

  void FillResultsRange1();
  void FillResultsRange2();

 private:
  frame::App& app_;
};

}  // namespace insulation_level
