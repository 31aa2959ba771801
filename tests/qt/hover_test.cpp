// Help on hover as a person's pointer gives it on the real widgets: resting on
// a caption or an option shows its help, crossing the frame's own surface hides it.

#include <QLabel>

#include "program_fixture.hpp"

namespace {

class HoverTest : public ProgramOnQtTest {
 protected:
  // The pointer passing over a widget's middle, or over a spot of a frame
  // that none of its controls covers.
  static void RestOn(QWidget* widget) { QTest::mouseMove(widget, widget->rect().center()); }
  static void CrossSurfaceOf(QWidget* frame) {
    for (int y = frame->height() - 3; y > 0; y -= 3)
      for (int x = 3; x < frame->width(); x += 3)
        if (frame->childAt(x, y) == nullptr) {
          QTest::mouseMove(frame, QPoint(x, y));
          return;
        }
    ADD_FAILURE() << "no free spot in " << frame->objectName().toStdString();
  }
  bool Shows(const char* label, int index = platform::kNoIndex) { return Widget(label, index)->isVisible(); }
  QString Text(const char* label, int index = platform::kNoIndex) { return Widget<QLabel>(label, index)->text(); }
};

TEST_F(HoverTest, CaptionsAndOptionsOfTheFactorPagesShowTheirHelp) {
  StartAndEnterUm("420");
  Click("cmdCalculateTOV");
  Click("optCalculateK1");
  Click("optK12");
  RestOn(Widget("lblXd1"));
  ASSERT_TRUE(Shows("Label3"));
  EXPECT_EQ(Text("Label3"), "Generator sub transient reactance");
  RestOn(Widget("Label3"));  // over the help itself: it stays
  EXPECT_TRUE(Shows("Label3"));
  CrossSurfaceOf(Widget("fraCalculateK1"));
  EXPECT_FALSE(Shows("Label3"));

  Click("optIgnoreK1");
  Click("Command3");
  Click("Option1", 1);
  Click("Option1", 6);
  RestOn(Widget("Label33", 0));
  ASSERT_TRUE(Shows("Label23", 0));
  EXPECT_EQ(Text("Label23", 0), "Power frequency");
  RestOn(Widget("Option1", 6));
  EXPECT_TRUE(Shows("Label21"));
  EXPECT_TRUE(Shows("Label68"));
  CrossSurfaceOf(Widget("Frame4"));
  EXPECT_FALSE(Shows("Label21"));

  Click("Option1", 2);
  Click("Command2");
  Click("Option1", 8);
  RestOn(Widget("Option1", 8));
  EXPECT_TRUE(Shows("Label55"));
  EXPECT_TRUE(Shows("Label57"));
}

}  // namespace
