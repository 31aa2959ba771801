#pragma once
// A control of the main window by name and, for an array element, index: how
// pages list the controls they show, clear or read together.

#include <span>

#include "platform/design.hpp"

namespace frame {

struct ControlRef {
  constexpr ControlRef() = default;
  constexpr ControlRef(const char* n) : name(n) {}  // NOLINT: a plain name reads best in lists
  constexpr ControlRef(const char* n, int i) : name(n), index(i) {}
  const char* name = "";
  int index = platform::kNoIndex;
};
using ControlRefs = std::span<const ControlRef>;

// A place of a fixed-size list of controls that names one; the rest stay empty.
constexpr bool Used(const ControlRef& r) { return r.name[0] != '\0'; }

// The value-store box Text1(slot) and the option Option1(index), the two
// arrays pages name most.
constexpr ControlRef Box(int slot) { return {"Text1", slot}; }
constexpr ControlRef Option(int index) { return {"Option1", index}; }

}  // namespace frame
