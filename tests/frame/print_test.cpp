// "Print Screen": the buttons of the results page stay off the printed page,
// the pointer and the buttons come back whatever the printer does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/program.hpp"
#include "platform/scripted_services.hpp"

using namespace platform;

namespace {

// A printer that fails at a chosen step and notes what the window looked like
// when its picture was taken.
class ProbePrinter : public Printer {
 public:
  enum Step { None, Landscape, Print, EndDoc, Portrait };
  Step failAt = None;
  Platform* platform = nullptr;
  std::vector<std::string> steps;
  std::vector<bool> buttonsSeen;  // Visible of Command25(19..21) while printing
  bool hourglassWhilePrinting = false;
  Orientation orientationWhilePrinting = Orientation::Portrait;
  Orientation orientation = Orientation::Portrait;
  int pagesOut = 0;

  bool setOrientation(Orientation o) override {
    steps.push_back(o == Orientation::Landscape ? "landscape" : "portrait");
    if (failAt == (o == Orientation::Landscape ? Landscape : Portrait)) return false;
    orientation = o;
    return true;
  }
  bool printWindow(const Window& w) override {
    steps.push_back("print " + w.name());
    buttonsSeen.clear();
    for (int i = 19; i <= 21; ++i) buttonsSeen.push_back(w.get("Command25", i).visible());
    hourglassWhilePrinting = platform->mousePointer() == MousePointer::Hourglass;
    orientationWhilePrinting = orientation;
    return failAt != Print;
  }
  bool endDoc() override {
    steps.push_back("end");
    if (failAt == EndDoc) return false;
    ++pagesOut;
    return true;
  }
};

class PrintTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ProbePrinter printer;
  FixedClock clock;
  RecordingScreen screen;
  RecordingProcess process;
  Platform p{Services{&dialogs, &printer, &clock, &screen, &process}};
  program::Program prog{p};

  void SetUp() override {
    printer.platform = &p;
    prog.Main();
    Window* start = p.window("Form1");
    ASSERT_NE(start, nullptr);
    p.click(start->get("Command1"));
    ASSERT_NE(p.window("frmVarno"), nullptr);
  }
  Window& main() { return prog.app.main(); }
  void ExpectButtonsBack() {
    for (int i = 19; i <= 21; ++i) EXPECT_TRUE(main().get("Command25", i).visible()) << i;
    EXPECT_EQ(p.mousePointer(), MousePointer::Default);
    EXPECT_EQ(screen.pointer, MousePointer::Default);
  }
};

const ShownBox kPrintError{"printer not ready or printer error.Check printer and try again.", "print error"};

TEST_F(PrintTest, PrintsTheMainWindowInLandscapeWithoutTheResultsButtons) {
  prog.app.RaiseEvent("Command25", 21, platform::EventType::Click);
  EXPECT_EQ(printer.steps, (std::vector<std::string>{"landscape", "print frmVarno", "end", "portrait"}));
  EXPECT_EQ(printer.buttonsSeen, (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(printer.hourglassWhilePrinting);
  EXPECT_EQ(printer.orientationWhilePrinting, Orientation::Landscape);
  EXPECT_EQ(printer.pagesOut, 1);
  EXPECT_EQ(printer.orientation, Orientation::Portrait);
  ExpectButtonsBack();
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrintTest, AFailureAtAnyStepGivesTheMessageAndRestoresTheWindow) {
  for (auto step : {ProbePrinter::Landscape, ProbePrinter::Print, ProbePrinter::EndDoc, ProbePrinter::Portrait}) {
    printer.failAt = step;
    printer.steps.clear();
    dialogs.messages.clear();
    prog.app.RaiseEvent("Command25", 21, platform::EventType::Click);
    ASSERT_EQ(dialogs.messages.size(), 1u) << "failing step " << step;
    EXPECT_EQ(dialogs.messages[0].prompt, kPrintError.prompt);
    EXPECT_EQ(dialogs.messages[0].title, kPrintError.title);
    EXPECT_EQ(printer.steps.size(), static_cast<std::size_t>(step)) << "the job stops at the failing step";
    ExpectButtonsBack();
  }
}

TEST_F(PrintTest, ASecondPrintAfterAFailureStartsAgainInLandscape) {
  printer.failAt = ProbePrinter::Print;
  prog.app.RaiseEvent("Command25", 21, platform::EventType::Click);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  printer.failAt = ProbePrinter::None;
  printer.steps.clear();
  prog.app.RaiseEvent("Command25", 21, platform::EventType::Click);
  EXPECT_EQ(printer.steps, (std::vector<std::string>{"landscape", "print frmVarno", "end", "portrait"}));
  EXPECT_EQ(printer.orientationWhilePrinting, Orientation::Landscape);
  EXPECT_EQ(printer.buttonsSeen, (std::vector<bool>{false, false, false}));
  EXPECT_EQ(printer.pagesOut, 1);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  ExpectButtonsBack();
}

TEST(PrintWithoutPrinter, IsAPrinterFailure) {
  HeadlessPlatform h;
  Platform p{Services{&h.dialogs, nullptr, &h.clock, &h.screen, &h.process}};
  program::Program prog(p);
  prog.Main();
  ASSERT_NE(p.window("Form1"), nullptr);
  p.click(p.window("Form1")->get("Command1"));
  prog.app.RaiseEvent("Command25", 21, platform::EventType::Click);
  ASSERT_EQ(h.dialogs.messages.size(), 1u);
  EXPECT_EQ(h.dialogs.messages[0].title, "print error");
  EXPECT_EQ(p.mousePointer(), MousePointer::Default);
  EXPECT_TRUE(prog.app.main().get("Command25", 21).visible());
}

}  // namespace
