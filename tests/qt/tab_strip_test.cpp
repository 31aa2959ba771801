// A gated tab strip: the model's selected page stays shown while the others
// are disabled, and clicks on disabled pages are refused.

#include <QTabBar>

#include "front_end_fixture.hpp"
#include "qt/tab_strip_widget.hpp"

using namespace platform;

namespace {

class TabStripTest : public FrontEndTest {
 protected:
  void SetUp() override {
    Show({{.kind = Kind::TabStrip, .name = "tabGeneral", .left = 0, .top = 0, .width = 8000, .height = 5000,
           .tabs = "Zero|One|Two|Three", .tab = 3},
          {.kind = Kind::Label, .name = "Label9", .index = 0, .container = "tabGeneral", .page = 0, .left = 200,
           .top = 500, .width = 2000, .height = 285, .caption = "page zero"},
          {.kind = Kind::Label, .name = "Label9", .index = 3, .container = "tabGeneral", .page = 3, .left = 200,
           .top = 500, .width = 2000, .height = 285, .caption = "page three"}},
         [this](Window& w) { w.on("tabGeneral", EventType::Click, Record("Click")); });
  }
  Control& Strip() { return C("tabGeneral"); }
  qt::TabStripWidget* StripWidget() { return Widget<qt::TabStripWidget>("tabGeneral"); }
  QTabBar* Bar() { return StripWidget()->tabBar(); }
  void ClickTab(int i) { QTest::mouseClick(Bar(), Qt::LeftButton, {}, Bar()->tabRect(i).center()); }
  void ExpectShows(int page) {
    EXPECT_EQ(Bar()->currentIndex(), page);
    EXPECT_EQ(StripWidget()->shownPage(), page);
    for (int i = 0; i < Strip().tabCount(); ++i) {
      EXPECT_EQ(StripWidget()->page(i)->isVisible(), i == page) << "page " << i;
      EXPECT_EQ(Bar()->isTabEnabled(i), Strip().tabEnabled(i)) << "page " << i;
    }
  }
};

TEST_F(TabStripTest, DesignPageIsShown) {
  ExpectShows(3);
  EXPECT_TRUE(Widget("Label9", 3)->isVisible());
  EXPECT_FALSE(Widget("Label9", 0)->isVisible());
}

TEST_F(TabStripTest, OpeningAPageDisablesTheOthersFirst) {
  // The order of the page rule: the flags first, the selected page last. On the
  // way the selected page 3 is disabled; it stays the selected one until Tab moves.
  for (int i = 0; i < 4; ++i) Strip().setTabEnabled(i, i == 0);
  ExpectShows(3);
  Strip().setTab(0);
  ExpectShows(0);
  EXPECT_TRUE(Widget("Label9", 0)->isVisible());
}

TEST_F(TabStripTest, DisablingTheOthersKeepsTheSelectedPage) {
  Strip().setTab(2);
  for (int i = 0; i < 4; ++i) Strip().setTabEnabled(i, i == 2);
  ExpectShows(2);
  ClickTab(0);
  ClickTab(3);
  ExpectShows(2);
  EXPECT_EQ(Strip().tab(), 2);
  EXPECT_TRUE(log.empty());
}

TEST_F(TabStripTest, AWholeStripDisabledTakesNoClicks) {
  Strip().setEnabled(false);
  EXPECT_FALSE(StripWidget()->isEnabled());
  ClickTab(1);
  ExpectShows(3);
  EXPECT_TRUE(log.empty());
  Strip().setEnabled(true);
  ClickTab(1);
  ExpectShows(1);
  EXPECT_EQ(Strip().tab(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"Click:tabGeneral"}));
}

TEST_F(TabStripTest, AHandlerRefusingThePageSendsTheStripBack) {
  window->on("tabGeneral", EventType::Click, [](Event& e) { e.control.setTab(3); });
  ClickTab(1);
  EXPECT_EQ(Strip().tab(), 3);
  ExpectShows(3);
}

}  // namespace
