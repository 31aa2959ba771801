#pragma once

#include <span>

#include "platform/control.hpp"
#include "platform/services.hpp"

namespace platform {

class Window;

// Told of every change of the model, after it happened. The model never waits on it.
class Observer {
 public:
  virtual ~Observer() = default;
  virtual void windowLoaded(Window&) {}
  virtual void windowShown(Window&) {}
  // Shown to be read beside the controls `inSight` of another window, which
  // it leaves in sight and with the focus; an observer that does not place
  // windows takes it as shown.
  virtual void windowShownBeside(Window& w, std::span<const Control* const> /*inSight*/) { windowShown(w); }
  virtual void windowHidden(Window&) {}
  virtual void windowBroughtToFront(Window&) {}
  virtual void windowUnloaded(Window&) {}  // the window and its controls stay valid until the outermost event returns
  virtual void windowCaptionChanged(Window&) {}
  virtual void controlCreated(Control&) {}
  virtual void controlChanged(Control&, Property) {}
  // The program wrote a box's text again as it stands: nothing changed, but
  // a watcher may care that the value was arrived at once more.
  virtual void textRewritten(Control&) {}
  virtual void focusChanged(Control*) {}
  // The outermost event dispatch has returned: what a person did has run to
  // its end. A watcher may change the model here; its changes are dispatched
  // as usual, and it is not told again until they have run.
  virtual void eventsSettled() {}
};

}  // namespace platform
