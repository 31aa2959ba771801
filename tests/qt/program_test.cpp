// The whole program on the Qt front end: start, Um through the widgets, a
// restart from a button of the main window, and "Print Screen" into a PDF file.

#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "program_fixture.hpp"

namespace {

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
