#include "frame/audit.hpp"

#include <algorithm>

#include "frame/app.hpp"
#include "frame/audit_names.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "platform/numbers.hpp"
#include "platform/platform.hpp"

namespace frame {

using platform::Control;
using platform::EventType;
using platform::Kind;

namespace {

std::string Quoted(const std::string& t) { return "\"" + t + "\""; }

}  // namespace

Audit::Audit(App& app, ProgramCopier copier) : app_(app), platform_(app.platform), copier_(std::move(copier)) {
  const auto& rows = app_.dependencies.rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rowsOf_[Key{rows[i].result.name, rows[i].result.index}].push_back(i);
    for (const ControlRef& p : rows[i].publishers)
      if (Used(p)) publishers_.insert(Key{p.name, p.index});
  }
  platform_.setTracer(this);
  platform_.addWatcher(this);
  platform_.setActionLog(&log_);
}

Audit::~Audit() {
  platform_.setTracer(nullptr);
  platform_.removeWatcher(this);
  platform_.setActionLog(nullptr);
}

void Audit::Fault(std::string what) { faults_.push_back(std::move(what)); }

// The boxes that hold the values of the procedure; the helpers' scratch box
// holds none of its own.
bool Audit::Watched(const Control& c) const {
  return c.kind() == Kind::TextBox && &c.window() == main_ && c.name() != "Text8";
}

std::span<const std::size_t> Audit::RowsOf(const Control& box) const {
  const auto found = rowsOf_.find(Key{box.name(), box.index()});
  if (found == rowsOf_.end()) return {};
  return found->second;
}

// A restart loads a new main window: nothing of the old one counts.
void Audit::NewWindow() {
  const platform::Window* main = platform_.window(app_.mainWindowDefinition().name);
  if (main == main_) return;
  main_ = main;
  copies_.clear();
  enabledBefore_.clear();
  FindHolds();
}

void Audit::procedureBegan(Control& control, EventType type) {
  NewWindow();
  // A new action of the person: its first entry in the log, answers aside.
  std::size_t action = log_.size();
  while (action > 0 && log_[action - 1].kind == platform::PersonAction::Kind::Answer) --action;
  if (action != action_) {
    action_ = action;
    begun_ = 0;
  }
  Frame& f = frames_.emplace_back(Frame{&control, type, platform_.messagesShown(), messagesBefore_,
                                        platform_.inputsShown(), {}, {}, {}, {}, begun_++, {}, {}, {}});
  if (type == EventType::Change && &control == platform_.userEditing() && platform::IsUnfinishedNumber(control.text()))
    f.typedUnfinished = control.text();
}

void Audit::procedureEnded() {
  if (frames_.empty()) return;
  Frame f = std::move(frames_.back());
  frames_.pop_back();
  MissingSources(f);
  const std::string who = Procedure(*f.control, f.type);
  if (!f.typedUnfinished.empty() && platform_.messagesShown() != f.messagesBefore)
    Fault(f.control->displayName() + " refused the unfinished number " + Quoted(f.typedUnfinished) +
          " while it was typed");
  // A step that reads a value refuses a number still being typed with its
  // own message (or the check of the box it left on the way has); going on
  // without a word would pass the text on as it stands.
  const bool silent = platform_.messagesShown() == f.messagesBeforeAction;
  if (f.type != EventType::Click || f.control->kind() != Kind::CommandButton || !silent) return;
  std::set<const Control*> told;
  for (const auto& [box, text] : f.unfinished)
    if (told.insert(box).second)
      Fault(who + " read " + box->displayName() + " holding the unfinished number " + Quoted(text) +
            " and went on without a word");
}

void Audit::Read(const Control& c) { frames_.back().firstRead.try_emplace(&c, frames_.back().written.size()); }

const std::string* Audit::textRead(const Control& box) {
  if (frames_.empty() || !Watched(box)) return nullptr;
  Frame& f = frames_.back();
  Read(box);
  if (f.reads.empty() || f.reads.back() != &box) f.reads.push_back(&box);
  if (platform::IsUnfinishedNumber(box.text())) f.unfinished.emplace_back(&box, box.text());
  return nullptr;
}

std::optional<bool> Audit::valueRead(const Control& option) {
  if (!frames_.empty() && &option.window() == main_) Read(option);
  return std::nullopt;
}

const std::string* Audit::keptRead(std::string_view name, const std::string& text,
                                   std::span<const Control* const> from) {
  if (frames_.empty()) return nullptr;
  Frame& f = frames_.back();
  if (f.kept.find(name) == f.kept.end())
    f.kept.emplace(std::string(name), Frame::KeptRead{f.written.size(), text, {from.begin(), from.end()}});
  return nullptr;
}

void Audit::textWritten(const Control& box) {
  if (frames_.empty() || !Watched(box)) return;
  Frame& f = frames_.back();
  // The person's own text, or a box emptied: nothing stands for another box.
  if (&box == platform_.userEditing() || box.text().empty()) {
    copies_.erase(&box);
    if (&box != platform_.userEditing()) f.written.push_back(&box);
    return;
  }
  // A box tidied as it was read (its dots made commas) keeps its value.
  for (const Control* read : f.reads)
    if (read == &box) return;
  ResultWritten(f, box);
}

void Audit::ResultWritten(Frame& f, const Control& box) {
  if (RowsOf(box).empty())
    Fault(Procedure(*f.control, f.type) + " wrote " + box.displayName() + ", which no row declares");
  else if (std::none_of(RowsOf(box).begin(), RowsOf(box).end(), [&](std::size_t row) { return app_.dependencies.Chosen(row); }))
    Fault(Procedure(*f.control, f.type) + " wrote " + box.displayName() + ", which no row declares for the way chosen now");
  copies_.erase(&box);
  const Control* last = f.reads.empty() ? nullptr : f.reads.back();
  const bool copy = last != nullptr && last->text() == box.text();
  ChoiceWritten(f, box, copy ? last : nullptr);
  if (platform_.inputsShown() != f.inputs || (copy && f.entered.contains(last))) f.entered.insert(&box);
  else if (copy) CopyWritten(f, box, *last);
  if (!f.entered.contains(&box)) f.written.push_back(&box);
  f.reads.clear();
  f.inputs = platform_.inputsShown();
}

// A choice says which of its sources it copies; its text does not tell.
void Audit::ChoiceWritten(const Frame& f, const Control& box, const Control* copied) {
  const auto& rows = app_.dependencies.rows();
  for (std::size_t row : RowsOf(box)) {
    if (!rows[row].choice || !app_.dependencies.Chosen(row)) continue;
    const ControlRef* told = app_.dependencies.ToldSource(row);
    const std::string who = Procedure(*f.control, f.type);
    if (told == nullptr)
      Fault(who + " wrote " + box.displayName() + ", a choice among its row's sources, without telling which it copies");
    else if (copied == nullptr || !Names(*told, *copied))
      Fault(who + " wrote " + box.displayName() + " as a copy of " + NameOf(*told) + ", but copied " +
            (copied == nullptr ? std::string("none of its sources") : copied->displayName()));
  }
}

void Audit::CopyWritten(const Frame& f, const Control& box, const Control& copied) {
  const std::string who = Procedure(*f.control, f.type);
  const auto& rows = app_.dependencies.rows();
  // A row that names no source says its value stands until it is written again.
  bool named = true;
  for (std::size_t row : RowsOf(box)) {
    const auto& from = rows[row].from;
    if (!Used(from[0])) continue;
    named = false;
    for (const ControlRef& source : from) named = named || Names(source, copied);
    if (named) break;
  }
  if (!named)
    Fault(who + " copies " + copied.displayName() + " into " + box.displayName() + ", whose row does not name it");
  // The way on of a page passes on what it copies of that page.
  const bool wayOn = f.type == EventType::Click && publishers_.contains(Key{f.control->name(), f.control->index()});
  if (wayOn && TabPageOf(copied) == TabPageOf(*f.control)) {
    bool declared = false;
    for (std::size_t row : RowsOf(copied))
      for (const ControlRef& p : rows[row].publishers) declared = declared || Names(p, *f.control);
    if (!declared)
      Fault(who + " passes " + copied.displayName() + " on into " + box.displayName() +
            " without being declared its publisher");
  }
  copies_[&box] = Copy{box.text(), who, &copied};
}

Audit::Pages Audit::EnabledPages() const {
  Pages pages;
  if (main_ == nullptr) return pages;
  for (const auto& c : main_->controls())
    if (c->kind() == Kind::TabStrip)
      for (int i = 0; i < c->tabCount(); ++i)
        if (c->tabEnabled(i)) pages.emplace(c.get(), i);
  return pages;
}

bool Audit::Reachable(const Control& c, const Pages& enabled) {
  return OnEnabledPages(c, [&](const Control& strip, int page) { return enabled.contains({&strip, page}); });
}

void Audit::eventsSettled() {
  messagesBefore_ = platform_.messagesShown();
  NewWindow();
  if (main_ == nullptr) return;
  const Pages enabled = EnabledPages();
  for (auto it = copies_.begin(); it != copies_.end();) {
    const Control& box = *it->first;
    const Copy& copy = it->second;
    if (box.text() != copy.text) {
      it = copies_.erase(it);
      continue;
    }
    // Reached by this action: a copy of a box the person cannot reach now
    // must still be what that box holds.
    if (Reachable(box, enabled) && !Reachable(box, enabledBefore_) && !Reachable(*copy.of, enabled) &&
        copy.of->text() != copy.text)
      Fault(box.displayName() + " shows " + Quoted(copy.text) + ", which " + copy.by + " copied from " +
            copy.of->displayName() + "; that holds " + Quoted(copy.of->text()) + " now");
    ++it;
  }
  enabledBefore_ = enabled;
  UnneededHolds();
}

}  // namespace frame
