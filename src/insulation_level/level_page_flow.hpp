#pragma once
// The ways on and from the page "Standard insulation level": back to the
// required withstand voltages, between the two inner pages above 245 kV, and
// on to the results, whose table of the range is filled and shown.

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace insulation_level {

class ResultsTables;

class LevelPageFlow {
 public:
  LevelPageFlow(frame::App& app, ResultsTables& results) : app_(app), results_(results) {}
  void DeclareRoutes(frame::Routes& routes);

  void OpenResultsRange1();
  void BackToRequiredFromRange1();
  void BackToRequiredFromRange2();
  void OpenRange2ExternalTab();
  void OpenResultsRange2();
  void BackToRange2InternalTab();

 private:
  void WriteDate();
  void OpenResults(int shownTable, int hiddenTable);
  // The external mode cleared and its frames hidden.
  void ClearRange2ExternalMode();

  frame::App& app_;
  ResultsTables& results_;
};

}  // namespace insulation_level
