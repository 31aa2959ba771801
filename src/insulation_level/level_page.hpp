#pragma once
// A page of the standard insulation level that works from the requirements:
// the levels of either range and the minimum air clearances. They share the
// fit marks of the table searches and the requirement variables, and each
// reads a requirement as the largest of the values several summary boxes of
// the required-withstand pages hold.

#include <initializer_list>
#include <optional>

#include "frame/kept.hpp"
#include "frame/page.hpp"

namespace frame {
class App;
}

namespace insulation_level {

struct IecFits;

// The external lightning requirements up to 245 kV, variables of the main
// window: the level selection of that layout writes them, and its clearances
// read them.
struct LevelVars {
  frame::Kept<double> mRequiredLiwPpExt{"mRequiredLiwPpExt"};
  frame::Kept<double> mRequiredLiwPeExt{"mRequiredLiwPeExt"};
};

class LevelPage : public frame::Page {
 public:
  LevelPage(frame::App& app, IecFits& fits, LevelVars& vars) : app_(app), fits_(fits), vars_(vars) {}

 protected:
  // The largest value of the boxes Text1(slot). A box that holds no number
  // gives no requirement: the selection is then refused rather than run on a
  // number that is not on screen.
  std::optional<double> Largest(std::initializer_list<int> slots) const;
  // The refusal of a selection: the group message, and the boxes and labels
  // of its result emptied and hidden.
  void RefuseSelection(std::initializer_list<int> results, std::initializer_list<int> labels);
  // Shows or hides name(first) to name(last), each as far as the page holds
  // it: the clearance lines come and go by runs of indices.
  void SetRunVisible(const char* name, int first, int last, bool visible);

  frame::App& app_;
  IecFits& fits_;
  LevelVars& vars_;
};

}  // namespace insulation_level
