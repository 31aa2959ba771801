// A gated tab strip: the model's selected page stays shown while the others
// are disabled, and clicks on disabled pages are refused.

#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>

#include "front_end_fixture.hpp"
#include "qt/tab_strip_widget.hpp"
#include "qt/twips.hpp"
#include "qt/user_actions.hpp"

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

TEST(TabStripCover, AShownStripCoversTheControlsOfItsContainer) {
  // The strip is created first, as the page tree is, and the page's own button
  // after it; shown, the strip still lies over the button.
  platform::HeadlessPlatform h;
  qt::WindowRenderer renderer;
  renderer.attach(h.platform);
  Window& w = h.platform.load(
      {.name = "frmCover", .caption = "Cover", .clientWidth = 6000, .clientHeight = 4000,
       .build = [](Window& w) {
         w.createAll(std::vector<ControlDesign>{
             {.kind = Kind::TabStrip, .name = "tabCalc", .left = 0, .top = 0, .width = 6000, .height = 4000,
              .flags = Hidden, .tabs = "K1|K2"},
             {.kind = Kind::CommandButton, .name = "cmdCalculate", .left = 1500, .top = 1500, .width = 1500,
              .height = 450, .caption = "CALCULATE"}});
       },
       .onLoad = {}});
  h.platform.show(w);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(renderer.windowWidget(w)));
  QWidget* view = renderer.windowWidget(w);
  const QPoint middle = renderer.widget(w("cmdCalculate"))->geometry().center();
  EXPECT_EQ(view->childAt(middle), renderer.widget(w("cmdCalculate")));

  w("tabCalc").setVisible(true);
  QWidget* hit = view->childAt(middle);
  ASSERT_NE(hit, nullptr);
  EXPECT_TRUE(renderer.widget(w("tabCalc"))->isAncestorOf(hit) || hit == renderer.widget(w("tabCalc")));

  // A control created later on the same container goes beneath the strip too.
  w.create({.kind = Kind::CommandButton, .name = "cmdLate", .left = 300, .top = 3000, .width = 900,
            .height = 300, .caption = "Late"});
  hit = view->childAt(renderer.widget(w("cmdLate"))->geometry().center());
  EXPECT_NE(hit, renderer.widget(w("cmdLate")));
  h.platform.unload(w);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct NoActions : qt::UserActions {
  void clicked(QWidget*) override {}
  void mouseMoved(QWidget*) override {}
  void focusEntered(QWidget*) override {}
  void textEdited(qt::TextBoxWidget*, const QString&) override {}
  void returnPressed(qt::TextBoxWidget*) override {}
  void tabClicked(QWidget*, int) override {}
  void closeRequested(qt::WindowView*) override {}
};

// A window shrunk to fit a small or scaled screen shrinks its fonts, and the
// padding beside the tab captions must shrink with them: the longest captions
// of the main strip keep their whole text at every scale.
TEST(TabStripCaptions, TheMainCaptionsKeepTheirWholeTextAtEveryScale) {
  const QStringList captions = {"Representative overvoltages", "Co-ordination withstand voltages",
                                "Required withstand voltages", "Standard insulation level", "Results"};
  NoActions actions;
  for (int fontPixels = 11; fontPixels >= 7; --fontPixels) {
    const qt::Twips twips(96.0, fontPixels / 11.0);
    QWidget window;
    window.setFont(twips.font());
    auto* strip = new qt::TabStripWidget(actions, captions, twips.pixels(300), &window);
    strip->setGeometry(twips.rect(0, 0, 14445, 10425));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTabBar* bar = strip->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
      QStyleOptionTab option;
      option.initFrom(bar);
      option.rect = bar->tabRect(i);
      option.text = captions[i];
      const QRect room = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
      EXPECT_LE(bar->fontMetrics().horizontalAdvance(captions[i]), room.width())
          << captions[i].toStdString() << " at " << fontPixels << "/11 in " << room.width() << " of "
          << option.rect.width() << " px";
    }
  }
}

}  // namespace
