// A click on a window's own button unloads it, loads it again and shows it:
// the old widgets go away safely and the new ones show the design state.

#include <QLineEdit>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "front_end_fixture.hpp"

using namespace platform;

namespace {

class RestartTest : public FrontEndTest {
 protected:
  WindowDefinition definition;
  int loads = 0;
  bool messageAfterRestart = false;

  void SetUp() override {
    definition = Definition(
        {{.kind = Kind::TextBox, .name = "txtUm", .left = 300, .top = 300, .width = 900, .height = 285},
         {.kind = Kind::CommandButton, .name = "cmdRestart", .left = 300, .top = 900, .width = 1500,
          .height = 315, .caption = "Restart Program"},
         {.kind = Kind::Label, .name = "lblRange", .left = 300, .top = 1500, .width = 1500, .height = 285,
          .caption = "Label3", .flags = Hidden}},
        [this](Window& w) {
          w.on("cmdRestart", EventType::Click, [this](Event&) {
            Restart();
            if (messageAfterRestart) platform.messageBox("restarted", "Restart");
          });
        });
    definition.onLoad = [this](Window&) { ++loads; };
    window = &platform.load(definition);
    platform.show(*window);
  }

  // Unloads the main window from inside its own click and brings it back.
  void Restart() {
    platform.unload(*platform.window("frmTest"));
    window = &platform.load(definition);
    platform.show(*window);
  }
};

TEST_F(RestartTest, RestartFromInsideAClickRebuildsTheWindow) {
  for (int run = 0; run < 3; ++run) {
    C("txtUm").setText("420");
    C("lblRange").setVisible(true);
    QPointer<QWidget> oldView = View();
    QPointer<QWidget> oldButton = Widget("cmdRestart");
    QTest::mouseClick(oldButton, Qt::LeftButton);
    EXPECT_NE(View(), oldView.data());
    DeleteLater();
    EXPECT_TRUE(oldView.isNull());
    EXPECT_TRUE(oldButton.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(View()));
    EXPECT_EQ(Widget<QLineEdit>("txtUm")->text(), "");
    EXPECT_FALSE(Widget("lblRange")->isVisible());
    EXPECT_TRUE(Widget("cmdRestart")->isVisible());
  }
  EXPECT_EQ(loads, 4);
  EXPECT_EQ(platform.windows().size(), 1u);
}

TEST_F(RestartTest, RestartBehindAMessageBoxInTheSameClick) {
  messageAfterRestart = true;
  QTest::mouseClick(Widget("cmdRestart"), Qt::LeftButton);
  EXPECT_EQ(dialogs.scripted.messages.size(), 1u);
  QTest::mouseClick(Widget("cmdRestart"), Qt::LeftButton);
  EXPECT_EQ(dialogs.scripted.messages.size(), 2u);
}

TEST_F(RestartTest, RestartBehindARealMessageBoxInsideTheEventLoop) {
  // As in the running program: the click arrives inside the event loop, and the
  // message box runs a nested loop while the old button is still in its signal.
  dialogs.real = true;
  messageAfterRestart = true;
  QPointer<QWidget> oldView = View();
  QWidget* button = Widget("cmdRestart");
  QString shown;
  QEventLoop loop;
  QTimer::singleShot(0, [&] {
    QTest::mouseClick(button, Qt::LeftButton);
    loop.quit();
  });
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->text();
    EXPECT_FALSE(oldView.isNull()) << "the old window went away inside the click";
    box->button(QMessageBox::Ok)->click();
  });
  loop.exec();
  EXPECT_EQ(shown, "restarted");
  DeleteLater();
  EXPECT_TRUE(oldView.isNull());
  EXPECT_TRUE(Widget("cmdRestart")->isVisible());
}

}  // namespace
