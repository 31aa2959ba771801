#pragma once
// A control of the main window by name and, for an array element, index: how
// pages list the controls they show, clear or read together.

#include <span>
#include <string>

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

// A control as a message names it: Text1(98), txtUm.
inline std::string NameOf(const ControlRef& r) {
  return r.index == platform::kNoIndex ? r.name : std::string(r.name) + "(" + std::to_string(r.index) + ")";
}

// The value-store box Text1(slot) and the option Option1(index), the two
// arrays pages name most.
constexpr ControlRef Box(int slot) { return {"Text1", slot}; }
constexpr ControlRef Option(int index) { return {"Option1", index}; }

}  // namespace frame
