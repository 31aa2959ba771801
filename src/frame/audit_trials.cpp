// What the audit tries on a copy of the program: whether the results of a
// procedure depend on a value it read that no row of theirs names, and
// whether the step of a held button needs the value it is held for.

#include <algorithm>
#include <cmath>
#include <set>

#include "frame/app.hpp"
#include "frame/audit.hpp"
#include "frame/audit_names.hpp"
#include "frame/page_rule.hpp"
#include "platform/numbers.hpp"
#include "platform/platform.hpp"
#include "platform/scripted_services.hpp"

namespace frame {

using platform::Control;
using platform::EventType;

namespace {

// Where a row is declared, from the program's source folder on.
std::string FileOf(const Dependency& d) {
  const std::string file = d.file;
  const auto at = file.rfind("/src/");
  return at == std::string::npos ? file : file.substr(at + 1);
}

// What the audit reads itself is no procedure's.
class Quiet {
 public:
  explicit Quiet(platform::Platform& p) : p_(p), tracer_(*p.tracerSlot()) { p.setTracer(nullptr); }
  ~Quiet() { p_.setTracer(tracer_); }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  platform::Platform& p_;
  platform::Tracer* tracer_;
};

// What the copies told, for every audit of the process: the box a read
// decides ("" none), a hold needed ("" not). A step tried once with the same
// reads and writes, or a button held for the same box in the same mode,
// tells alike; a run of the walk sets out afresh many times.
std::map<std::string, std::string>& Tried() {
  static std::map<std::string, std::string> tried;
  return tried;
}

bool Same(const Control& c, const Control& other) {
  return c.index() == other.index() && c.name() == other.name() && c.window().name() == other.window().name();
}

// On a copy: the procedure-th procedure of the action answers its first read
// of one box, option or kept value with another value, from then on until it
// ends or the box is written; what it writes itself is kept as it stands at
// its end.
class ReadTrial final : public platform::Tracer {
 public:
  ReadTrial(std::size_t procedure, const Control* read, std::string kept, std::string text, bool value)
      : procedure_(procedure), read_(read), kept_(std::move(kept)), text_(std::move(text)), value_(value) {}

  void procedureBegan(Control&, EventType) override { open_.push_back(begun_++); }
  void procedureEnded() override {
    if (open_.empty()) return;
    if (open_.back() == procedure_ && !ended_) {
      ended_ = true;
      for (const Control* box : wrote_) texts_[box->displayName()] = box->text();
    }
    open_.pop_back();
  }
  const std::string* textRead(const Control& box) override { return Answers(&box, {}) ? &text_ : nullptr; }
  std::optional<bool> valueRead(const Control& option) override {
    if (Answers(&option, {})) return value_;
    return std::nullopt;
  }
  const std::string* keptRead(std::string_view name, const std::string&, std::span<const Control* const>) override {
    return Answers(nullptr, name) ? &text_ : nullptr;
  }
  void textWritten(const Control& box) override {
    if (read_ != nullptr && Same(box, *read_)) answering_ = false;
    if (InProcedure() && &box.window() == main_) wrote_.insert(&box);
  }
  void setMain(const platform::Window* main) { main_ = main; }

  // The text the procedure left in a box it wrote; nullptr where it wrote none.
  const std::string* Wrote(const Control& box) const {
    const auto found = texts_.find(box.displayName());
    return found == texts_.end() ? nullptr : &found->second;
  }

 private:
  bool InProcedure() const { return !ended_ && !open_.empty() && open_.back() == procedure_; }
  bool Answers(const Control* c, std::string_view kept) {
    if (ended_) return false;
    const bool asked = read_ != nullptr ? c != nullptr && Same(*c, *read_) : c == nullptr && kept == kept_;
    if (!asked) return false;
    if (InProcedure()) answering_ = true;
    return answering_;
  }

  std::size_t procedure_;
  const Control* read_;
  std::string kept_;
  std::string text_;
  bool value_;
  const platform::Window* main_ = nullptr;
  std::size_t begun_ = 0;
  std::vector<std::size_t> open_;
  bool answering_ = false, ended_ = false;
  std::set<const Control*> wrote_;
  std::map<std::string, std::string> texts_;
};

// On a copy: whether the step of a button reads a box, in any procedure it runs.
class StepTrial final : public platform::Tracer {
 public:
  explicit StepTrial(const Control& box) : box_(box) {}
  void procedureBegan(Control&, EventType) override {}
  void procedureEnded() override {}
  const std::string* textRead(const Control& box) override {
    read = read || &box == &box_;
    return nullptr;
  }
  std::optional<bool> valueRead(const Control&) override { return std::nullopt; }
  void textWritten(const Control&) override {}
  bool read = false;

 private:
  const Control& box_;
};

// A person gets to the control through the pages open now, a tab away at most.
bool WithinReach(const Control& c) {
  for (const Control* k = &c; k != nullptr; k = k->container())
    if (!k->visible()) return false;
  return c.window().shown() && OnEnabledPages(c);
}

std::set<StepPage> OpenStepPages(const platform::Window& w) {
  std::set<StepPage> open;
  for (const auto& c : w.controls())
    if (c->kind() == platform::Kind::TabStrip && IsStepStrip(*c))
      for (int page = 0; page < c->tabCount(); ++page)
        if (c->tabEnabled(page)) open.emplace(c.get(), page);
  return open;
}

}  // namespace

std::unique_ptr<ProgramCopy> Audit::CopyOfProgram(bool through) {
  std::unique_ptr<ProgramCopy> copy = copier_();
  StartCopy(*copy, log_);
  const std::size_t done = through ? log_.size() : action_ - 1;
  for (std::size_t i = 0; i < done; ++i) DoAgain(*copy, log_[i]);
  return copy;
}

std::string Audit::Trial::name() const { return control != nullptr ? control->displayName() : kept; }

void Audit::MissingSources(const Frame& f) {
  if (f.written.empty() || !copier_ || action_ == 0) return;
  Quiet quiet(platform_);
  const auto fault = [&](const Control& fed, const std::string& read) {
    std::string file;
    for (std::size_t row : RowsOf(fed))
      if (app_.dependencies.Chosen(row)) file = FileOf(app_.dependencies.rows()[row]);
    Fault(Procedure(*f.control, f.type) + " wrote " + fed.displayName() + " from " + read + ", which the row of " +
          fed.displayName() + " does not name (in " + file + ")");
  };
  for (const auto& [read, before] : f.firstRead) {
    const Control* const one[] = {read};
    const std::vector<const Control*> judged = NotNaming(f, before, one);
    if (judged.empty()) continue;
    const Trial trial{read, {}, read->kind() == platform::Kind::OptionButton ? (read->value() ? "1" : "0") : read->text()};
    if (const Control* fed = Decides(f, trial, judged)) fault(*fed, read->displayName());
  }
  for (const auto& [name, kept] : f.kept) {
    const std::vector<const Control*> judged = NotNaming(f, kept.before, kept.from);
    if (judged.empty()) continue;
    std::string from;
    for (const Control* c : kept.from) from += (from.empty() ? "" : ", ") + c->displayName();
    if (const Control* fed = Decides(f, Trial{nullptr, name, kept.text}, judged))
      fault(*fed, name + ", kept from " + from);
  }
}

std::vector<const Control*> Audit::NotNaming(const Frame& f, std::size_t before,
                                             std::span<const Control* const> read) const {
  const auto& rows = app_.dependencies.rows();
  std::vector<const Control*> judged;
  for (std::size_t i = before; i < f.written.size(); ++i) {
    const Control* box = f.written[i];
    // Its own result, read before it is written again; an emptied box and a
    // box without a row that is held to its sources say nothing.
    if (box->text().empty() || std::find(judged.begin(), judged.end(), box) != judged.end()) continue;
    bool recorded = false;
    for (std::size_t row : RowsOf(*box)) recorded = recorded || (!rows[row].standing && app_.dependencies.Chosen(row));
    if (!recorded) continue;
    for (const Control* c : read)
      if (c != box && !RowsName(*box, *c)) {
        judged.push_back(box);
        break;
      }
  }
  return judged;
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

std::string Audit::ReadsOf(const Frame& f) {
  std::string state;
  for (const auto& [c, before] : f.firstRead)
    state += " " + c->displayName() + "=" + (c->kind() == platform::Kind::OptionButton ? (c->value() ? "1" : "0") : c->text());
  for (const auto& [name, kept] : f.kept) state += " " + name + "=" + kept.text;
  return state;
}

std::vector<std::pair<std::string, bool>> Audit::Answers(const Frame& f, const Trial& read) {
  if (read.control != nullptr && read.control->kind() == platform::Kind::OptionButton)
    return {{"", !read.control->value()}};
  // Every number the procedure read: an answer beyond them all and one below
  // them all can change which one wins where it takes the largest or smallest.
  double high = 0, low = 0;
  const auto seen = [&](const std::string& text) {
    const std::optional<double> v = platform::TextToNumber(text);
    if (!v || *v == 0) return;
    const double size = std::fabs(*v);
    high = std::max(high, size);
    low = low == 0 ? size : std::min(low, size);
  };
  for (const auto& [c, before] : f.firstRead)
    if (c->kind() == platform::Kind::TextBox) seen(c->text());
  for (const auto& [name, kept] : f.kept) seen(kept.text);
  std::vector<std::string> texts;
  if (high > 0) texts = {platform::NumberToText(high * 4), platform::NumberToText(low / 4)};
  if (const std::optional<double> v = platform::TextToNumber(read.text); v && *v != 0) {
    texts.push_back(platform::NumberToText(*v * 2));
    texts.push_back(platform::NumberToText(*v / 2));
  } else {
    texts.push_back("1");
    texts.push_back("-1");
  }
  std::vector<std::pair<std::string, bool>> answers;
  for (const std::string& t : texts)
    if (t != read.text && std::find_if(answers.begin(), answers.end(), [&](const auto& a) { return a.first == t; }) ==
                              answers.end())
      answers.emplace_back(t, false);
  return answers;
}

const Control* Audit::Decides(const Frame& f, const Trial& read, const std::vector<const Control*>& written) {
  // A verdict holds for the same procedure reading the same values, and for
  // no other state: where another value read wins, the read may decide.
  std::string key = Procedure(*f.control, f.type) + " " + read.name() + " |" + ReadsOf(f) + " |";
  key += app_.IsRange1() ? " I" : " II";
  for (const Control* box : written) key += " " + box->displayName();
  const auto byName = [&](const std::string& name) -> const Control* {
    for (const Control* box : written)
      if (box->displayName() == name) return box;
    return nullptr;
  };
  if (const auto known = Tried().find(key); known != Tried().end()) return byName(known->second);

  // Two answers that tell are enough; the others stand in for those refused.
  int told = 0;
  for (const auto& [text, value] : Answers(f, read)) {
    if (told == 2) break;
    std::unique_ptr<ProgramCopy> copy = CopyOfProgram(false);
    platform::Platform& p = copy->Headless().platform;
    const platform::Window* main = p.window(main_->name());
    if (main == nullptr) continue;
    const Control* readThere = read.control == nullptr ? nullptr : main->find(read.control->name(), read.control->index());
    if (read.control != nullptr && readThere == nullptr) continue;
    ReadTrial trial(f.ordinal, readThere, read.kept, text, value);
    bool conclusive = false;
    trial.setMain(main);
    p.setTracer(&trial);
    DoAgain(*copy, log_[action_ - 1]);
    p.setTracer(nullptr);
    // A result the trial wrote too, neither of them emptied: a refusal says nothing.
    for (const Control* box : written) {
      const Control* there = main->find(box->name(), box->index());
      const std::string* tried = there == nullptr ? nullptr : trial.Wrote(*there);
      if (tried == nullptr || tried->empty() || box->text().empty()) continue;
      conclusive = true;
      if (*tried != box->text()) {
        Tried()[key] = box->displayName();
        return box;
      }
    }
    told += conclusive ? 1 : 0;
  }
  Tried()[key] = "";
  return nullptr;
}

void Audit::UnneededHolds() {
  if (!copier_ || main_ == nullptr) return;
  Quiet quiet(platform_);
  const auto& rows = app_.dependencies.rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!app_.dependencies.Chosen(i) || app_.dependencies.Passable(i)) continue;
    const Control* box = main_->find(rows[i].result.name, rows[i].result.index);
    for (const ControlRef& p : rows[i].publishers) {
      const Control* button = Used(p) ? main_->find(p.name, p.index) : nullptr;
      if (button == nullptr || box == nullptr || !button->held() || !button->ownEnabled() || !WithinReach(*button))
        continue;
      if (Needs(*button, *box)) continue;
      const std::string fault = button->displayName() + " is held for " + box->displayName() +
                                ", which its step neither reads nor passes on to a later page that computes "
                                "from it (the row of " +
                                box->displayName() + " in " + FileOf(rows[i]) + ")";
      if (told_.insert(fault).second) Fault(fault);
    }
  }
}

bool Audit::Needs(const Control& button, const Control& box) {
  // The rows of the button chosen now: the mode its step runs in.
  const auto& rows = app_.dependencies.rows();
  std::string key = "hold " + button.displayName() + " " + box.displayName() + " ";
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (const ControlRef& p : rows[i].publishers)
      if (Names(p, button)) key += app_.dependencies.Chosen(i) ? '1' : '0';
  if (const auto known = Tried().find(key); known != Tried().end()) return !known->second.empty();

  std::unique_ptr<ProgramCopy> copy = CopyOfProgram(true);
  platform::Platform& p = copy->Headless().platform;
  const platform::Window* main = p.window(main_->name());
  Control* buttonThere = main == nullptr ? nullptr : main->find(button.name(), button.index());
  const Control* boxThere = main == nullptr ? nullptr : main->find(box.name(), box.index());
  if (buttonThere == nullptr || boxThere == nullptr) return true;
  const std::set<StepPage> before = OpenStepPages(*main);
  const std::size_t messages = p.messagesShown();
  StepTrial trial(*boxThere);
  p.setTracer(&trial);
  p.click(*buttonThere);
  p.setTracer(nullptr);
  // A step that refused says nothing of what it would have done.
  if (!trial.read && p.messagesShown() != messages) return true;
  bool needed = trial.read;
  if (!needed && p.window(main_->name()) == main) {
    // Passed on: the way on left the box's page for a later one, where a
    // result is computed from it.
    const std::set<StepPage> after = OpenStepPages(*main);
    const auto open = [](const std::set<StepPage>& pages) {
      return [&pages](const Control& strip, int page) { return pages.contains({&strip, page}); };
    };
    const StepPage page = StepPageOf(*boxThere);
    bool movedOn = OnEnabledPages(*boxThere, open(before)) && !OnEnabledPages(*boxThere, open(after));
    bool reached = false;
    for (const StepPage& now : after) reached = reached || (!before.contains(now) && Later(now, page));
    bool computedFrom = false;
    for (const Dependency& d : rows) {
      if (d.range != Range::Both && (d.range == Range::I) != app_.IsRange1()) continue;
      bool names = false;
      for (const ControlRef& source : d.from) names = names || Names(source, box);
      const Control* result = names ? main_->find(d.result.name, d.result.index) : nullptr;
      computedFrom = computedFrom || (result != nullptr && Later(StepPageOf(*result), StepPageOf(box)));
    }
    needed = movedOn && reached && computedFrom;
  }
  Tried()[key] = needed ? "needed" : "";
  return needed;
}

}  // namespace frame
