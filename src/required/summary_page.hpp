#pragma once
// What the four pages of the strip SSTab1(6) share. Each page shows a
// summary of its values: ENTER asks for them one after the other, or
// CALCULATE opens an inner strip over the page whose accept copies the
// strip's results in. Each "Next >>" waits for the values a later page
// reads. A page declares its own routes and data; these procedures play them.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "frame/dependencies.hpp"
#include "frame/page.hpp"

namespace frame {
class App;
}

namespace required {

// One summary box and the strip result the accept copies into it.
struct SummaryCopy {
  int summary, result;
  const char* word = nullptr;  // what the value may be instead of a number ("Ignored")
};

// The labels Label4(firstLabel..lastLabel) of a summary and its boxes, in
// the order the accept fills them.
struct SummaryGroup {
  int firstLabel, lastLabel;
  std::span<const SummaryCopy> copies;
};

// What the accept of an inner strip does.
struct StripAccept {
  int strip;  // SSTab1
  std::span<const SummaryGroup> groups;
  int flag;       // Text1 "1" once accepted; kNoIndex for none
  int calculate;  // Command25 whose caption the accept changes
  const char* recalculated;
};

// A "Next >>" and the boxes it waits for.
struct NextRule {
  const char* array;  // "Command21" or "Command29"
  int button;
  std::span<const int> watched;
};

// One value ENTER asks for: its box, whether it is a phase-to-earth value
// (tested as v times the square root of 3 against Um), the box the same
// text is copied into, and the title of a refused lower value.
struct Question {
  const char* prompt;
  int slot;
  bool phaseToEarth;
  int copyTo;
  const char* notChangedTitle;
};

// The four Urw values of the temporary-overvoltage and slow-front pages.
constexpr std::array<Question, 4> UrwQuestions(int peInt, int ppInt, int peExt, int ppExt) {
  constexpr const char* kNotChanged = "Urw value not changed";
  constexpr int kNone = platform::kNoIndex;
  return {{{"Enter internal Urw(p-e) value", peInt, true, kNone, kNotChanged},
           {"Enter internal Urw(p-p) value", ppInt, false, kNone, kNotChanged},
           {"Enter external Urw(p-e) value", peExt, true, kNone, kNotChanged},
           {"Enter external Urw(p-p) value", ppExt, false, kNone, kNotChanged}}};
}

// The values of one summary that ENTER asks for.
struct SummaryEntry {
  std::span<const Question> questions;
  const SummaryGroup& summary;
  int flag;  // Text1, or kNoIndex where any value may be entered
  const char* invalidTitle;
};

// The inner strip SSTab1(strip) opened on its internal tab (the first step
// of every CALCULATE), hidden with its contents kept, and moved between its
// tabs "Internal insulation" and "External insulation".
void OpenStrip(frame::App& app, int strip);
void CloseStrip(frame::App& app, int strip);
void OpenExternalTab(frame::App& app, int strip);
void BackToInternalTab(frame::App& app, int strip);

// The summaries of a page that one range fills.
struct RangeSummaries {
  std::span<const SummaryGroup> groups;
  frame::Range range = frame::Range::Both;
};

// Each summary value depends on the strip result its accept copies, and is
// passed on by the page's "Next >>"; the accept's flag stands until the next
// accept. Rows is the number of copies in all the summaries together, and
// one more for a flag. The rows are the page's that calls it: they name its file.
template <std::size_t Rows>
constexpr std::array<frame::Dependency, Rows> AcceptedDependencies(
    std::initializer_list<RangeSummaries> summaries, int pageNext, int flag = platform::kNoIndex,
    std::source_location where = std::source_location::current()) {
  std::array<frame::Dependency, Rows> rows{};
  std::size_t row = 0;
  if (flag != platform::kNoIndex) rows.at(row++) = frame::Standing(frame::Box(flag), {}, where);
  for (const RangeSummaries& summary : summaries)
    for (const SummaryGroup& group : summary.groups)
      for (const SummaryCopy& copy : group.copies)
        rows.at(row++) = {.result = frame::Box(copy.summary),
                          .from = {frame::Box(copy.result)},
                          .publishers = {frame::ControlRef{"Command21", pageNext}},
                          .word = copy.word,
                          .range = summary.range,
                          .file = where.file_name()};
  if (row != Rows) throw "each copy of the summaries and the flag have one row";
  return rows;
}

class SummaryPage : public frame::Page {
 protected:
  explicit SummaryPage(frame::App& app) : app_(app) {}

  // OpenUrwSlowFrontPage and the like: page n of SSTab1(6).
  void OpenPage(int page);
  // AcceptUrwTov and the like: the results into the page's summary.
  void Accept(const StripAccept& strip);
  // EnterUrwTov and the like: the values of a summary, then the summary
  // shown while any of its boxes holds text, and the button's caption.
  void Enter(const SummaryEntry& entry, int button);
  // Every box a rule waits for runs the rule on each change.
  void DeclareNextRules(frame::Routes& routes, std::span<const NextRule> rules);

  // A box that a later page or stage can read: a number.
  virtual bool IsGiven(int slot) const;
  // What the page does beside its rules when one of their boxes changes, or
  // when an accept copies into one of its summary boxes.
  virtual void FollowBox(int /*slot*/) {}

  frame::App& app_;

 private:
  void FollowNext(const NextRule& rule);
};

}  // namespace required
