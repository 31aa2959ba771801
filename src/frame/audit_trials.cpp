// What the audit tries on a copy of the program: whether the step of a held
// button needs the value it is held for; and the copies themselves.

#include <set>

#include "frame/app.hpp"
#include "frame/audit.hpp"
#include "frame/audit_kit.hpp"
#include "frame/audit_names.hpp"
#include "frame/page_rule.hpp"
#include "platform/numbers.hpp"
#include "platform/platform.hpp"
#include "platform/scripted_services.hpp"

namespace frame {

using platform::Control;
using platform::EventType;

namespace {

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

void Audit::FindHolds() {
  holds_.clear();
  if (main_ == nullptr) return;
  const auto& rows = app_.dependencies.rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Control* box = main_->find(rows[i].result.name, rows[i].result.index);
    for (const ControlRef& p : rows[i].publishers)
      if (const Control* button = Used(p) ? main_->find(p.name, p.index) : nullptr; button != nullptr && box != nullptr)
        holds_.push_back({i, box, button});
  }
}

void Audit::UnneededHolds() {
  if (!copier_ || main_ == nullptr) return;
  Quiet quiet(platform_);
  const auto& rows = app_.dependencies.rows();
  for (const Hold& h : holds_) {
    if (!h.button->held() || !h.button->ownEnabled() || !app_.dependencies.Chosen(h.row) ||
        app_.dependencies.Passable(h.row) || !WithinReach(*h.button) || Needs(*h.button, *h.box))
      continue;
    const std::string fault = h.button->displayName() + " is held for " + h.box->displayName() +
                              ", which its step neither reads nor passes on to a later page that computes "
                              "from it (the row of " +
                              h.box->displayName() + " in " + FileOf(rows[h.row]) + ")";
    if (told_.insert(fault).second) Fault(fault);
  }
}

bool Audit::Needs(const Control& button, const Control& box) {
  // The rows of the button chosen now: the mode its step runs in.
  const auto& rows = app_.dependencies.rows();
  std::string key = "hold " + button.displayName() + " " + box.displayName() + " ";
  for (const Hold& h : holds_)
    if (h.button == &button) key += app_.dependencies.Chosen(h.row) ? '1' : '0';
  if (const auto known = Tried().find(key); known != Tried().end()) return !known->second.empty();

  std::unique_ptr<ProgramCopy> copy = CopyOfProgram(true);
  platform::Platform& p = copy->Program().platform;
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
