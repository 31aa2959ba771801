#include "platform/platform.hpp"

#include <algorithm>
#include <utility>

#include "platform/characters.hpp"

namespace platform {

Platform::Platform(Services services) : services_(services) {}

Platform::~Platform() = default;

Platform::DispatchScope::~DispatchScope() {
  if (p_.depth_ == 1) p_.settle();
  if (--p_.depth_ == 0) p_.unloaded_.clear();
}

void Platform::settle() {
  // Runs while the outermost scope is still open, so that what a watcher
  // changes is dispatched as one more step of the same action.
  if (settling_ || exited_) return;
  settling_ = true;
  for (Observer* w : watchers_) w->eventsSettled();
  settling_ = false;
}

template <class Tell>
void Platform::tell(Tell t) {
  if (observer_ == nullptr) return;
  Untraced untraced(*this);
  t(*observer_);
}

void Platform::removeWatcher(Observer* watcher) { std::erase(watchers_, watcher); }

namespace {

// Marks the box a person edits for as long as the edit runs.
class UserEdit {
 public:
  UserEdit(const Control*& slot, const Control& box) : slot_(slot), old_(slot) { slot_ = &box; }
  ~UserEdit() { slot_ = old_; }
  UserEdit(const UserEdit&) = delete;
  UserEdit& operator=(const UserEdit&) = delete;

 private:
  const Control*& slot_;
  const Control* old_;
};

}  // namespace

Window& Platform::load(const WindowDefinition& definition) {
  if (Window* existing = window(definition.name)) return *existing;
  DispatchScope scope(*this);
  windows_.push_back(std::make_unique<Window>(*this, definition));
  Window& w = *windows_.back();
  if (definition.build) definition.build(w);
  tell([&](Observer& o) { o.windowLoaded(w); });
  if (definition.onLoad) definition.onLoad(w);
  return w;
}

void Platform::show(Window& w) {
  if (!w.loaded() || w.state_ == WindowState::Shown) return;
  w.state_ = WindowState::Shown;
  tell([&](Observer& o) { o.windowShown(w); });
}

void Platform::hide(Window& w) {
  if (w.state_ != WindowState::Shown) return;
  w.state_ = WindowState::Hidden;
  tell([&](Observer& o) { o.windowHidden(w); });
}

void Platform::bringToFront(Window& w) {
  if (w.state_ == WindowState::Shown) tell([&](Observer& o) { o.windowBroughtToFront(w); });
}

void Platform::showBeside(Window& w, std::span<const Control* const> inSight) {
  if (!w.loaded()) return;
  if (w.state_ != WindowState::Shown) {
    w.state_ = WindowState::Shown;
    tell([&](Observer& o) { o.windowShownBeside(w, inSight); });
  }
  bringToFront(w);
}

void Platform::unload(Window& w) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& p) { return p.get() == &w; });
  if (it == windows_.end()) return;
  DispatchScope scope(*this);
  w.state_ = WindowState::Unloaded;
  if (focused_ != nullptr && &focused_->window() == &w) focused_ = nullptr;
  unloaded_.push_back(std::move(*it));
  windows_.erase(it);
  tell([&](Observer& o) { o.windowUnloaded(w); });
}

Window* Platform::window(std::string_view name) const {
  for (const auto& w : windows_)
    if (w->name() == name) return w.get();
  return nullptr;
}

std::vector<Window*> Platform::windows() const {
  std::vector<Window*> out;
  for (const auto& w : windows_) out.push_back(w.get());
  return out;
}

void Platform::messageBox(const std::string& prompt, const std::string& title) {
  if (exited_) return;
  ++messagesShown_;
  services_.dialogs->messageBox(prompt, title);
}

std::string Platform::inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) {
  if (exited_) return "";
  ++inputsShown_;
  std::string answer = services_.dialogs->inputBox(prompt, title, defaultText);
  if (log_ != nullptr) log_->push_back({PersonAction::Kind::Answer, "", "", kNoIndex, answer});
  return answer;
}

void Platform::setMousePointer(MousePointer p) {
  pointer_ = p;
  if (services_.screen) services_.screen->setMousePointer(p);
}

void Platform::exitProcess() {
  exited_ = true;
  if (services_.process) services_.process->exit();
}

bool Platform::alive(const Control& c) const { return !exited_ && c.window().loaded(); }

void Platform::logAction(PersonAction::Kind kind, const Control& c, std::string text, int number) {
  if (log_ != nullptr && depth_ == 0)
    log_->push_back({kind, c.window().name(), c.name(), c.index(), std::move(text), number});
}

void Platform::raise(Control& c, EventType type, int keyAscii) {
  if (!alive(c)) return;
  const Handler* h = c.window().handler(c.name(), type);
  if (h == nullptr) return;
  DispatchScope scope(*this);
  Handler handler = *h;  // the procedure may rebind or unload its own window
  Event e{type, c, c.index(), keyAscii};
  run(handler, e);
}

const std::string* Platform::traceKeptRead(std::string_view name, const std::string& text,
                                           std::span<const Control* const> from) {
  if (tracer_ == nullptr) return nullptr;
  return tellTracer([&](Tracer& t) { return t.keptRead(name, text, from); });
}

void Platform::run(const Handler& handler, Event& e) {
  if (tracer_ == nullptr) return handler(e);
  // What the tracer reads as it is told is no procedure's.
  tellTracer([&](Tracer& t) { t.procedureBegan(e.control, e.type); });
  struct Ended {
    Platform& p;
    ~Ended() {
      if (p.tracer_ != nullptr) p.tellTracer([](Tracer& t) { t.procedureEnded(); });
    }
  } ended{*this};
  handler(e);
}

int Platform::raiseKeyPress(Control& c, int keyAscii) {
  if (!alive(c)) return 0;
  const Handler* h = c.window().handler(c.name(), EventType::KeyPress);
  if (h == nullptr) return keyAscii;
  DispatchScope scope(*this);
  Handler handler = *h;
  Event e{EventType::KeyPress, c, c.index(), keyAscii};
  run(handler, e);
  return e.keyAscii;
}

void Platform::click(Control& c) {
  if (!alive(c)) return;
  logAction(PersonAction::Kind::Click, c);
  DispatchScope scope(*this);
  if (c.kind() == Kind::OptionButton) {
    c.setValue(true);
  } else if (c.kind() == Kind::CommandButton) {
    focus(c);
    if (alive(c)) raise(c, EventType::Click);
  } else {
    raise(c, EventType::Click);
  }
}

void Platform::typeText(Control& box, std::string_view text) {
  if (alive(box)) logAction(PersonAction::Kind::Type, box, std::string(text));
  DispatchScope scope(*this);
  // One key per character: the bytes of a character beyond ASCII go in together.
  for (const std::string_view character : Characters(text)) {
    if (!alive(box)) return;
    typeChar(box, character);
  }
}

void Platform::typeChar(Control& box, char ch) { typeChar(box, std::string_view(&ch, 1)); }

void Platform::typeChar(Control& box, std::string_view character) {
  // Bytes that are no character are no key either: nothing is pressed.
  const std::optional<int> code = CharacterCode(character);
  if (!code || !alive(box)) return;
  logAction(PersonAction::Kind::Type, box, std::string(character));
  DispatchScope scope(*this);
  focus(box);
  const int key = raiseKeyPress(box, *code);
  if (!alive(box) || key == 0 || box.locked()) return;
  const std::string typed = key == *code ? std::string(character) : CharacterOfCode(key);
  if (typed.empty()) return;
  // At MaxLength the whole character is refused, never a part of it.
  const std::string& before = box.text();
  if (box.cutToMaxLength(before + typed).size() < before.size() + typed.size()) return;
  UserEdit edit(userEditing_, box);
  box.insertTypedText(typed);
}

void Platform::setTextByUser(Control& box, const std::string& text) {
  if (!alive(box)) return;
  logAction(PersonAction::Kind::Set, box, text);
  DispatchScope scope(*this);
  focus(box);
  if (!alive(box) || box.locked()) return;
  UserEdit edit(userEditing_, box);
  box.setText(WellFormedCharacters(text));
}

void Platform::keyPress(Control& box, int keyAscii) {
  if (!alive(box)) return;
  logAction(PersonAction::Kind::Key, box, {}, keyAscii);
  DispatchScope scope(*this);
  focus(box);
  if (alive(box)) raiseKeyPress(box, keyAscii);
}

void Platform::focus(Control& c) {
  if (!alive(c) || focused_ == &c) return;
  logAction(PersonAction::Kind::Focus, c);
  DispatchScope scope(*this);
  Control* old = focused_;
  focused_ = &c;
  tell([&](Observer& o) { o.focusChanged(&c); });
  if (old != nullptr) raise(*old, EventType::LostFocus);
}

void Platform::mouseMove(Control& c) {
  if (alive(c)) logAction(PersonAction::Kind::Hover, c);
  raise(c, EventType::MouseMove);
}

bool Platform::clickTab(Control& strip, int page) {
  if (!alive(strip) || strip.kind() != Kind::TabStrip || !strip.enabled()) return false;
  if (page < 0 || page >= strip.tabCount() || !strip.tabEnabled(page)) return false;
  logAction(PersonAction::Kind::Tab, strip, {}, page);
  DispatchScope scope(*this);
  strip.setTab(page);
  raise(strip, EventType::Click);
  return true;
}

void Platform::close(Window& w) {
  if (!w.loaded()) return;
  if (log_ != nullptr && depth_ == 0) log_->push_back({PersonAction::Kind::Close, w.name(), "", kNoIndex, "", 0});
  DispatchScope scope(*this);
  unload(w);
  if (windows_.empty()) exitProcess();
}

void Platform::notify(Control& c, Property p) {
  if (!c.window().loaded()) return;
  Untraced untraced(*this);
  for (Observer* w : watchers_) w->controlChanged(c, p);
  if (observer_) observer_->controlChanged(c, p);
}

void Platform::notifyRewritten(Control& c) {
  if (!c.window().loaded()) return;
  Untraced untraced(*this);
  for (Observer* w : watchers_) w->textRewritten(c);
}

void Platform::notifyCreated(Control& c) {
  tell([&](Observer& o) { o.controlCreated(c); });
}

void Platform::notifyCaption(Window& w) {
  tell([&](Observer& o) { o.windowCaptionChanged(w); });
}

}  // namespace platform
