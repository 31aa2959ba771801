#pragma once
// Results never outlive the values they were computed from. Each page
// declares, beside its design, what every result it calculates or takes over
// is computed from: boxes of its own page and of earlier stages, or the
// options that chose its method. The rule records what those sources held
// when the program wrote the result; once what a person did has run to its
// end and a source holds something else (typed, entered, recalculated,
// accepted or committed), the result is emptied and the buttons that would
// pass it on are disabled. The emptied result is a source that changed too,
// so whatever was computed from it goes as well.
//
// A result on a page the person cannot reach now (a later page, behind the
// way on that passes the changed value) waits: it goes when the way on of
// the changed value's page is taken, or its own page is reached, while its
// sources still hold something else, and stays when they hold again what it
// was computed from. So a value retyped as it was, or a page calculated
// again to the same values, withdraws nothing later, and no page is ever
// reached with a result of values since changed.
//
// A value a person typed or ENTERed into a result box is theirs: it is never
// recorded, so it is never withdrawn.
//
// A button that passes results on ("Next >>", an accept, a commit) is held
// disabled while one of them holds no number (nor the word that stands for
// an ignored value where the later stage takes it), whatever its page
// enabled: an empty value never reaches a later stage.

#include <array>
#include <cstddef>
#include <map>
#include <set>
#include <source_location>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "frame/control_ref.hpp"
#include "platform/observer.hpp"
#include "platform/window.hpp"

namespace frame {

class App;

inline constexpr std::size_t kMaxSources = 12;

// The range whose road computes a result; the other range's never do.
enum class Range { Both, I, II };

// One result and what it is computed from. Unused places stay empty; a
// value typed on an earlier page that a button passes on is computed from
// nothing.
struct Dependency {
  ControlRef result;
  std::array<ControlRef, kMaxSources> from{};
  // The "Next >>", accept or commit buttons that pass the result on.
  std::array<ControlRef, 2> publishers{};
  // The options that choose this way of computing the result, all of them
  // at once (the mode that asks for the result and the method that gives
  // it). A result that an option computes from other values than another
  // option does has one row per option; what it was computed from is
  // recorded by the row whose options are chosen when the program writes
  // it, and only that row's buttons wait for it. Empty: the only way.
  std::array<ControlRef, 2> when{};
  // A choice among the sources: the result is a copy of the one the procedure
  // that wrote it says it copied (CopiedFrom), and only a change of that one
  // withdraws it. Two sources may show the same text: the text never tells
  // which of them was chosen.
  bool choice = false;
  // The word the result may hold instead of a number, because the later
  // stage has a way for it ("Ignored"); nullptr: a number only.
  const char* word = nullptr;
  Range range = Range::Both;
  // Declared to stand whatever changes (Standing): computed from nothing
  // that withdraws it. A row that names no source and does not stand is a
  // value the person gives, which the program only passes on.
  bool standing = false;
  // The file that declares the row, for the faults that name it.
  const char* file = std::source_location::current().file_name();
};

// A value the program writes that stands until the program writes it again,
// whatever else changes: a page's "calculated" flag, a factor page's value,
// with the button that passes it on, if one does.
constexpr Dependency Standing(ControlRef result, ControlRef publisher = {},
                              std::source_location where = std::source_location::current()) {
  return {.result = result, .publishers = {{publisher}}, .standing = true, .file = where.file_name()};
}

class DependencyRule final : public platform::Observer {
 public:
  explicit DependencyRule(App& app);
  ~DependencyRule() override;
  DependencyRule(const DependencyRule&) = delete;
  DependencyRule& operator=(const DependencyRule&) = delete;

  // The rows of a stage; a result has one row in the whole program, or one
  // per option that chooses how it is computed.
  void Declare(std::span<const Dependency> rows);
  const std::vector<Dependency>& rows() const { return rows_; }
  // A new main window: nothing it shows was computed yet.
  void Reset();
  // The ENTER of a page wrote the person's own value into the box.
  void Entered(const platform::Control& box);
  // The procedure now running copies `source` into `result`, a choice among
  // its row's sources: said before the result is written.
  void CopiedFrom(ControlRef result, ControlRef source);
  // The source a choice row's procedure said it copies, in this action;
  // nullptr where none said so.
  const ControlRef* ToldSource(std::size_t row) const;

  // What the screen shows against the rule, empty whenever a person's action
  // has run to its end: a result that the program wrote and that is still
  // shown although its sources hold something else now than when it was
  // written, or although it was withdrawn; a button that is enabled while a
  // value it passes on holds no number.
  std::vector<std::string> Stale() const;
  std::vector<std::string> PassedOnEmpty() const;
  // Rows that cannot stand on the loaded main window: a control that does
  // not exist, a result declared twice for one option or computed from itself.
  std::vector<std::string> Faults() const;

  // The rows whose options are chosen now (or that have none), on the road of
  // the range now; before the first settled action of a main window, none.
  bool Chosen(std::size_t row) const;
  // The value a row's button would pass on holds a number or the row's word.
  bool Passable(std::size_t row) const;

  void controlChanged(platform::Control& c, platform::Property p) override;
  // A recalculation that arrives at the text a result shows records it anew.
  void textRewritten(platform::Control& c) override;
  void eventsSettled() override;

 private:
  // A control by name and index; the names are the rows' own, or the
  // control's while it is looked up.
  using Key = std::pair<std::string_view, int>;
  struct KeyHash {
    std::size_t operator()(const Key& k) const { return platform::HashName(k.first) * 31 + static_cast<std::size_t>(k.second); }
  };
  using Rows = std::unordered_map<Key, std::vector<std::size_t>, KeyHash>;
  enum class Writer { Program, Person, None };

  // The controls of a row on the loaded main window, found once per window:
  // every settled action looks at all of them.
  struct Bound {
    platform::Control* result = nullptr;
    std::vector<const platform::Control*> from;
    std::vector<const platform::Control*> when;
  };
  void Bind();

  std::vector<std::string> Snapshot(std::size_t row) const;
  // The person can get to the row's result by the pages open now.
  bool Reachable(std::size_t row) const;
  // The step pages open now; whether they lie past a page open before, so
  // that the action took that page's way on.
  using Pages = std::vector<std::pair<const platform::Control*, int>>;
  Pages OpenPages() const;
  static bool MovedOn(const Pages& before, const Pages& now);
  // A source that changed since the row's result was computed lay on a page
  // open before and closed now, or changed in this very action: the way on
  // that was taken has passed it on.
  bool PassedOn(std::size_t row, const std::vector<std::string>& recorded, const Pages& before) const;
  void Written(const platform::Control& c);
  // The sources of a recorded result hold something else now than they did.
  bool Outdated(std::size_t row, const std::vector<std::string>& recorded) const;
  void Withdraw(std::size_t row);
  // The buttons whose values are not all there are held disabled. Only a
  // button whose values or modes changed since is looked at again.
  void HoldPublishers();
  void Touched(const Rows& rows, const platform::Control& c);

  App& app_;
  std::vector<Dependency> rows_;
  Rows byResult_;
  Rows bySource_;
  Rows byOption_;
  std::map<Key, std::vector<std::size_t>> byPublisher_;
  // Empty until the loaded main window's controls are found.
  std::vector<Bound> bound_;
  std::vector<std::pair<platform::Control*, const std::vector<std::size_t>*>> publishers_;
  // For each row, the buttons of publishers_ that pass it on; the buttons
  // whose values or modes changed since the last settled action.
  std::vector<std::vector<std::size_t>> publishersOf_;
  std::vector<bool> touched_;
  bool allTouched_ = true;
  // What the sources held when each recorded result was written.
  std::map<std::size_t, std::vector<std::string>> recorded_;
  // For a choice row, the place among its sources of the one copied: told
  // in the action now running, and recorded with the result.
  std::map<std::size_t, std::size_t> told_;
  std::map<std::size_t, std::size_t> copiedSource_;
  // Who wrote each result that stands in this run: the program, or the
  // person who typed or ENTERed it. Neither: the box keeps its design text.
  std::map<std::size_t, Writer> writers_;
  // What happened since the last settled action.
  std::map<std::size_t, Writer> written_;
  std::set<std::size_t> changedRows_;  // rows one of whose sources changed
  std::set<const platform::Control*> changedSources_;  // in the action now running
  // Recorded results whose sources changed, waiting for their page or for
  // the way on of their sources' page.
  std::set<std::size_t> waiting_;
  std::vector<const platform::Control*> stepStrips_;
  Pages openBefore_;  // the step pages open when the last action had run
};

}  // namespace frame
