#pragma once

#include "platform/services.hpp"

namespace qt {

// Real modal boxes: a message box with an OK button only and no icon, an input
// box whose Cancel answers the empty text. Titles keep their blanks.
class QtDialogs : public platform::Dialogs {
 public:
  void messageBox(const std::string& prompt, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
};

}  // namespace qt
