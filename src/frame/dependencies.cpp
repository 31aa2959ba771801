#include "frame/dependencies.hpp"

#include <algorithm>

#include "frame/app.hpp"
#include "frame/page_rule.hpp"
#include "platform/numbers.hpp"
#include "platform/platform.hpp"

namespace frame {

namespace {

// What a source shows: a box its text, an option whether it is chosen.
std::string State(const platform::Control& c) {
  switch (c.kind()) {
    case platform::Kind::TextBox: return c.text();
    case platform::Kind::OptionButton: return c.value() ? "1" : "0";
    default: return c.caption();
  }
}

}  // namespace

DependencyRule::DependencyRule(App& app) : app_(app) { app_.platform.addWatcher(this); }

DependencyRule::~DependencyRule() { app_.platform.removeWatcher(this); }

void DependencyRule::Declare(std::span<const Dependency> rows) {
  for (const Dependency& d : rows) {
    const std::size_t row = rows_.size();
    rows_.push_back(d);
    byResult_[Key{d.result.name, d.result.index}].push_back(row);
    for (const ControlRef& s : d.from)
      if (Used(s)) bySource_[Key{s.name, s.index}].push_back(row);
    for (const ControlRef& p : d.publishers)
      if (Used(p)) byPublisher_[Key{p.name, p.index}].push_back(row);
    for (const ControlRef& o : d.when)
      if (Used(o)) byOption_[Key{o.name, o.index}].push_back(row);
  }
}

void DependencyRule::Reset() {
  bound_.clear();
  publishers_.clear();
  recorded_.clear();
  told_.clear();
  copiedSource_.clear();
  writers_.clear();
  written_.clear();
  changedRows_.clear();
  changedSources_.clear();
  waiting_.clear();
  stepStrips_.clear();
  openBefore_.clear();
  publishersOf_.clear();
  touched_.clear();
  allTouched_ = true;
}

void DependencyRule::Entered(const platform::Control& box) {
  if (auto found = byResult_.find(Key{box.name(), box.index()}); found != byResult_.end())
    for (std::size_t row : found->second) written_[row] = Writer::Person;
}

void DependencyRule::CopiedFrom(ControlRef result, ControlRef source) {
  const auto found = byResult_.find(Key{result.name, result.index});
  if (found == byResult_.end()) return;
  // The place among the sources a row names, as Snapshot lists them.
  for (std::size_t row : found->second) {
    std::size_t place = 0;
    for (const ControlRef& from : rows_[row].from) {
      if (!Used(from)) continue;
      if (std::string_view(from.name) == source.name && from.index == source.index) told_[row] = place;
      ++place;
    }
  }
}

const ControlRef* DependencyRule::ToldSource(std::size_t row) const {
  const auto found = told_.find(row);
  if (found == told_.end()) return nullptr;
  std::size_t place = 0;
  for (const ControlRef& from : rows_[row].from)
    if (Used(from) && place++ == found->second) return &from;
  return nullptr;
}

void DependencyRule::Bind() {
  if (!bound_.empty()) return;
  const platform::Window& w = app_.main();
  bound_.reserve(rows_.size());
  for (const Dependency& d : rows_) {
    Bound& b = bound_.emplace_back();
    b.result = w.find(d.result.name, d.result.index);
    for (const ControlRef& s : d.from)
      if (Used(s)) b.from.push_back(w.find(s.name, s.index));
    for (const ControlRef& option : d.when)
      if (Used(option)) b.when.push_back(w.find(option.name, option.index));
  }
  publishersOf_.assign(rows_.size(), {});
  for (const auto& [button, rows] : byPublisher_) {
    platform::Control* c = w.find(button.first, button.second);
    if (c == nullptr) continue;
    for (std::size_t row : rows) publishersOf_[row].push_back(publishers_.size());
    publishers_.emplace_back(c, &rows);
  }
  touched_.assign(publishers_.size(), false);
  allTouched_ = true;
  for (const auto& c : w.controls())
    if (c->kind() == platform::Kind::TabStrip && IsStepStrip(*c)) stepStrips_.push_back(c.get());
  openBefore_ = OpenPages();
}

void DependencyRule::Touched(const Rows& rows, const platform::Control& c) {
  const auto found = rows.find(Key{c.name(), c.index()});
  if (found == rows.end() || publishersOf_.empty()) return;
  for (std::size_t row : found->second)
    for (std::size_t publisher : publishersOf_[row]) touched_[publisher] = true;
}

bool DependencyRule::Chosen(std::size_t row) const {
  if (bound_.empty()) return false;
  const Dependency& d = rows_[row];
  if (d.range != Range::Both && (d.range == Range::I) != app_.IsRange1()) return false;
  for (const platform::Control* option : bound_[row].when)
    if (option == nullptr || !option->value()) return false;
  return true;
}

bool DependencyRule::Reachable(std::size_t row) const {
  const platform::Control* result = bound_[row].result;
  return result != nullptr && OnEnabledPages(*result);
}

DependencyRule::Pages DependencyRule::OpenPages() const {
  Pages open;
  for (const platform::Control* strip : stepStrips_)
    for (int page = 0; page < strip->tabCount(); ++page)
      if (strip->tabEnabled(page)) open.emplace_back(strip, page);
  return open;
}

bool DependencyRule::MovedOn(const Pages& before, const Pages& now) {
  for (const auto& reached : now) {
    if (std::find(before.begin(), before.end(), reached) != before.end()) continue;
    for (const auto& left : before)
      if (std::find(now.begin(), now.end(), left) == now.end() && Later(reached, left)) return true;
  }
  return false;
}

bool DependencyRule::PassedOn(std::size_t row, const std::vector<std::string>& recorded, const Pages& before) const {
  const auto wasOpen = [&before](const platform::Control& strip, int page) {
    return std::find(before.begin(), before.end(), std::pair<const platform::Control*, int>{&strip, page}) !=
           before.end();
  };
  const std::vector<const platform::Control*>& from = bound_[row].from;
  for (std::size_t i = 0; i < from.size() && i < recorded.size(); ++i)
    if (from[i] != nullptr && State(*from[i]) != recorded[i] &&
        (changedSources_.contains(from[i]) || (OnEnabledPages(*from[i], wasOpen) && !OnEnabledPages(*from[i]))))
      return true;
  return false;
}

std::vector<std::string> DependencyRule::Snapshot(std::size_t row) const {
  std::vector<std::string> states;
  for (const platform::Control* c : bound_[row].from) states.push_back(c != nullptr ? State(*c) : std::string());
  return states;
}

// Who wrote a result last in this action: an empty result is nobody's; what
// the person typed stays theirs when the program tidies it (a dot made a comma).
void DependencyRule::Written(const platform::Control& c) {
  const auto found = byResult_.find(Key{c.name(), c.index()});
  if (found == byResult_.end()) return;
  for (std::size_t row : found->second) {
    Writer& w = written_.try_emplace(row, Writer::Program).first->second;
    if (c.text().empty()) w = Writer::None;
    else if (&c == app_.platform.userEditing()) w = Writer::Person;
    else if (w == Writer::None) w = Writer::Program;
  }
}

bool DependencyRule::Outdated(std::size_t row, const std::vector<std::string>& recorded) const {
  const std::vector<std::string> now = Snapshot(row);
  // A choice whose procedure did not say what it copied hangs on every source.
  const auto copied = copiedSource_.find(row);
  if (!rows_[row].choice || copied == copiedSource_.end()) return now != recorded;
  const std::size_t i = copied->second;
  return i < now.size() && i < recorded.size() && now[i] != recorded[i];
}

void DependencyRule::controlChanged(platform::Control& c, platform::Property p) {
  using platform::Property;
  if (p != Property::Text && p != Property::Value && p != Property::Caption) return;
  if (c.window().name() != app_.mainWindowDefinition().name) return;
  if (p == Property::Caption) {
    // The range decides which rows count.
    if (c.name() == "lblRange") allTouched_ = true;
    return;
  }
  if (p == Property::Text) {
    Written(c);
    Touched(byResult_, c);
  } else {
    Touched(byOption_, c);
  }
  if (const auto found = bySource_.find(Key{c.name(), c.index()}); found != bySource_.end()) {
    changedRows_.insert(found->second.begin(), found->second.end());
    changedSources_.insert(&c);
  }
}

void DependencyRule::textRewritten(platform::Control& c) {
  if (c.window().name() != app_.mainWindowDefinition().name) return;
  // Only a value the program computed is computed again; the person's own
  // value, rewritten as it stands (read through the comma rule), stays theirs.
  const auto found = byResult_.find(Key{c.name(), c.index()});
  if (found == byResult_.end()) return;
  bool computed = false;
  for (std::size_t row : found->second) computed = computed || recorded_.contains(row);
  if (computed)
    for (std::size_t row : found->second) written_.try_emplace(row, Writer::Program);
}

void DependencyRule::Withdraw(std::size_t row) {
  recorded_.erase(row);
  // Its buttons are held disabled now that it is empty, until it is there again.
  if (bound_[row].result != nullptr) bound_[row].result->setText("");
}

bool DependencyRule::Passable(std::size_t row) const {
  if (bound_.empty() || bound_[row].result == nullptr) return false;
  const std::string& text = bound_[row].result->text();
  const char* word = rows_[row].word;
  return platform::TextToNumber(text).has_value() || (word != nullptr && text == word);
}

void DependencyRule::HoldPublishers() {
  for (std::size_t i = 0; i < publishers_.size(); ++i) {
    if (!allTouched_ && !touched_[i]) continue;
    touched_[i] = false;
    const auto& [button, rows] = publishers_[i];
    bool missing = false;
    for (std::size_t row : *rows) missing = missing || (Chosen(row) && !Passable(row));
    button->setHeld(missing);
  }
  allTouched_ = false;
}

void DependencyRule::eventsSettled() {
  if (app_.platform.window(app_.mainWindowDefinition().name) == nullptr) return Reset();
  Bind();
  const Pages open = OpenPages();
  const bool movedOn = MovedOn(openBefore_, open);
  // Emptying a result changes a source of what was computed from it: the
  // rounds go on until nothing changes any more.
  do {
    const auto written = std::exchange(written_, {});
    const auto changed = std::exchange(changedRows_, {});
    for (const auto& [row, how] : written) {
      if (how == Writer::None) writers_.erase(row);
      else writers_[row] = how;
      copiedSource_.erase(row);
      if (how == Writer::Program && Chosen(row)) {
        recorded_[row] = Snapshot(row);
        if (const auto told = told_.find(row); told != told_.end()) copiedSource_[row] = told->second;
      } else {
        recorded_.erase(row);
      }
    }
    for (std::size_t row : changed)
      if (recorded_.contains(row)) waiting_.insert(row);
    // What stands again as it was computed waits no longer; what the person
    // can reach goes now, and what was computed from a value the way on of
    // its page has just passed on; the rest waits.
    for (auto row = waiting_.begin(); row != waiting_.end();) {
      const auto r = recorded_.find(*row);
      const bool outdated = r != recorded_.end() && Outdated(*row, r->second);
      if (outdated && !Reachable(*row) && !(movedOn && PassedOn(*row, r->second, openBefore_))) {
        ++row;
        continue;
      }
      if (outdated) Withdraw(*row);
      row = waiting_.erase(row);
    }
  } while (!written_.empty() || !changedRows_.empty());
  openBefore_ = open;
  changedSources_.clear();
  told_.clear();
  HoldPublishers();
}

std::vector<std::string> DependencyRule::Stale() const {
  std::vector<std::string> stale;
  for (const auto& [row, writer] : writers_) {
    const Dependency& d = rows_[row];
    if (writer != Writer::Program || !Chosen(row) || bound_[row].result->text().empty()) continue;
    const auto r = recorded_.find(row);
    if (r == recorded_.end()) stale.push_back(NameOf(d.result) + " shows a value that was withdrawn or never recorded");
    else if (Outdated(row, r->second) && Reachable(row))
      stale.push_back(NameOf(d.result) + " outlived a change of its sources");
  }
  return stale;
}

std::vector<std::string> DependencyRule::PassedOnEmpty() const {
  std::vector<std::string> found;
  for (const auto& [button, rows] : publishers_)
    if (button->enabled())
      for (std::size_t row : *rows)
        if (Chosen(row) && !Passable(row))
          found.push_back(button->displayName() + " is enabled while " + NameOf(rows_[row].result) + " holds no number");
  return found;
}

std::vector<std::string> DependencyRule::Faults() const {
  std::vector<std::string> faults;
  const platform::Window& w = app_.main();
  std::map<std::string, int> results;
  for (const Dependency& d : rows_) {
    if (++results[NameOf(d.result) + " " + NameOf(d.when[0]) + " " + NameOf(d.when[1])] == 2)
      faults.push_back(NameOf(d.result) + " is declared twice");
    for (const ControlRef& r : d.from)
      if (Used(r) && r.name == std::string(d.result.name) && r.index == d.result.index)
        faults.push_back(NameOf(d.result) + " is computed from itself");
    std::vector<ControlRef> named{d.result};
    named.insert(named.end(), d.from.begin(), d.from.end());
    named.insert(named.end(), d.publishers.begin(), d.publishers.end());
    named.insert(named.end(), d.when.begin(), d.when.end());
    for (const ControlRef& r : named)
      if (Used(r) && w.find(r.name, r.index) == nullptr)
        faults.push_back(NameOf(d.result) + " names " + NameOf(r) + ", which does not exist");
  }
  return faults;
}

}  // namespace frame
