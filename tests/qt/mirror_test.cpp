// A window with one control of each kind: the widgets show the model, and what
// a person does with the widgets reaches the model.

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <set>

#include "front_end_fixture.hpp"
#include "qt/drawing_widgets.hpp"
#include "qt/picture_widget.hpp"
#include "qt/tab_strip_widget.hpp"

using namespace platform;

namespace {

std::vector<ControlDesign> OneOfEach() {
  return {
      {.kind = Kind::Label, .name = "Label2", .left = 150, .top = 150, .width = 1815, .height = 285,
       .caption = "Enter U    value (kV)"},
      {.kind = Kind::Label, .name = "Label1", .index = 0, .left = 810, .top = 210, .width = 165, .height = 270,
       .caption = "m"},
      {.kind = Kind::TextBox, .name = "txtValue", .left = 2100, .top = 150, .width = 945, .height = 285,
       .maxLength = 6},
      {.kind = Kind::CommandButton, .name = "cmdOK", .left = 3150, .top = 150, .width = 1365, .height = 315,
       .caption = "OK"},
      {.kind = Kind::Label, .name = "lblRange", .left = 150, .top = 600, .width = 3000, .height = 285,
       .caption = "Label3", .flags = Hidden | Bold, .foreColor = kBlue},
      {.kind = Kind::Frame, .name = "Frame1", .left = 150, .top = 1000, .width = 4000, .height = 1500,
       .caption = "Choose"},
      {.kind = Kind::OptionButton, .name = "optA", .container = "Frame1", .left = 120, .top = 300,
       .width = 1500, .height = 255, .caption = "Enter"},
      {.kind = Kind::OptionButton, .name = "optB", .container = "Frame1", .left = 120, .top = 700,
       .width = 1500, .height = 255, .caption = "Calculate"},
      {.kind = Kind::Image, .name = "Image1", .left = 4500, .top = 150, .width = 1500, .height = 1750,
       .caption = "substation"},
      {.kind = Kind::Line, .name = "Line1", .left = 150, .top = 2700, .width = 4000, .height = 0},
      {.kind = Kind::Shape, .name = "Shape1", .left = 150, .top = 2800, .width = 600, .height = 300,
       .backColor = kLightYellow},
      {.kind = Kind::TabStrip, .name = "tabMain", .left = 150, .top = 3200, .width = 6000, .height = 2500,
       .tabs = "First|Second"},
      {.kind = Kind::Label, .name = "lblOnSecond", .container = "tabMain", .page = 1, .left = 120, .top = 450,
       .width = 2000, .height = 285, .caption = "on the second page"},
  };
}

class MirrorTest : public FrontEndTest {
 protected:
  void SetUp() override {
    Show(OneOfEach(), [this](Window& w) {
      w.on("cmdOK", EventType::Click, Record("Click"));
      w.on("cmdOK", EventType::LostFocus, Record("LostFocus"));
      w.on("Label2", EventType::Click, Record("Click"));
      w.on("Label2", EventType::MouseMove, Record("MouseMove"));
      w.on("optA", EventType::Click, Record("Click"));
      w.on("optB", EventType::Click, Record("Click"));
      w.on("optA", EventType::MouseMove, Record("MouseMove"));
      w.on("Frame1", EventType::MouseMove, Record("MouseMove"));
      w.on("txtValue", EventType::KeyPress, Record("KeyPress"));
      w.on("txtValue", EventType::Change, Record("Change"));
      w.on("txtValue", EventType::LostFocus, Record("LostFocus"));
      w.on("tabMain", EventType::Click, Record("Click"));
    });
  }
};

TEST_F(MirrorTest, DesignStateShowsInTheWidgets) {
  EXPECT_EQ(View()->windowTitle(), "Test window");
  const double px = View()->logicalDpiX() / 96.0 / 15.0;
  EXPECT_EQ(View()->size(), QSize(qRound(9000 * px), qRound(6000 * px)));

  auto* caption = Widget<QLabel>("Label2");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), "Enter U    value (kV)");  // the blank run is kept
  EXPECT_EQ(caption->geometry(), QRect(qRound(150 * px), qRound(150 * px), qRound(1815 * px), qRound(285 * px)));
  EXPECT_EQ(QFontInfo(caption->font()).family(), "Liberation Sans");
  EXPECT_EQ(caption->font().pointSize(), 8);
  EXPECT_FALSE(caption->font().bold());
  EXPECT_TRUE(caption->wordWrap());

  auto* range = Widget<QLabel>("lblRange");
  EXPECT_FALSE(range->isVisible());
  EXPECT_TRUE(range->font().bold());
  EXPECT_EQ(range->palette().color(QPalette::WindowText), QColor(0, 0, 255));

  auto* box = Widget<QLineEdit>("txtValue");
  EXPECT_FALSE(box->isReadOnly());
  EXPECT_TRUE(box->text().isEmpty());

  auto* a = Widget<QRadioButton>("optA");
  EXPECT_FALSE(a->autoExclusive());
  EXPECT_EQ(a->parentWidget(), Widget("Frame1"));
  EXPECT_EQ(Widget<QGroupBox>("Frame1")->title(), "Choose");

  EXPECT_TRUE(Widget<qt::PictureWidget>("Image1")->hasDrawing());
  EXPECT_NE(Widget<qt::LineWidget>("Line1"), nullptr);
  EXPECT_NE(Widget<qt::ShapeWidget>("Shape1"), nullptr);

  auto* strip = Widget<qt::TabStripWidget>("tabMain");
  EXPECT_EQ(strip->tabBar()->tabText(1), "Second");
  EXPECT_EQ(strip->shownPage(), 0);
  EXPECT_EQ(Widget("lblOnSecond")->parentWidget(), strip->page(1));
  EXPECT_FALSE(Widget("lblOnSecond")->isVisible());
}

TEST_F(MirrorTest, PropertyChangesShowAtOnce) {
  C("txtValue").setText("1234567");
  EXPECT_EQ(Widget<QLineEdit>("txtValue")->text(), "123456");
  C("txtValue").setLocked(true);
  C("txtValue").setBackColor(kLightYellow);
  EXPECT_TRUE(Widget<QLineEdit>("txtValue")->isReadOnly());
  EXPECT_EQ(Widget("txtValue")->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
  // A shorter MaxLength cuts no text the box holds, in the model or in the window.
  C("txtValue").setMaxLength(3);
  EXPECT_EQ(Widget<QLineEdit>("txtValue")->text(), "123456");

  C("lblRange").setCaption("Range II");
  C("lblRange").setVisible(true);
  C("txtValue").setVisible(false);
  EXPECT_EQ(Widget<QLabel>("lblRange")->text(), "Range II");
  EXPECT_TRUE(Widget("lblRange")->isVisible());
  EXPECT_FALSE(Widget("txtValue")->isVisible());

  C("cmdOK").setEnabled(false);
  C("cmdOK").setCaption("RE-ENTER");
  EXPECT_FALSE(Widget("cmdOK")->isEnabled());
  EXPECT_EQ(Widget<QPushButton>("cmdOK")->text(), "RE-ENTER");

  C("optB").setValue(true);
  EXPECT_TRUE(Widget<QRadioButton>("optB")->isChecked());
  C("optA").setValue(true);
  EXPECT_TRUE(Widget<QRadioButton>("optA")->isChecked());
  EXPECT_FALSE(Widget<QRadioButton>("optB")->isChecked());

  C("Frame1").setVisible(false);
  EXPECT_FALSE(Widget("optA")->isVisible());  // shown itself, inside a hidden frame

  C("Label2").setGeometry(300, 300, 1500, 300);
  EXPECT_EQ(Widget("Label2")->pos(), QPoint(20, 20) * (View()->logicalDpiX() / 96.0));

  C("Image1").setPicture("no such drawing");
  EXPECT_FALSE(Widget<qt::PictureWidget>("Image1")->hasDrawing());

  C("tabMain").setTab(1);
  EXPECT_TRUE(Widget("lblOnSecond")->isVisible());
  C("tabMain").setTabCaption(0, "Renamed");
  EXPECT_EQ(Widget<qt::TabStripWidget>("tabMain")->tabBar()->tabText(0), "Renamed");

  window->setCaption("Other");
  EXPECT_EQ(View()->windowTitle(), "Other");
  // Only the model's own events of the writes; nothing comes back from the widgets.
  EXPECT_EQ(log, (std::vector<std::string>{"Change:txtValue", "Click:optB", "Click:optA"}));
}

TEST_F(MirrorTest, ClicksReachTheModel) {
  QTest::mouseClick(Widget("cmdOK"), Qt::LeftButton);
  QTest::mouseClick(Widget("Label2"), Qt::LeftButton);
  QTest::mouseClick(Widget("optB"), Qt::LeftButton);
  // The option takes the focus from the button, as a person's click does.
  EXPECT_EQ(log, (std::vector<std::string>{"Click:cmdOK", "Click:Label2", "LostFocus:cmdOK", "Click:optB"}));
  EXPECT_TRUE(C("optB").value());
  EXPECT_TRUE(Widget<QRadioButton>("optB")->isChecked());

  // Clicking the selected option again leaves it selected (and runs its Click again).
  QTest::mouseClick(Widget("optB"), Qt::LeftButton);
  EXPECT_TRUE(C("optB").value());
  EXPECT_TRUE(Widget<QRadioButton>("optB")->isChecked());

  QTest::mouseClick(Widget("optA"), Qt::LeftButton);
  EXPECT_TRUE(Widget<QRadioButton>("optA")->isChecked());
  EXPECT_FALSE(Widget<QRadioButton>("optB")->isChecked());
  EXPECT_FALSE(C("optB").value());
}

TEST_F(MirrorTest, TypingReturnAndFocusReachTheModel) {
  QTest::mouseClick(Widget("cmdOK"), Qt::LeftButton);
  log.clear();
  auto* box = Widget<QLineEdit>("txtValue");
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_EQ(platform.focused(), &C("txtValue"));
  QTest::keyClicks(box, "42");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(C("txtValue").text(), "42");
  EXPECT_EQ(log, (std::vector<std::string>{"LostFocus:cmdOK", "KeyPress:txtValue:52", "Change:txtValue",
                                           "KeyPress:txtValue:50", "Change:txtValue", "KeyPress:txtValue:13"}));
  log.clear();
  QTest::mouseClick(Widget("cmdOK"), Qt::LeftButton);
  EXPECT_EQ(log, (std::vector<std::string>{"LostFocus:txtValue", "Click:cmdOK"}));
}

TEST_F(MirrorTest, AMouseMoveReachesTheControlUnderThePointerOnly) {
  // Every move here reports the one control beneath the pointer, never the
  // frame around it (which would hide the help the control just showed).
  auto movesOver = [this](QWidget* widget, QPoint at) {
    log.clear();
    QTest::mouseMove(widget, at);
    std::set<std::string> reached(log.begin(), log.end());
    return reached;
  };
  using Reached = std::set<std::string>;
  EXPECT_EQ(movesOver(Widget("Label2"), Widget("Label2")->rect().center()), Reached{"MouseMove:Label2"});
  EXPECT_EQ(movesOver(Widget("optA"), Widget("optA")->rect().center()), Reached{"MouseMove:optA"});
  QWidget* frame = Widget("Frame1");
  EXPECT_EQ(movesOver(frame, QPoint(frame->width() - 5, frame->height() - 5)), Reached{"MouseMove:Frame1"});
}

TEST_F(MirrorTest, ClickingAPageTabSelectsIt) {
  auto* strip = Widget<qt::TabStripWidget>("tabMain");
  QTabBar* bar = strip->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(C("tabMain").tab(), 1);
  EXPECT_EQ(strip->shownPage(), 1);
  EXPECT_TRUE(Widget("lblOnSecond")->isVisible());
  EXPECT_EQ(std::count(log.begin(), log.end(), "Click:tabMain"), 1);
}

TEST_F(MirrorTest, TheCloseBoxUnloadsTheWindowAndEndsTheProcess) {
  QPointer<QWidget> view = View();
  view->close();
  EXPECT_EQ(platform.window("frmTest"), nullptr);
  EXPECT_TRUE(process.exited);
  DeleteLater();
  EXPECT_TRUE(view.isNull());
}

}  // namespace
