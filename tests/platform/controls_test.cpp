#include "model_fixture.hpp"

using namespace platform;

namespace {

ControlDesign make(Kind kind, const char* name, int index = kNoIndex, const char* container = nullptr,
                   int containerIndex = kNoIndex, int page = -1) {
  ControlDesign d;
  d.kind = kind;
  d.name = name;
  d.index = index;
  d.container = container;
  d.containerIndex = containerIndex;
  d.page = page;
  return d;
}

ControlDesign strip(const char* name, const char* tabs, const char* container = nullptr, int page = -1) {
  ControlDesign d = make(Kind::TabStrip, name, kNoIndex, container, kNoIndex, page);
  d.tabs = tabs;
  return d;
}

}  // namespace

TEST_F(ModelTest, OwnVisibleFlagDiffersFromWhatAPersonSees) {
  ControlDesign frame = make(Kind::Frame, "Frame5", kNoIndex, "tabs", kNoIndex, 1);
  frame.flags = Hidden;
  Window& w = loadWindow({strip("tabs", "a|b"), frame, make(Kind::Label, "Label1", kNoIndex, "Frame5"),
                          make(Kind::Label, "Label2", kNoIndex, "tabs", kNoIndex, 0)});
  Control& label = w("Label1");
  EXPECT_TRUE(label.visible());
  EXPECT_FALSE(label.isShown());          // frame hidden and page 1 not selected
  w("Frame5").setVisible(true);
  EXPECT_FALSE(label.isShown());          // still on the unselected page
  w("tabs").setTab(1);
  EXPECT_TRUE(label.isShown());
  EXPECT_FALSE(w("Label2").isShown());
  p.hide(w);
  EXPECT_FALSE(label.isShown());
  EXPECT_TRUE(label.visible());
}

TEST_F(ModelTest, OptionButtonsExcludeEachOtherPerContainer) {
  Window& w = loadWindow({make(Kind::Frame, "FrameA"), make(Kind::Frame, "FrameB"),
                          make(Kind::OptionButton, "Option1", 0, "FrameA"), make(Kind::OptionButton, "Option1", 1, "FrameA"),
                          make(Kind::OptionButton, "Option1", 2, "FrameB")},
                         [this](Window& w) { w.on("Option1", EventType::Click, recorder("click")); });
  p.click(w("Option1", 0));
  p.click(w("Option1", 2));
  EXPECT_TRUE(w("Option1", 0).value());
  EXPECT_TRUE(w("Option1", 2).value());
  w("Option1", 1).setValue(true);  // selection from code runs the option's click too
  EXPECT_FALSE(w("Option1", 0).value());
  EXPECT_TRUE(w("Option1", 2).value());
  std::vector<std::string> expected = {"click:Option1(0)", "click:Option1(2)", "click:Option1(1)"};
  EXPECT_EQ(log, expected);
  w("Option1", 1).setValue(false);  // deselecting runs nothing
  EXPECT_FALSE(w("Option1", 1).value());
  EXPECT_EQ(log.size(), 3u);
}

TEST_F(ModelTest, TabStripPagesAreGatedOneByOneAndAsAWhole) {
  Window& w = loadWindow({strip("tabGeneral", "Rep|CW|RW")},
                         [this](Window& w) { w.on("tabGeneral", EventType::Click, recorder("tab")); });
  Control& s = w("tabGeneral");
  EXPECT_EQ(s.tabCount(), 3);
  EXPECT_EQ(s.tabCaption(1), "CW");
  EXPECT_TRUE(p.clickTab(s, 1));
  EXPECT_EQ(s.tab(), 1);
  s.setTabEnabled(2, false);
  EXPECT_FALSE(p.clickTab(s, 2));
  EXPECT_EQ(s.tab(), 1);
  s.setEnabled(false);
  EXPECT_FALSE(p.clickTab(s, 0));
  EXPECT_EQ(s.tab(), 1);
  EXPECT_EQ(log.size(), 1u);
  EXPECT_THROW(s.setTab(3), std::out_of_range);
}

TEST_F(ModelTest, MouseMovesAndLabelClicksReachTheirProcedures) {
  Window& w = loadWindow({make(Kind::Label, "Label33", 2), make(Kind::TextBox, "Text1", 0)}, [this](Window& w) {
    w.on("Label33", EventType::MouseMove, recorder("move"));
    w.on("Label33", EventType::Click, recorder("click"));
  });
  p.mouseMove(w("Label33", 2));
  p.click(w("Label33", 2));
  p.mouseMove(w("Text1", 0));  // no procedure bound: nothing happens
  std::vector<std::string> expected = {"move:Label33(2)", "click:Label33(2)"};
  EXPECT_EQ(log, expected);
}

TEST_F(ModelTest, ObserverSeesEveryPropertyChangeButNoRepeats) {
  struct Counting : Observer {
    int changes = 0;
    void controlChanged(Control&, Property) override { ++changes; }
  } observer;
  Window& w = loadWindow({make(Kind::Label, "Label1")});
  p.setObserver(&observer);
  w("Label1").setCaption("x");
  w("Label1").setCaption("x");
  w("Label1").setVisible(false);
  w("Label1").setGeometry(1, 2, 3, 4);
  EXPECT_EQ(observer.changes, 3);
  p.setObserver(nullptr);
}
