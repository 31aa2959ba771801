// A window larger than the free area of its screen is drawn smaller, its
// fonts with it, so that the whole window, title bar included, fits the area.

#include <QFontMetrics>
#include <QLabel>
#include <QScreen>

#include "front_end_fixture.hpp"
#include "qt/screen_fit.hpp"

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
