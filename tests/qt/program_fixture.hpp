#pragma once
// The whole program on the Qt front end, with scripted message and input
// boxes and a printer that prints into a PDF file.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/scripted_services.hpp"
#include "program/program.hpp"
#include "qt/qt_printer.hpp"
#include "qt/window_renderer.hpp"

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
  platform::Control& Model(const char* name, int index = platform::kNoIndex) { return Main().get(name, index); }
  template <class W = QWidget>
  W* Widget(const char* name, int index = platform::kNoIndex) {
    return dynamic_cast<W*>(renderer.widget(Model(name, index)));
  }
  // A click the model takes straight: the way to a page, not what a test is about.
  void Click(const char* name, int index = platform::kNoIndex) { platform.click(Model(name, index)); }

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
