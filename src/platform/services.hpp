#pragma once
// The desktop services the program uses besides its windows. The Qt front end
// implements them for real; tests use the scripted ones of scripted_services.hpp.

#include <string>

namespace platform {

class Window;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal box with the prompt, the title, an OK button only and no icon.
  virtual void messageBox(const std::string& prompt, const std::string& title) = 0;
  // A modal input box; cancel answers the empty text.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
};

enum class Orientation { Portrait = 1, Landscape = 2 };

// Each step answers false when the printer is missing, not ready or failed.
class Printer {
 public:
  virtual ~Printer() = default;
  virtual bool setOrientation(Orientation o) = 0;
  virtual bool printWindow(const Window& window) = 0;
  virtual bool endDoc() = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::string shortDate() = 0;  // the system date in the desktop's short form
};

enum class MousePointer { Default = 0, Hourglass = 11 };

class Screen {
 public:
  virtual ~Screen() = default;
  virtual void setMousePointer(MousePointer p) = 0;
};

class Process {
 public:
  virtual ~Process() = default;
  virtual void exit() = 0;  // ends the process at once
};

}  // namespace platform
