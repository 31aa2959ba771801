#pragma once
// The stand-in for the desktop's user-interface services: the loaded windows,
// the focus, the dispatch of events to the bound procedures, and the user's
// actions as the front end or a test performs them.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/action_log.hpp"
#include "platform/control.hpp"
#include "platform/events.hpp"
#include "platform/observer.hpp"
#include "platform/services.hpp"
#include "platform/tracer.hpp"
#include "platform/window.hpp"

namespace platform {

struct Services {
  Dialogs* dialogs = nullptr;
  Printer* printer = nullptr;
  Clock* clock = nullptr;
  Screen* screen = nullptr;
  Process* process = nullptr;
};

class Platform {
 public:
  explicit Platform(Services services);
  ~Platform();
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

  const Services& services() const { return services_; }
  Dialogs& dialogs() const { return *services_.dialogs; }
  Printer& printer() const { return *services_.printer; }
  Clock& clock() const { return *services_.clock; }
  void setObserver(Observer* observer) { observer_ = observer; }
  Observer* observer() const { return observer_; }
  // Parts of the program that follow the model as the front end does: told of
  // every control change and of every settled dispatch, before the front end.
  void addWatcher(Observer* watcher) { watchers_.push_back(watcher); }
  void removeWatcher(Observer* watcher);
  // A test's witness of what every procedure reads and writes; nullptr: none.
  void setTracer(Tracer* tracer) { tracer_ = tracer; }
  Tracer* const* tracerSlot() const { return &tracer_; }
  // Tells the tracer that a procedure reads a kept value (Tracer::keptRead),
  // outside every read of its own; its answer, or nullptr.
  const std::string* traceKeptRead(std::string_view name, const std::string& text,
                                   std::span<const Control* const> from);
  // Where a test keeps what a person does from now on; nullptr: nowhere.
  void setActionLog(ActionLog* log) { log_ = log; }

  // Windows. load() creates the controls in their design state and runs the
  // window's load procedure; a window already loaded is returned as it is.
  Window& load(const WindowDefinition& definition);
  void show(Window& window);
  void hide(Window& window);
  // A shown window comes in front of the other windows; nothing happens to
  // a window that is not shown.
  void bringToFront(Window& window);
  // Shows a window that a person reads while working with the controls
  // `inSight` of another window (a table to read a value from while typing
  // it), and brings it in front: the front end opens it where those controls
  // stay in sight and leaves the focus where it is.
  void showBeside(Window& window, std::span<const Control* const> inSight);
  // Destruction waits until the outermost event dispatch has returned, so a
  // procedure may unload its own window.
  void unload(Window& window);
  Window* window(std::string_view name) const;
  std::vector<Window*> windows() const;

  // Services the procedures call.
  void messageBox(const std::string& prompt, const std::string& title);
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText = "");
  // How many message and input boxes the procedures have shown.
  std::size_t messagesShown() const { return messagesShown_; }
  std::size_t inputsShown() const { return inputsShown_; }
  void setMousePointer(MousePointer p);
  MousePointer mousePointer() const { return pointer_; }
  void exitProcess();
  bool exited() const { return exited_; }

  Control* focused() const { return focused_; }
  // The box a person is typing or pasting into while that edit runs (its
  // change procedures included); nullptr while the program writes on its own.
  const Control* userEditing() const { return userEditing_; }

  // What a person does. Each call is one event dispatch from the outside.
  void click(Control& control);
  void typeText(Control& box, std::string_view text);   // one character at a time
  void typeChar(Control& box, char c);                   // a key of an ASCII character
  void typeChar(Control& box, std::string_view character);  // the UTF-8 bytes of one character
  void setTextByUser(Control& box, const std::string& text);  // pasting: one Change
  void keyPress(Control& box, int keyAscii);
  void focus(Control& control);
  void mouseMove(Control& control);
  bool clickTab(Control& strip, int page);
  void close(Window& window);

  // Raises an event of a control to its bound procedure (used by the controls themselves).
  void raise(Control& control, EventType type, int keyAscii = 0);
  int raiseKeyPress(Control& control, int keyAscii);

  // Keeps unloaded windows alive until the outermost scope closes.
  class DispatchScope {
   public:
    explicit DispatchScope(Platform& p) : p_(p) { ++p_.depth_; }
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
   private:
    Platform& p_;
  };

  // Called by controls and windows when they change.
  void notify(Control& control, Property property);
  void notifyRewritten(Control& control);
  void notifyCreated(Control& control);
  void notifyCaption(Window& window);

 private:
  friend class Control;
  // What an observer or the tracer itself reads is no procedure's.
  class Untraced {
   public:
    explicit Untraced(Platform& p) : p_(p), tracer_(p.tracer_) { p.tracer_ = nullptr; }
    ~Untraced() { p_.tracer_ = tracer_; }
    Untraced(const Untraced&) = delete;
    Untraced& operator=(const Untraced&) = delete;

   private:
    Platform& p_;
    Tracer* tracer_;
  };
  // Tells the tracer that is set what `call` says, outside every read of its own.
  template <class Call>
  auto tellTracer(Call call) {
    Tracer& tracer = *tracer_;
    Untraced untraced(*this);
    return call(tracer);
  }
  bool alive(const Control& control) const;
  // A person's action, logged when it comes from outside every dispatch.
  void logAction(PersonAction::Kind kind, const Control& c, std::string text = {}, int number = 0);
  void settle();
  // Tells the front end's observer, whose reads are no procedure's.
  template <class Tell>
  void tell(Tell t);
  // Runs an event's procedure, told to the tracer as one procedure.
  void run(const Handler& handler, Event& e);

  Services services_;
  Observer* observer_ = nullptr;
  std::vector<Observer*> watchers_;
  Tracer* tracer_ = nullptr;
  ActionLog* log_ = nullptr;
  const Control* userEditing_ = nullptr;
  bool settling_ = false;
  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<std::unique_ptr<Window>> unloaded_;
  Control* focused_ = nullptr;
  MousePointer pointer_ = MousePointer::Default;
  std::size_t messagesShown_ = 0, inputsShown_ = 0;
  int depth_ = 0;
  bool exited_ = false;
};

}  // namespace platform
