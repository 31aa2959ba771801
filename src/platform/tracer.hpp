#pragma once
// Told what each procedure does while it runs: which controls' texts and
// values it reads and which texts it writes. The program itself never traces;
// a test sets a tracer to hold what the procedures do against what the pages
// declare of them. Nothing is told while an observer looks at a change.

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
  virtual void textRead(const Control& box) = 0;
  virtual void valueRead(const Control& option) = 0;
  // A box's text was written, changed or rewritten as it stood, before its
  // change procedure runs.
  virtual void textWritten(const Control& box) = 0;
};

}  // namespace platform
