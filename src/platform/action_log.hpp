#pragma once
// What a person did, in order, and what they answered in the input boxes:
// enough to do it all again on a fresh program and reach the very same
// state. The program never keeps one; a test sets it on the platform.

#include <string>
#include <vector>

#include "platform/design.hpp"

namespace platform {

struct PersonAction {
  enum class Kind { Click, Type, Set, Key, Focus, Hover, Tab, Close, Answer };
  Kind kind;
  std::string window;  // the control's window, or the window closed
  std::string name;
  int index = kNoIndex;
  std::string text;  // typed, set or answered
  int number = 0;    // the key code or the page
};

using ActionLog = std::vector<PersonAction>;

}  // namespace platform
