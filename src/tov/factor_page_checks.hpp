#pragma once
// Checks shared by the earth-fault, resonance and combination pages: the box
// check that runs on every change, reading a box as typed, and whether a
// computed result fits the box it is meant for.

#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

#include "frame/app.hpp"
#include "platform/control.hpp"

namespace tov {

// The value of a box's text with its dots read as commas, without rewriting
// the box; std::nullopt when the text is no usable number.
std::optional<double> NumberAsTyped(const platform::Control& box);
bool IsUsableNumber(const platform::Control& box);
inline bool IsFilled(const platform::Control& box) { return !box.text().empty(); }

// A typed box that holds something other than a number is refused with the
// single-box message and emptied (which runs its check once more, empty).
void RefuseUnlessNumber(frame::App& app, platform::Control& box);

// True when every value can be written into its box without the box's
// MaxLength cut changing its magnitude, so a result set is written whole or
// not at all.
bool AllShowable(std::initializer_list<std::pair<const platform::Control*, double>> results);

// A control of the main window by name and, for an array element, index.
struct ControlRef {
  ControlRef(const char* n) : name(n) {}  // NOLINT: a plain name reads best in lists
  ControlRef(const char* n, int i) : name(n), index(i) {}
  std::string_view name;
  int index = platform::kNoIndex;
};

void SetVisible(frame::App& app, std::initializer_list<ControlRef> controls, bool visible);

}  // namespace tov
