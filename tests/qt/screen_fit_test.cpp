// A window larger than the free area of its screen is drawn smaller, its
// fonts with it, so that the whole window, title bar included, fits the area.

#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <cmath>
#include <vector>

#include "front_end_fixture.hpp"
#include "qt/screen_fit.hpp"
#include "qt/window_place.hpp"

using namespace platform;

namespace {

struct FitCase {
  const char* desktop;
  QSize client;  // pixels at the design scale
  QMargins frame;
  QSize area;
  double dpi;
  double scale;
};

// The main window is 14445 x 11010 twips: 963 x 734 pixels at 96 dpi, 1204 x 918 at 120 dpi.
const FitCase kFitCases[] = {
    {"1600x1200, no taskbar", {963, 734}, {1, 20, 1, 1}, {1600, 1200}, 96, 1.0},
    {"1366x768, 40 px taskbar: 707 of 734 rows, 10 of 11 font pixels", {963, 734}, {1, 20, 1, 1}, {1366, 728}, 96,
     10.0 / 11},
    {"the same at 120 dpi: 707 of 918 rows, 10 of 13 font pixels", {1204, 918}, {1, 20, 1, 1}, {1366, 728}, 120,
     10.0 / 13},
    {"too small to read: the font stops at 7 pixels", {963, 734}, {1, 20, 1, 1}, {320, 240}, 96, 7.0 / 11},
};

TEST(ScreenFit, TheScaleShrinksInWholePixelsOfTheFont) {
  for (const FitCase& c : kFitCases)
    EXPECT_DOUBLE_EQ(qt::FittingScale(c.client, c.frame, c.area, c.dpi), c.scale) << c.desktop;
}

// The table of A (626 x 458 pixels) read beside the main window: on the side
// with room, else clear of the A box, its caption, its OK and "Next >>" (as
// the screens of 1366x768 and of 1920x1080 at twice the scale show them).
TEST(ScreenFit, AWindowReadBesideAnotherLeavesItsControlsInSight) {
  const QSize table(626, 458);
  const QMargins frame(1, 20, 1, 1);
  const QRect wide(0, 0, 2560, 1400);
  EXPECT_EQ(qt::PlaceBeside(table, frame, {100, 100, 965, 755}, {}, wide, 96).corner, QPoint(1065, 100));
  EXPECT_EQ(qt::PlaceBeside(table, frame, {1500, 100, 965, 755}, {}, wide, 96).corner, QPoint(872, 100));
  struct Crowded {
    QRect area, owner;
    std::vector<QRect> inSight;
  };
  const Crowded crowded[] = {
      {{0, 0, 1366, 728}, {237, 22, 877, 688}, {{558, 347, 83, 15}, {681, 345, 55, 17}, {681, 372, 55, 19},
                                                 {979, 502, 81, 22}}},
      {{0, 0, 960, 520}, {165, 8, 615, 488}, {{389, 236, 59, 11}, {476, 235, 38, 12}, {476, 254, 38, 13},
                                               {684, 345, 57, 16}}},
  };
  for (const Crowded& c : crowded) {
    const qt::BesidePlace place = qt::PlaceBeside(table, frame, c.owner, c.inSight, c.area, 96);
    const QRect placed(place.corner, QSize(std::lround(table.width() * place.scale),
                                           std::lround(table.height() * place.scale)).grownBy(frame));
    EXPECT_TRUE(c.area.contains(placed)) << c.area.width();
    for (const QRect& control : c.inSight) EXPECT_FALSE(placed.intersects(control)) << c.area.width();
    EXPECT_GE(place.scale, 7.0 / 11) << c.area.width();  // the smallest the program's font goes
  }
}

class ScreenFitTest : public FrontEndTest {};

TEST_F(ScreenFitTest, AWindowLargerThanTheScreenShrinksWithItsFonts) {
  WindowDefinition d = Definition(
      {{.kind = Kind::Label, .name = "Label2", .left = 4950, .top = 150, .width = 1815, .height = 285,
        .caption = "Enter U    value (kV)"},
       {.kind = Kind::CommandButton, .name = "Command3", .left = 12630, .top = 10400, .width = 1485, .height = 405,
        .caption = "Next >>"}});
  d.clientWidth = 14445;
  d.clientHeight = 11010;
  window = &platform.load(d);
  platform.show(*window);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(View()));

  // The screen of the tests is smaller than the window at its design size.
  const QRect area = View()->screen()->availableGeometry();
  const qt::Twips design(View()->logicalDpiX());
  const QSize designSize(design.pixels(14445), design.pixels(11010));
  const QSize room = area.size().shrunkBy(View()->frameAllowance());
  ASSERT_TRUE(designSize.width() > room.width() || designSize.height() > room.height());
  const QRect outer = View()->geometry().marginsAdded(View()->frameAllowance());
  EXPECT_TRUE(area.contains(outer)) << outer.height() << " rows in " << area.height();
  // "Next >>" at the bottom right lies inside the window.
  EXPECT_TRUE(View()->rect().contains(Widget("Command3")->geometry()));

  // The text shrinks with the layout: a caption is as wide against its box as at the design size.
  const double scale = View()->twips().scale();
  ASSERT_LT(scale, 1.0);
  auto* caption = Widget<QLabel>("Label2");
  const QString text = caption->text();
  const int designWidth = QFontMetrics(qt::ProgramFont()).horizontalAdvance(text);
  EXPECT_NEAR(QFontMetrics(caption->font()).horizontalAdvance(text), designWidth * scale, 1.0);
  EXPECT_NEAR(caption->width(), design.pixels(1815) * scale, 1.0);
}

}  // namespace
