#pragma once
// Where a scenario's actions go and where its checks read. Front itself acts
// on and reads the program's platform model, as the headless runs do; a front
// end that shows the model to a person overrides every step with what it
// shows. Control and window names are found in the model either way.

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/control.hpp"
#include "platform/services.hpp"

namespace platform {
class Platform;
}

namespace support {
class Driver;
}

namespace scenario {

// A step that a front end cannot carry out or read ("not expressible through
// the widgets: ..."); the step fails with this line.
class FrontFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A position or size as a front end shows it, against the one expected.
struct Measured {
  bool same = false;
  std::string seen;
  std::string expected;
};

enum class Edge { Left, Top, Width, Height };

// The one of the four that EDGE names.
inline int Pick(Edge edge, int left, int top, int width, int height) {
  switch (edge) {
    case Edge::Left: return left;
    case Edge::Top: return top;
    case Edge::Width: return width;
    case Edge::Height: return height;
  }
  return 0;
}

class Front {
 public:
  virtual ~Front() = default;

  // The frame's audit watches what every procedure reads and writes; a bench
  // that times the program alone runs without it.
  bool audited = true;

  // A new program, before its Main; the same program, before it is dropped.
  virtual void Attach(support::Driver& driver);
  virtual void Detach(support::Driver&) {}
  // After every step: what the front end does once an event is over.
  virtual void Settle() {}

  // What a person does. Each returns why the person cannot do it, or "" once done.
  virtual std::string Click(platform::Control& c);
  virtual std::string Type(platform::Control& box, const std::string& text);
  // The box's whole text replaced at once, as pasting does; "" clears it.
  virtual std::string Replace(platform::Control& box, const std::string& text);
  virtual std::string Key(platform::Control& box, int code);
  virtual std::string Focus(platform::Control& c);
  virtual std::string Hover(platform::Control& c);
  // The strip is shown and enabled and has the page.
  virtual std::string ClickTab(platform::Control& strip, int page);
  virtual std::string Close(platform::Window& w);

  // What a person sees.
  virtual std::string Text(const platform::Control& c);
  virtual std::string Caption(const platform::Control& c);
  virtual bool Visible(const platform::Control& c);  // the control's own flag
  virtual bool Shown(const platform::Control& c);    // on the screen
  virtual bool Enabled(const platform::Control& c);  // the control's own flag
  virtual bool Locked(const platform::Control& c);
  virtual bool Value(const platform::Control& c);
  virtual Measured Measure(const platform::Control& c, Edge edge, int twips);
  virtual int Tab(const platform::Control& strip);
  // One character per page, 1 enabled and 0 disabled.
  virtual std::string Pages(const platform::Control& strip);
  virtual std::string PageCaption(const platform::Control& strip, int page);
  // "shown", "hidden" or "unloaded".
  virtual std::string WindowState(std::string_view name);
  // The caption of a loaded window.
  virtual std::string WindowCaption(const platform::Window& w);
  virtual platform::MousePointer Pointer();

 private:
  platform::Platform* platform_ = nullptr;
};

// A person can reach a control only while it is shown and it and every
// container around it are enabled: "" then, else why not.
std::string WhyNotUsable(const platform::Control& c);

// A person types printable characters into a box: no key types a control
// character (Tab moves the focus, Enter is a key press of its own, written
// `key NAME 13`). "" when TEXT can be typed, else why not.
std::string WhyNotTypable(std::string_view text);

}  // namespace scenario
