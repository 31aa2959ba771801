#pragma once
// Told what each procedure does while it runs: which controls' texts and
// values it reads and which texts it writes. The program itself never traces;
// a test sets a tracer to hold what the procedures do against what the pages
// declare of them. Nothing is told while an observer looks at a change.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

class Control;
enum class EventType;

class Tracer {
 public:
  virtual ~Tracer() = default;
  // A procedure begins to answer an event of a control, and ends; procedures
  // nest when one raises another control's event.
  virtual void procedureBegan(Control& control, EventType type) = 0;
  virtual void procedureEnded() = 0;
  // A box's text or an option's value is read. On a copy of the program a
  // tracer may answer with another text or value, to try what the procedure
  // does with it; nullptr and nullopt: the control's own.
  virtual const std::string* textRead(const Control& box) = 0;
  virtual std::optional<bool> valueRead(const Control& option) = 0;
  // A box's text was written, changed or rewritten as it stood, before its
  // change procedure runs.
  virtual void textWritten(const Control& box) = 0;
  // A value a page kept for a later step is read: `name` tells it apart,
  // `text` is the value as text, `from` the boxes and options it was taken
  // from. A tracer may answer with another text, as for a box.
  virtual const std::string* keptRead(std::string_view /*name*/, const std::string& /*text*/,
                                      std::span<const Control* const> /*from*/) {
    return nullptr;
  }
};

}  // namespace platform
