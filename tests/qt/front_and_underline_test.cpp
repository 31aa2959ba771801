// A window brought to the front becomes the active one; an underlined caption
// is drawn underlined.

#include <QApplication>
#include <QLabel>

#include "front_end_fixture.hpp"

using namespace platform;

namespace {

TEST_F(FrontEndTest, AnUnderlinedCaptionKeepsItsUnderlineWhenItsFontChanges) {
  Show({{.kind = Kind::Label, .name = "lblChosen", .left = 150, .top = 150, .width = 3000, .height = 330,
         .caption = "Formula I chosen", .flags = Bold | Underlined | Centered, .foreColor = kPurple, .fontSize = 10},
        {.kind = Kind::Label, .name = "lblPlain", .left = 150, .top = 600, .width = 3000, .height = 285,
         .caption = "plain"}});
  auto* chosen = Widget<QLabel>("lblChosen");
  ASSERT_NE(chosen, nullptr);
  EXPECT_TRUE(chosen->font().underline());
  EXPECT_TRUE(chosen->font().bold());
  EXPECT_EQ(chosen->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  C("lblChosen").setBold(false);
  EXPECT_TRUE(chosen->font().underline());
  EXPECT_FALSE(Widget<QLabel>("lblPlain")->font().underline());
}

TEST_F(FrontEndTest, AWindowBroughtToTheFrontIsActive) {
  Show({});
  WindowDefinition second = Definition({});
  second.name = "Table";
  Window& table = platform.load(second);
  platform.show(table);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(renderer.windowWidget(table)));
  platform.bringToFront(*window);
  EXPECT_TRUE(QTest::qWaitForWindowActive(View()));
  platform.bringToFront(table);
  EXPECT_TRUE(QTest::qWaitForWindowActive(renderer.windowWidget(table)));
}

}  // namespace
