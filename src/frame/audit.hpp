#pragma once
// What the program does, held against what its pages say of it. The platform
// tells the audit which boxes every procedure reads and writes; the audit
// does not take the pages' declarations for granted, it finds:
// - a box the program wrote that no row declares, or none for the way chosen
//   now (the range, the options of its rows' `when`);
// - a copy of a box whose row does not name the box it copies, or that a
//   button of the copied box's page makes without being declared the box's
//   publisher (a copy: the box written holds the very text the procedure
//   read last, and no answer of an input box came between: what the person
//   entered is theirs, a copy of it too);
// - a page reached while a copy on it stands for a box beyond the person's
//   reach that holds something else since;
// - a step that read an unfinished number ("-", "1,5E") and went on without
//   a word, and an unfinished number refused while a person types it;
// - a box or option a procedure read before it wrote a result, that the
//   result depends on, and that the row of that result does not name (itself
//   or through a box it names): a change of it would leave the result
//   standing. A value a page kept for a later step (frame/kept.hpp) is read
//   as the controls it was taken from. Whether the result depends on the
//   read the audit tries on a copy of the program: the same action done
//   again, the read answered with other values, beyond and below every value
//   the procedure read; a read that only decided a message or whether to go
//   on leaves the results as they were;
// - a choice written without the rule told which source it copies, or told
//   another one than the box the procedure copied;
// - a button held for a value that its step neither reads nor passes on to
//   a later page that computes from it: the step is tried on a copy of the
//   program, where the button is pressed.

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/program_copy.hpp"
#include "platform/action_log.hpp"
#include "platform/observer.hpp"
#include "platform/tracer.hpp"

namespace platform {
class Platform;
class Window;
}  // namespace platform

namespace frame {

class App;

// A test sets one on the running program; the program never does.
class Audit final : public platform::Tracer, public platform::Observer {
 public:
  // copies: a fresh program to try on what a step would have done
  // otherwise; without one the audit tries nothing.
  explicit Audit(App& app, ProgramCopier copier = {});
  ~Audit() override;
  Audit(const Audit&) = delete;
  Audit& operator=(const Audit&) = delete;

  // What the audit found since the last call, oldest first.
  std::vector<std::string> TakeFaults() { return std::exchange(faults_, {}); }

  void procedureBegan(platform::Control& control, platform::EventType type) override;
  void procedureEnded() override;
  const std::string* textRead(const platform::Control& box) override;
  std::optional<bool> valueRead(const platform::Control& option) override;
  void textWritten(const platform::Control& box) override;
  const std::string* keptRead(std::string_view name, const std::string& text,
                              std::span<const platform::Control* const> from) override;
  void eventsSettled() override;

 private:
  using Key = std::pair<std::string, int>;
  using Pages = std::set<std::pair<const platform::Control*, int>>;

  // One procedure while it runs.
  struct Frame {
    platform::Control* control;
    platform::EventType type;
    std::size_t messagesBefore;  // shown before it began
    std::size_t messagesBeforeAction;  // shown before the person's action began
    std::size_t inputs;    // input boxes shown before it last wrote a box
    // Boxes it wrote from an answer, or copied from such a box: the person's.
    std::set<const platform::Control*> entered;
    // The boxes read since the procedure last wrote a result, in order.
    std::vector<const platform::Control*> reads;
    // Boxes it read while they held an unfinished number.
    std::vector<std::pair<const platform::Control*, std::string>> unfinished;
    // The change of a box a person typed an unfinished number into: that text.
    std::string typedUnfinished;
    // Its place among the procedures of the person's action now running.
    std::size_t ordinal;
    // The boxes it wrote, in order, emptied ones too; for each box and option
    // it read, how many of them it had written when it first read it.
    std::vector<const platform::Control*> written;
    std::map<const platform::Control*, std::size_t> firstRead;
    // The kept values it read, by name: how many boxes it had written when it
    // first read one, its text then and the controls it was taken from.
    struct KeptRead {
      std::size_t before;
      std::string text;
      std::vector<const platform::Control*> from;
    };
    std::map<std::string, KeptRead, std::less<>> kept;
  };
  // A value a procedure read, which a trial may answer otherwise: a box or
  // option, or a value a page kept (by its name, standing for `from`).
  struct ValueRead {
    const platform::Control* control = nullptr;
    std::string kept;
    std::string text;        // as it was read; "1" or "0" for an option
    std::size_t before = 0;  // how many boxes the procedure had written when it first read it
    std::vector<const platform::Control*> from;
    std::string name() const;
  };
  // What a trial answers to one of those reads instead.
  struct Answer {
    const ValueRead* read;
    std::string text;
    bool value;
  };
  // A copy as the program wrote it, and the box it copies.
  struct Copy {
    std::string text;
    std::string by;
    const platform::Control* of;
  };

  bool Watched(const platform::Control& c) const;
  static bool Reachable(const platform::Control& c, const Pages& enabled);
  Pages EnabledPages() const;
  void Fault(std::string what);
  void ResultWritten(Frame& f, const platform::Control& box);
  void CopyWritten(const Frame& f, const platform::Control& box, const platform::Control& copied);
  void ChoiceWritten(const Frame& f, const platform::Control& box, const platform::Control* copied);
  // The rows that declare a box; empty when none does.
  std::span<const std::size_t> RowsOf(const platform::Control& box) const;
  void NewWindow();
  void Read(const platform::Control& c);

  // The results a procedure wrote after a read that their own rows do not
  // name (audit_sources.cpp).
  void MissingSources(const Frame& f);
  // Whether the rows chosen now of a box name the control, or name a box whose rows do.
  bool RowsName(const platform::Control& box, const platform::Control& read) const;
  // The texts the procedure leaves in `boxes` on a copy where its reads are
  // answered so; nullopt for a box it left empty or did not write.
  std::vector<std::optional<std::string>> TryAnswers(const Frame& f, std::span<const Answer> answers,
                                                     std::span<const platform::Control* const> boxes);
  // The buttons held for a value their step does not need.
  void UnneededHolds();
  // A button that passes a row's result on, found once per main window.
  struct Hold {
    std::size_t row;
    const platform::Control* box;
    const platform::Control* button;
  };
  void FindHolds();
  bool Needs(const platform::Control& button, const platform::Control& box);
  // A copy of the program brought to where this one stood before the
  // action now running (`through` false) or after it.
  std::unique_ptr<ProgramCopy> CopyOfProgram(bool through);

  App& app_;
  platform::Platform& platform_;
  std::map<Key, std::vector<std::size_t>> rowsOf_;
  std::set<Key> publishers_;
  const platform::Window* main_ = nullptr;
  // The messages shown before the person's action now running began.
  std::size_t messagesBefore_ = 0;
  std::vector<Frame> frames_;
  std::map<const platform::Control*, Copy> copies_;
  Pages enabledBefore_;
  std::vector<std::string> faults_;
  // What the person did, for the copies; where the action now running
  // stands in it, and how many procedures it has begun.
  platform::ActionLog log_;
  ProgramCopier copier_;
  std::size_t action_ = 0;
  std::size_t begun_ = 0;
  // The faults of holds told already.
  std::set<std::string> told_;
  std::vector<Hold> holds_;
};

}  // namespace frame
