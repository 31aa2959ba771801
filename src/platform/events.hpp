#pragma once

#include <cstddef>
#include <functional>

namespace platform {

class Control;

enum class EventType { Click, Change, LostFocus, KeyPress, MouseMove };
inline constexpr std::size_t kEventTypes = 5;

struct Event {
  EventType type;
  Control& control;
  int index;          // the control's index in its array, kNoIndex for a single control
  int keyAscii = 0;   // KeyPress: the character code; a handler may set it to 0 to drop the key
};

using Handler = std::function<void(Event&)>;

}  // namespace platform
