// What the audit tries on a copy of the program of the values a procedure
// read: whether a result it wrote depends on one that the result's own row
// does not name.
//
// Each read is tried with answers beyond every number the procedure read and
// below them all (so that a read can win where the procedure takes the
// largest or the smallest), or twice and half of it where those are refused.
// Many reads are answered together in one trial, as long as the trial
// answers none that a result judged by it names: a result that comes out as
// before stood for all of them at once, and only a result that changes is
// tried again read by read to find the one that decides it.

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

#include "frame/app.hpp"
#include "frame/audit.hpp"
#include "frame/audit_kit.hpp"
#include "frame/audit_names.hpp"
#include "platform/numbers.hpp"

namespace frame {

using platform::Control;
using platform::EventType;

namespace {

// On a copy: the procedure-th procedure of the action answers its reads of
// some boxes, options or kept values otherwise, each from its first read in
// that procedure until it ends or the box is written; what it writes itself
// is kept as it stands at its end.
class ReadTrial final : public platform::Tracer {
 public:
  struct Target {
    const Control* control;  // on the copy; nullptr for a kept value
    std::string kept;
    std::string text;
    bool value;
    bool answering = false;
  };
  ReadTrial(std::size_t procedure, std::vector<Target> targets, const platform::Window& main)
      : procedure_(procedure), targets_(std::move(targets)), main_(main) {}

  void procedureBegan(Control&, EventType) override { open_.push_back(begun_++); }
  void procedureEnded() override {
    if (open_.empty()) return;
    if (open_.back() == procedure_ && !ended_) {
      ended_ = true;
      for (const Control* box : wrote_) texts_[box] = box->text();
    }
    open_.pop_back();
  }
  const std::string* textRead(const Control& box) override {
    const Target* t = Answering(&box, {});
    return t != nullptr ? &t->text : nullptr;
  }
  std::optional<bool> valueRead(const Control& option) override {
    if (const Target* t = Answering(&option, {})) return t->value;
    return std::nullopt;
  }
  const std::string* keptRead(std::string_view name, const std::string&, std::span<const Control* const>) override {
    const Target* t = Answering(nullptr, name);
    return t != nullptr ? &t->text : nullptr;
  }
  void textWritten(const Control& box) override {
    for (Target& t : targets_)
      if (t.control == &box) t.answering = false;
    if (InProcedure() && &box.window() == &main_) wrote_.insert(&box);
  }

  // The text the procedure left in a box it wrote; nullptr where it wrote none.
  const std::string* Wrote(const Control& box) const {
    const auto found = texts_.find(&box);
    return found == texts_.end() ? nullptr : &found->second;
  }

 private:
  bool InProcedure() const { return !ended_ && !open_.empty() && open_.back() == procedure_; }
  const Target* Answering(const Control* c, std::string_view kept) {
    if (ended_) return nullptr;
    for (Target& t : targets_) {
      if (t.control != nullptr ? c != t.control : c != nullptr || kept != t.kept) continue;
      if (InProcedure()) t.answering = true;
      return t.answering ? &t : nullptr;
    }
    return nullptr;
  }

  std::size_t procedure_;
  std::vector<Target> targets_;
  const platform::Window& main_;
  std::size_t begun_ = 0;
  std::vector<std::size_t> open_;
  bool ended_ = false;
  std::set<const Control*> wrote_;
  std::map<const Control*, std::string> texts_;
};

// The answers a set of reads is tried with, in turn.
enum class Kind { Beyond, Below, Twice, Half };
constexpr Kind kKinds[] = {Kind::Beyond, Kind::Below, Kind::Twice, Kind::Half};

// A result the procedure wrote, the reads before its last write that its
// rows do not name and those they do.
struct Judged {
  const Control* box;
  std::size_t last;
  std::vector<std::size_t> unnamed, named;
};

}  // namespace

std::string Audit::ValueRead::name() const { return control != nullptr ? control->displayName() : kept; }

std::vector<std::optional<std::string>> Audit::TryAnswers(const Frame& f, std::span<const Answer> answers,
                                                          std::span<const Control* const> boxes) {
  std::vector<std::optional<std::string>> left(boxes.size());
  std::unique_ptr<ProgramCopy> copy = CopyOfProgram(false);
  const platform::Window* main = copy->Program().platform.window(main_->name());
  if (main == nullptr) return left;
  std::vector<ReadTrial::Target> targets;
  for (const Answer& a : answers) {
    const Control* there = nullptr;
    if (a.read->control != nullptr) {
      there = main->find(a.read->control->name(), a.read->control->index());
      if (there == nullptr) return left;
    }
    targets.push_back({there, a.read->kept, a.text, a.value});
  }
  ReadTrial trial(f.ordinal, std::move(targets), *main);
  platform::Platform& p = copy->Program().platform;
  p.setTracer(&trial);
  DoAgain(*copy, log_[action_ - 1]);
  p.setTracer(nullptr);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const Control* there = main->find(boxes[i]->name(), boxes[i]->index());
    const std::string* tried = there == nullptr ? nullptr : trial.Wrote(*there);
    if (tried != nullptr && !tried->empty()) left[i] = *tried;
  }
  return left;
}

void Audit::MissingSources(const Frame& f) {
  if (f.written.empty() || !copier_ || action_ == 0) return;
  Quiet quiet(platform_);
  const auto& rows = app_.dependencies.rows();

  std::vector<ValueRead> reads;
  for (const auto& [c, before] : f.firstRead)
    reads.push_back({c, {}, c->kind() == platform::Kind::OptionButton ? (c->value() ? "1" : "0") : c->text(), before, {c}});
  for (const auto& [name, kept] : f.kept) reads.push_back({nullptr, name, kept.text, kept.before, kept.from});

  // The results held to their rows: written with text, by a row chosen now
  // that does not stand; each with the reads before its last write.
  std::vector<Judged> judged;
  for (std::size_t i = f.written.size(); i-- > 0;) {
    const Control* box = f.written[i];
    if (box->text().empty()) continue;
    if (std::any_of(judged.begin(), judged.end(), [&](const Judged& j) { return j.box == box; })) continue;
    bool recorded = false;
    for (std::size_t row : RowsOf(*box)) recorded = recorded || (!rows[row].standing && app_.dependencies.Chosen(row));
    if (recorded) judged.push_back({box, i, {}, {}});
  }
  for (Judged& j : judged)
    for (std::size_t r = 0; r < reads.size(); ++r) {
      if (reads[r].before > j.last) continue;
      // Its own result, read before it is written again, names itself.
      bool named = reads[r].control == j.box;
      if (!named) {
        named = true;
        for (const Control* c : reads[r].from) named = named && RowsName(*j.box, *c);
      }
      (named ? j.named : j.unnamed).push_back(r);
    }

  // A verdict holds for the same procedure reading the same values only.
  std::string state = Procedure(*f.control, f.type) + (app_.IsRange1() ? " I" : " II");
  for (const ValueRead& r : reads) state += " " + r.name() + "=" + r.text;
  const auto key = [&](std::size_t read, const Judged& j) {
    return state + " | " + reads[read].name() + " > " + j.box->displayName();
  };
  const auto fault = [&](const Judged& j, std::size_t read) {
    std::string file;
    for (std::size_t row : RowsOf(*j.box))
      if (app_.dependencies.Chosen(row)) file = FileOf(rows[row]);
    std::string what = reads[read].name();
    if (reads[read].control == nullptr) {
      what += ", kept from";
      for (const Control* c : reads[read].from) what += (c == reads[read].from.front() ? " " : ", ") + c->displayName();
    }
    Fault(Procedure(*f.control, f.type) + " wrote " + j.box->displayName() + " from " + what + ", which the row of " +
          j.box->displayName() + " does not name (in " + file + ")");
  };

  // The pairs still to try: (judged result, read).
  std::set<std::pair<std::size_t, std::size_t>> open;
  for (std::size_t j = 0; j < judged.size(); ++j)
    for (std::size_t r : judged[j].unnamed) {
      const auto known = Tried().find(key(r, judged[j]));
      if (known == Tried().end()) open.emplace(j, r);
      else if (!known->second.empty()) fault(judged[j], r);
    }
  if (open.empty()) return;

  double high = 0, low = 0;
  for (const ValueRead& r : reads) {
    if (r.control != nullptr && r.control->kind() == platform::Kind::OptionButton) continue;
    const std::optional<double> v = platform::TextToNumber(r.text);
    if (!v || *v == 0) continue;
    high = std::max(high, std::fabs(*v));
    low = low == 0 ? std::fabs(*v) : std::min(low, std::fabs(*v));
  }
  const auto answer = [&](const ValueRead& r, Kind kind) -> Answer {
    if (r.control != nullptr && r.control->kind() == platform::Kind::OptionButton)
      return {&r, "", r.text != "1"};
    const std::optional<double> v = platform::TextToNumber(r.text);
    const bool number = v && *v != 0;
    switch (kind) {
      case Kind::Beyond: return {&r, high > 0 ? platform::NumberToText(high * 4) : "1", false};
      case Kind::Below: return {&r, high > 0 ? platform::NumberToText(low / 4) : "-1", false};
      case Kind::Twice: return {&r, number ? platform::NumberToText(*v * 2) : "1", false};
      case Kind::Half: return {&r, number ? platform::NumberToText(*v / 2) : "-1", false};
    }
    return {&r, r.text, false};
  };

  // Tries one set of reads on the results that name none of them, with each
  // kind of answer until two have told for every such result; a result that
  // changes is tried read by read. The pairs of a result that no answer told
  // of go from `open` into `untold`.
  std::set<std::pair<std::size_t, std::size_t>> untold;
  const auto trySet = [&](const std::vector<std::size_t>& set, std::set<std::pair<std::size_t, std::size_t>>& pairs) {
    const auto inSet = [&](std::size_t r) { return std::find(set.begin(), set.end(), r) != set.end(); };
    std::vector<std::size_t> testable;
    for (std::size_t j = 0; j < judged.size(); ++j)
      if (std::none_of(judged[j].named.begin(), judged[j].named.end(), inSet) &&
          std::any_of(set.begin(), set.end(), [&](std::size_t r) { return pairs.contains({j, r}); }))
        testable.push_back(j);
    if (testable.empty()) return;
    bool options = true;
    for (std::size_t r : set)
      options = options && reads[r].control != nullptr && reads[r].control->kind() == platform::Kind::OptionButton;
    const int needed = options ? 1 : 2;
    std::vector<const Control*> boxes;
    for (std::size_t j : testable) boxes.push_back(judged[j].box);
    std::vector<int> told(testable.size(), 0);
    std::vector<bool> decided(testable.size(), false);
    for (const Kind kind : kKinds) {
      bool more = false;
      for (std::size_t t = 0; t < testable.size(); ++t) more = more || (!decided[t] && told[t] < needed);
      if (!more) break;
      std::vector<Answer> answers;
      for (std::size_t r : set) answers.push_back(answer(reads[r], kind));
      const std::vector<std::optional<std::string>> left = TryAnswers(f, answers, boxes);
      for (std::size_t t = 0; t < testable.size(); ++t) {
        if (decided[t] || !left[t]) continue;
        const Judged& jd = judged[testable[t]];
        if (*left[t] == jd.box->text()) {
          ++told[t];
          continue;
        }
        decided[t] = true;
        // Which read of the set decides it: tried alone, with the same answer.
        std::vector<std::size_t> suspects;
        for (std::size_t r : set)
          if (pairs.contains({testable[t], r})) suspects.push_back(r);
        std::size_t culprit = suspects.front();
        if (suspects.size() > 1)
          for (std::size_t r : suspects) {
            const Answer alone[] = {answer(reads[r], kind)};
            const Control* const one[] = {jd.box};
            const std::optional<std::string> l = TryAnswers(f, alone, one).front();
            if (l && *l != jd.box->text()) {
              culprit = r;
              break;
            }
          }
        Tried()[key(culprit, jd)] = "decides";
        fault(jd, culprit);
        for (std::size_t r : suspects) pairs.erase({testable[t], r});
      }
    }
    for (std::size_t t = 0; t < testable.size(); ++t) {
      if (decided[t]) continue;
      for (std::size_t r : set) {
        if (pairs.erase({testable[t], r}) == 0) continue;
        if (told[t] >= needed) Tried()[key(r, judged[testable[t]])] = "";
        else if (&pairs == &open) untold.emplace(testable[t], r);
      }
    }
  };

  // The sets are built greedily: the reads still open for the result with
  // the most of them, narrowed and widened by the other results as long as
  // the set, left free of every read they name, tries more pairs at once.
  const auto openReads = [&](std::size_t j) {
    std::vector<std::size_t> r;
    for (auto it = open.lower_bound({j, 0}); it != open.end() && it->first == j; ++it) r.push_back(it->second);
    return r;
  };
  while (!open.empty()) {
    std::vector<std::size_t> order;
    for (std::size_t j = 0; j < judged.size(); ++j)
      if (!openReads(j).empty()) order.push_back(j);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return openReads(a).size() > openReads(b).size(); });
    std::vector<std::size_t> set = openReads(order.front()), members{order.front()};
    std::set<std::size_t> forbidden(judged[order.front()].named.begin(), judged[order.front()].named.end());
    const auto covered = [&](const std::vector<std::size_t>& s, const std::vector<std::size_t>& m) {
      std::size_t n = 0;
      for (std::size_t j : m)
        for (std::size_t r : s) n += open.contains({j, r}) ? 1 : 0;
      return n;
    };
    std::size_t best = covered(set, members);
    for (std::size_t i = 1; i < order.size(); ++i) {
      const Judged& y = judged[order[i]];
      std::vector<std::size_t> wider;
      for (std::size_t r : set)
        if (std::find(y.named.begin(), y.named.end(), r) == y.named.end()) wider.push_back(r);
      for (std::size_t r : openReads(order[i]))
        if (!forbidden.contains(r) && std::find(wider.begin(), wider.end(), r) == wider.end()) wider.push_back(r);
      std::vector<std::size_t> more = members;
      more.push_back(order[i]);
      if (const std::size_t n = covered(wider, more); n > best) {
        best = n;
        set = std::move(wider);
        members = std::move(more);
        forbidden.insert(y.named.begin(), y.named.end());
      }
    }
    std::sort(set.begin(), set.end());
    trySet(set, open);
  }
  // Each read alone for what a set could not tell; what no answer tells
  // (every one refused) says nothing, in this state too.
  for (std::size_t r = 0; r < reads.size() && !untold.empty(); ++r)
    if (std::any_of(untold.begin(), untold.end(), [&](const auto& p) { return p.second == r; })) trySet({r}, untold);
  for (const auto& [j, r] : untold) Tried()[key(r, judged[j])] = "";
}

bool Audit::RowsName(const Control& box, const Control& read) const {
  const auto& rows = app_.dependencies.rows();
  std::vector<const Control*> open{&box};
  std::set<const Control*> seen{&box};
  while (!open.empty()) {
    const Control* c = open.back();
    open.pop_back();
    for (std::size_t row : RowsOf(*c)) {
      const Dependency& d = rows[row];
      if (d.standing || !app_.dependencies.Chosen(row)) continue;
      for (const ControlRef& option : d.when)
        if (Used(option) && Names(option, read)) return true;
      for (const ControlRef& source : d.from) {
        if (!Used(source)) continue;
        if (Names(source, read)) return true;
        const Control* named = main_->find(source.name, source.index);
        if (named != nullptr && seen.insert(named).second) open.push_back(named);
      }
    }
  }
  return false;
}

}  // namespace frame
