#pragma once
// ENTER on the four required-withstand pages: the page's values asked one
// after the other and written into its summary. Once a page's calculated
// values were accepted, an entry can only raise them; the conversion page
// takes any value not below Um.

#include <span>

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace required {

struct RwSummaryGroup;
class RwPageFlow;

class RwDirectEntry {
 public:
  RwDirectEntry(frame::App& app, RwPageFlow& flow) : app_(app), flow_(flow) {}
  void DeclareRoutes(frame::Routes& routes);

  void EnterUrwTov();
  void EnterUrwSlowFront();
  void EnterUrwFastFront();
  void EnterConvertedUrw();

  // One asked value: its box, whether it is a phase-to-earth value (tested
  // as v times the square root of 3 against Um), the box the same text is
  // copied into, and the title of a refused lower value.
  struct Question {
    const char* prompt;
    int slot;
    bool phaseToEarth;
    int copyTo;
    const char* notChangedTitle;
  };
  struct Group {
    std::span<const Question> questions;
    const RwSummaryGroup& summary;
    int flag;  // Text1, or kNoIndex where any value may be entered
    const char* invalidTitle;
  };

 private:
  // The values of a group, then its summary shown while any of its boxes
  // holds text, and the button's caption.
  void EnterGroup(const Group& group, int button);

  frame::App& app_;
  RwPageFlow& flow_;
};

}  // namespace required
