#pragma once

#include <cstddef>
#include <functional>

namespace platform {

class Control;

// The events a control answers. A new one goes before Count, which is no
// event: it counts them, and kEventTypes, the size of each name's table of
// procedures, is Count, so the table grows with every event added.
enum class EventType { Click, Change, LostFocus, KeyPress, MouseMove, Count };
inline constexpr std::size_t kEventTypes = static_cast<std::size_t>(EventType::Count);

struct Event {
  EventType type;
  Control& control;
  int index;          // the control's index in its array, kNoIndex for a single control
  int keyAscii = 0;   // KeyPress: the character code; a handler may set it to 0 to drop the key
};

using Handler = std::function<void(Event&)>;

}  // namespace platform
