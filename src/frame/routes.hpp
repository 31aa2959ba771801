#pragma once
// The events of the main window's controls and the procedures they run, one
// row per procedure, declared by the stage that answers it:
//
//   routes.on(Command21Click, 1, [this] { OpenSurgeArresterPage(); });
//   routes.on("cmdCalculateTOV", platform::EventType::Click, [this] { cmdCalculateTOV_Click(); });
//
// Many controls share one name and are told apart by their index: the event
// of any element of a routed array runs the row of its index, or nothing when
// no stage declared one. A named control's row runs for every control of that
// name, as the window dispatches by name; a procedure that reads or changes
// the event (a key press may drop its key) receives it.
//
// The rows keep where they were declared, so the merged table can be printed
// and a control that two rows claim can be named at start-up.

#include <functional>
#include <iosfwd>
#include <optional>
#include <source_location>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "platform/events.hpp"

namespace platform {
class Window;
}

namespace frame {

// One routed event of one control array.
enum class ArrayEvent {
  Command21Click,
  Command25Click,
  Command28Click,
  Command29Click,
  Option1Click,
  Text1Change,
  Text1LostFocus,
  Label33MouseMove,
  Option1MouseMove,
  Label41MouseMove,
  Label41Click,
  Frame30MouseMove,
};
using enum ArrayEvent;

struct ArrayEventInfo {
  ArrayEvent event;
  const char* array;         // the name the array's controls share
  platform::EventType type;  // the platform event that is routed
  int lastIndex;             // indices run from 0 to lastIndex
};

// An event as procedure names end in it: "Click", "Change".
const char* EventName(platform::EventType type);

// What the one list of routed arrays and events says of one of them.
const ArrayEventInfo& Info(ArrayEvent event);

class Routes {
 public:
  using Procedure = std::function<void()>;
  using EventProcedure = std::function<void(platform::Event&)>;

  struct Row {
    std::string control;       // the routed array's name, or the named control's
    platform::EventType type;
    std::optional<int> index;  // the array element; none for a named control
    std::variant<Procedure, EventProcedure> procedure;
    const char* owner;  // the stage that declared the row, by its name
    std::source_location where;
  };

  // The stage whose rows follow; the program sets it before each stage declares.
  void setOwner(const char* owner) { owner_ = owner; }

  void on(ArrayEvent event, int index, Procedure procedure,
          std::source_location where = std::source_location::current());
  // One procedure for the indices first..last, given the element's index.
  void onEach(ArrayEvent event, int first, int last, std::function<void(int)> procedure,
              std::source_location where = std::source_location::current());
  // A named control's event, with or without the event itself.
  void on(std::string control, platform::EventType type, Procedure procedure,
          std::source_location where = std::source_location::current());
  void on(std::string control, platform::EventType type, EventProcedure procedure,
          std::source_location where = std::source_location::current());

  // Rows that cannot stand: an index outside its array, a control claimed
  // twice for one event, or a named row that would take the place of a routed
  // array's dispatch. Empty when the table is sound.
  std::vector<std::string> Faults() const;
  // Throws std::logic_error naming every fault.
  void Check() const;
  // Rows for controls that the loaded main window does not have, each with
  // where it was declared. Binding the first main window refuses them.
  std::vector<std::string> Missing(const platform::Window& main) const;

  // Runs the row of an index; an index without a row does nothing.
  void Run(ArrayEvent event, int index) const;
  bool Has(ArrayEvent event, int index) const { return Find(event, index) != nullptr; }
  const Row* Find(ArrayEvent event, int index) const;
  const std::vector<Row>& rows() const { return rows_; }

  // Binds every array's event procedure and every named control's row on the main window.
  void Bind(platform::Window& main) const;

  // The merged table, one row a line: the arrays' rows sorted by array and
  // index, then the named controls' rows by name and event.
  void Print(std::ostream& out) const;

 private:
  void Add(std::string control, platform::EventType type, std::optional<int> index,
           std::variant<Procedure, EventProcedure> procedure, std::source_location where);
  // The row of every index of every routed array, found at once while the
  // program runs; made again when rows have been added since.
  const std::vector<std::vector<const Row*>>& ByIndex() const;

  std::vector<Row> rows_;
  const char* owner_ = "";
  mutable std::vector<std::vector<const Row*>> byIndex_;
  mutable bool bound_ = false;
};

}  // namespace frame
