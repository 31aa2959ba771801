// The keyboard as a person uses it: Return or Enter presses the focused button, Tab
// walks a page in reading order past what cannot be used, and the focus
// follows the page that the model shows.

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <sstream>

#include "front_end_fixture.hpp"
#include "program_fixture.hpp"
#include "qt/tab_strip_widget.hpp"
#include "scenario/run.hpp"
#include "scenario/session.hpp"
#include "widgets/widget_front.hpp"

using namespace platform;

namespace {

class KeyboardTest : public FrontEndTest {
 protected:
  void ShowActive(std::vector<ControlDesign> designs, std::function<void(Window&)> bind = {}) {
    Show(std::move(designs), std::move(bind));
    View()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(View()));
  }
  // The name of the control with the focus, once the event loop has run.
  std::string Focused() {
    QCoreApplication::processEvents();
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) return "nothing";
    if (auto* bar = qobject_cast<QTabBar*>(focus)) focus = bar->parentWidget();
    return focus->objectName().toStdString();
  }
  std::vector<std::string> TabWalk(int steps, Qt::Key key = Qt::Key_Tab) {
    std::vector<std::string> walk;
    for (int i = 0; i < steps; ++i) {
      QTest::keyClick(QApplication::focusWidget(), key);
      walk.push_back(Focused());
    }
    return walk;
  }
};

ControlDesign Box(const char* name, int left, int top, unsigned flags = 0) {
  return {.kind = Kind::TextBox, .name = name, .left = left, .top = top, .width = 900, .height = 285, .flags = flags};
}
ControlDesign Button(const char* name, int left, int top, unsigned flags = 0, const char* container = nullptr,
                     int page = -1) {
  return {.kind = Kind::CommandButton, .name = name, .container = container, .page = page, .left = left, .top = top,
          .width = 1200, .height = 315, .caption = name, .flags = flags};
}
ControlDesign Option(const char* name, const char* container, int left, int top, int page = -1) {
  return {.kind = Kind::OptionButton, .name = name, .container = container, .page = page, .left = left, .top = top,
          .width = 1500, .height = 255, .caption = name};
}

TEST_F(KeyboardTest, TabFollowsTheReadingOrderPastWhatCannotBeUsed) {
  // Created out of reading order, as design tables often are.
  ShowActive({Box("txtRight", 3000, 300), Button("cmdBelow", 300, 900), Box("txtLeft", 300, 315),
              Box("txtLocked", 3000, 900, Locked), Box("txtHidden", 1800, 900, Hidden),
              Button("cmdDisabled", 4500, 900, Disabled),
              {.kind = Kind::Frame, .name = "Frame1", .left = 300, .top = 1500, .width = 6000, .height = 1200},
              {.kind = Kind::TextBox, .name = "txtInFrame", .container = "Frame1", .left = 120, .top = 700,
               .width = 900, .height = 285},
              Option("optSecond", "Frame1", 3000, 300),
              Option("optFirst", "Frame1", 120, 300), Box("txtLast", 6600, 300)});
  EXPECT_EQ(Focused(), "txtLeft");
  EXPECT_EQ(TabWalk(7), (std::vector<std::string>{"txtRight", "txtLast", "cmdBelow", "optFirst", "optSecond",
                                                  "txtInFrame", "txtLeft"}));
  EXPECT_EQ(TabWalk(2, Qt::Key_Backtab), (std::vector<std::string>{"txtInFrame", "optSecond"}));
}

TEST_F(KeyboardTest, TheFocusGoesToTheFirstControlOfThePageTheModelShows) {
  ShowActive(
      {{.kind = Kind::TabStrip, .name = "tabSteps", .left = 0, .top = 0, .width = 8000, .height = 4500,
        .tabs = "One|Two"},
       Button("cmdNext", 300, 3000, 0, "tabSteps", 0), Option("optEnter", "tabSteps", 300, 600, 1),
       Button("cmdRestart", 300, 150, NoPageFocus, "tabSteps", 1),
       {.kind = Kind::Frame, .name = "Frame5", .container = "tabSteps", .page = 1, .left = 300, .top = 1200,
        .width = 4000, .height = 1500},
       {.kind = Kind::TextBox, .name = "txtK", .container = "Frame5", .left = 300, .top = 300, .width = 900,
        .height = 285},
       Button("cmdOK", 1500, 300, 0, "Frame5"), Button("cmdCalculate", 300, 5000)},
      [](Window& w) {
        w("tabSteps").setTabEnabled(1, false);
        w.on("cmdNext", EventType::Click, [&w](Event&) {
          w("tabSteps").setTabEnabled(0, false);
          w("tabSteps").setTabEnabled(1, true);
          w("tabSteps").setTab(1);
        });
        w.on("cmdOK", EventType::Click, [&w](Event&) { w("Frame5").setVisible(false); });
      });
  // A row of tabs with a single page open is no stop of the Tab key.
  EXPECT_EQ(Focused(), "cmdNext");
  EXPECT_EQ(TabWalk(2), (std::vector<std::string>{"cmdCalculate", "cmdNext"}));

  QTest::keyClick(Widget("cmdNext"), Qt::Key_Return);
  EXPECT_EQ(Focused(), "optEnter");  // the page now shown, not its row of tabs, nor a button that ends the run

  Widget("txtK")->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(TabWalk(1), (std::vector<std::string>{"cmdOK"}));
  QTest::keyClick(Widget("cmdOK"), Qt::Key_Return);
  EXPECT_EQ(Focused(), "optEnter");  // the OK's frame is gone: the first control of its page
}

class KeyboardOnTheProgramTest : public ProgramOnQtTest {
 protected:
  QWidget* FocusedIn(QWidget* window) {
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    QCoreApplication::processEvents();
    return QApplication::focusWidget();
  }
};

TEST_F(KeyboardOnTheProgramTest, FromStartToTheFactorPagesWithTheKeyboardAlone) {
  program.Main();
  QWidget* start = renderer.windowWidget(*platform.window("Form1"));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
  QWidget* focus = FocusedIn(start);
  ASSERT_EQ(focus, renderer.widget(platform.window("Form1")->get("Command1")));
  InEventLoop([&] { QTest::keyClick(focus, Qt::Key_Return); });  // "START"

  ASSERT_NE(platform.window("frmVarno"), nullptr);
  focus = FocusedIn(renderer.windowWidget(Main()));
  ASSERT_EQ(focus, Widget("txtUm"));
  QTest::keyClicks(focus, "420");
  QTest::keyClick(focus, Qt::Key_Return);
  // Um is taken and its box gone: the first control of the page now open.
  EXPECT_EQ(FocusedIn(renderer.windowWidget(Main())), Widget("cmdEnterTOV"));
  QTest::keyClick(Widget("cmdEnterTOV"), Qt::Key_Tab);
  EXPECT_EQ(FocusedIn(renderer.windowWidget(Main())), Widget("cmdCalculateTOV"));
  QTest::keyClick(Widget("cmdCalculateTOV"), Qt::Key_Enter);  // the keypad's Enter as well
  // The factor strip lies over the page: its first option takes the focus.
  EXPECT_EQ(FocusedIn(renderer.windowWidget(Main())), Widget("optEnterK1"));
}

// The worked road through the widgets: wherever a page or strip opens, also
// by CALCULATE on a tab with nothing to type, or the focused control goes, the
// focus never lands on a way back, which a second Enter would take.
TEST(KeyboardOnTheRoad, TheFocusNeverMovesOntoAWayBack) {
  scenario::WidgetFront front;
  std::vector<std::string> onWayBack;
  const auto after = [&](scenario::Session&, const scenario::Step& step) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() != "frmVarno" || !top->isVisible()) continue;
      auto* button = qobject_cast<QPushButton*>(top->focusWidget());
      if (button == nullptr || button->objectName().toStdString() == step.words.back()) continue;
      const QString caption = button->text();
      if (caption.contains("Back") || caption.startsWith("Restart") || caption.startsWith("Exit"))
        onWayBack.push_back(scenario::Where(*step.source, step.line) + " " + caption.toStdString());
    }
  };
  std::ostringstream out;
  EXPECT_TRUE(scenario::RunRoad(IC_SCENARIOS_DIR "/road_420kv.scn", out, front, after)) << out.str();
  EXPECT_EQ(onWayBack, std::vector<std::string>{});
}

}  // namespace
