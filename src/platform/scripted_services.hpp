#pragma once
// Services for running the program without a desktop: message boxes are
// recorded, input boxes answered from a queue, the printer succeeds or fails
// as told, the clock reports a set date.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/services.hpp"

namespace platform {

struct ShownBox {
  std::string prompt;
  std::string title;
};

class ScriptedDialogs : public Dialogs {
 public:
  void messageBox(const std::string& prompt, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;

  void queueAnswer(const std::string& answer) { answers_.push_back(answer); }
  void queueCancel() { answers_.push_back(""); }
  std::size_t pendingAnswers() const { return answers_.size(); }

  std::vector<ShownBox> messages;       // every message box, oldest first
  std::vector<ShownBox> inputs;         // every input box, oldest first
  int unansweredInputs = 0;             // input boxes that found no queued answer

 private:
  std::deque<std::string> answers_;
};

class ScriptedPrinter : public Printer {
 public:
  bool setOrientation(Orientation o) override;
  bool printWindow(const Window& window) override;
  bool endDoc() override;

  bool failNext = false;                // the next job fails at its first step
  Orientation orientation = Orientation::Portrait;
  std::vector<Orientation> printedPages;  // orientation of each page that went out
  int pagesInJob = 0;

 private:
  bool failOnce();
};

class FixedClock : public Clock {
 public:
  std::string shortDate() override { return date; }
  std::string date = "09.12.2026";
};

class RecordingScreen : public Screen {
 public:
  void setMousePointer(MousePointer p) override {
    pointer = p;
    if (shownOn != nullptr) shownOn->setMousePointer(p);
  }
  MousePointer pointer = MousePointer::Default;
  // A desktop that shows the pointer as well, while a front end shows the program on one.
  Screen* shownOn = nullptr;
};

class RecordingProcess : public Process {
 public:
  void exit() override { exited = true; }
  bool exited = false;
};

// A platform with all scripted services, ready for a test or the scenario runner.
struct HeadlessPlatform {
  ScriptedDialogs dialogs;
  ScriptedPrinter printer;
  FixedClock clock;
  RecordingScreen screen;
  RecordingProcess process;
  Platform platform{Services{&dialogs, &printer, &clock, &screen, &process}};
};

}  // namespace platform
