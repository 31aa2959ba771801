#pragma once
// How the audit names what it finds: a procedure by its control and event,
// a control as the rows name it.

#include <string>

#include "frame/control_ref.hpp"
#include "frame/routes.hpp"
#include "platform/control.hpp"

namespace frame {

inline std::string Procedure(const platform::Control& c, platform::EventType type) {
  return c.displayName() + "_" + EventName(type);
}

inline bool Names(const ControlRef& r, const platform::Control& c) { return r.name == c.name() && r.index == c.index(); }

}  // namespace frame
