#pragma once
// What the pages of every stage do again and again: show, hide or clear a set
// of controls, read a box as typed, refuse a box that holds no number, write
// a set of results whole or not at all, and place an "OK" button beside or
// below the box it serves.

#include <initializer_list>
#include <optional>
#include <span>
#include <utility>

#include "frame/app.hpp"
#include "frame/control_ref.hpp"
#include "platform/control.hpp"
#include "platform/design.hpp"

namespace frame {

// The control a reference names on the main window as it is loaded now.
inline platform::Control& Get(App& app, const ControlRef& r) { return app.control(r.name, r.index); }

void SetVisible(App& app, ControlRefs controls, bool visible);
void SetVisible(App& app, std::initializer_list<ControlRef> controls, bool visible);
void Clear(App& app, ControlRefs boxes);
void Clear(App& app, std::initializer_list<ControlRef> boxes);
// Deselects options from code; no option's click runs.
void Deselect(App& app, ControlRefs options);
void Deselect(App& app, std::initializer_list<ControlRef> options);
// Deselects Option1(first) to Option1(last).
void DeselectOptions(App& app, int first, int last);

inline bool IsFilled(const platform::Control& box) { return !box.text().empty(); }
bool AllFilled(App& app, ControlRefs boxes);
bool AllFilled(App& app, std::initializer_list<ControlRef> boxes);

// The value of a box's text with its dots read as commas, without rewriting
// the box; std::nullopt when the text is no usable number.
std::optional<double> NumberAsTyped(const platform::Control& box);
bool IsUsableNumber(const platform::Control& box);

// What the check of a typed box on every change refuses: a text that no more
// keys can make a number. An empty box, a number and an unfinished number
// ("-", ",", "1,2E-") stand while the person types.
bool HoldsNoNumberToBe(const platform::Control& box);

// The check of a typed box on every change: a box that holds a text no more
// keys can make a number is refused with the single-box message and emptied
// (which runs its check once more, empty). Returns false when it refused.
bool RefuseUnlessNumber(App& app, platform::Control& box);

// Writes every value, in the order given, when all of them can be shown;
// otherwise writes nothing and returns false, so a result set is never half
// written and a value that cannot be shown is never shown.
bool WriteAll(App& app, std::initializer_list<std::pair<platform::Control*, double>> results);

// An "OK" button beside a single box, or below the last box of a group.
void PlaceBeside(platform::Control& ok, const platform::Control& box);
void PlaceBelow(platform::Control& ok, const platform::Control& box);

// A box check that shares one shape: the box's own number check, then a
// button shown or enabled exactly while every box of a group holds text.
struct FilledRule {
  enum class Action { Show, Enable };
  ControlRef box;
  ControlRefs group;
  ControlRef button;
  Action action = Action::Show;
  bool checkNumber = true;  // false for result boxes that only gate a button
};
void RunFilledRule(App& app, const FilledRule& rule);

}  // namespace frame
