// The whole program on the Qt front end: start, Um through the widgets, a
// restart from a button of the main window, and "Print Screen" into a PDF file.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "program/program.hpp"
#include "platform/scripted_services.hpp"
#include "qt/qt_printer.hpp"
#include "qt/tab_strip_widget.hpp"
#include "qt/window_renderer.hpp"

namespace {

class ProgramOnQtTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  qt::WindowRenderer renderer;
  qt::QtPrinter printer{renderer, dir.filePath("print.pdf")};
  platform::ScriptedDialogs dialogs;
  platform::FixedClock clock;
  platform::RecordingScreen screen;
  platform::RecordingProcess process;
  platform::Platform platform{platform::Services{&dialogs, &printer, &clock, &screen, &process}};
  program::Program program{platform};

  ProgramOnQtTest() { renderer.attach(platform); }
  ~ProgramOnQtTest() override {
    for (platform::Window* w : platform.windows()) platform.unload(*w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  platform::Window& Main() { return *platform.window("frmVarno"); }
  template <class W = QWidget>
  W* Widget(const char* name, int index = platform::kNoIndex) {
    return dynamic_cast<W*>(renderer.widget(Main().get(name, index)));
  }

  // Runs a person's action inside the event loop, as the running program gets it.
  static void InEventLoop(const std::function<void()>& action) {
    QEventLoop loop;
    QTimer::singleShot(0, [&] {
      action();
      loop.quit();
    });
    loop.exec();
  }

  void StartAndEnterUm(const char* um) {
    program.Main();
    platform::Window* start = platform.window("Form1");
    ASSERT_NE(start, nullptr);
    QWidget* startButton = renderer.widget(start->get("Command1"));
    InEventLoop([&] { QTest::mouseClick(startButton, Qt::LeftButton); });
    ASSERT_EQ(platform.window("Form1"), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(renderer.windowWidget(Main())));
    QTest::keyClicks(Widget<QLineEdit>("txtUm"), um);
    QTest::keyClick(Widget<QLineEdit>("txtUm"), Qt::Key_Return);
  }
};

TEST_F(ProgramOnQtTest, StartUmAndRestartFromTheBackButton) {
  StartAndEnterUm("420");
  EXPECT_TRUE(Widget("lblRange")->isVisible());
  EXPECT_EQ(Widget<QLabel>("lblRange")->text(), "Range II");
  EXPECT_FALSE(Widget("txtUm")->isVisible());

  QPointer<QWidget> oldView = renderer.windowWidget(Main());
  QWidget* back = Widget("Command21", 0);
  ASSERT_TRUE(back->isVisible());
  InEventLoop([&] { QTest::mouseClick(back, Qt::LeftButton); });
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(oldView.isNull());
  EXPECT_TRUE(Widget("txtUm")->isVisible());
  EXPECT_EQ(Widget<QLineEdit>("txtUm")->text(), "");
  EXPECT_FALSE(Widget("lblRange")->isVisible());
  EXPECT_FALSE(Widget("tabGeneral")->isEnabled());
}

TEST_F(ProgramOnQtTest, PrintScreenPrintsALandscapePageAndShowsTheButtonsAgain) {
  StartAndEnterUm("420");
  program.app.PrintScreen();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(printer.lastJobOrientation(), QPageLayout::Landscape);
  EXPECT_GT(QFile(dir.filePath("print.pdf")).size(), 1000);
  EXPECT_TRUE(Main().get("Command25", 21).visible());
}

TEST_F(ProgramOnQtTest, PrintScreenWithoutAPrinterShowsThePrintError) {
  qt::QtPrinter broken(renderer, "/nonexistent-folder/for/sure/print.pdf");
  platform::Platform other{platform::Services{&dialogs, &broken, &clock, &screen, &process}};
  program::Program second{other};
  renderer.attach(other);
  second.Main();
  other.click(other.window("Form1")->get("Command1"));
  second.app.PrintScreen();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].prompt, "printer not ready or printer error.Check printer and try again.");
  EXPECT_EQ(dialogs.messages[0].title, "print error");
  EXPECT_EQ(screen.pointer, platform::MousePointer::Default);
  for (platform::Window* w : other.windows()) other.unload(*w);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  renderer.attach(platform);
}

}  // namespace
