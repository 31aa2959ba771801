// The value store's design state, the stages' own rows, Option1(46) and the
// page-opening rule.

#include <set>
#include <string>

#include "frame/app.hpp"
#include "frame/page_rule.hpp"
#include "frame/value_store.hpp"
#include "frame_fixture.hpp"

namespace {

const std::set<int> kFlags = {0, 59, 79, 99, 106, 140, 167, 168, 180};

std::string ExpectedDesignText(int i) {
  if (i >= 258) return "2222222";
  if (kFlags.count(i) != 0) return "0";
  if (i == 54 || i == 66) return "Text5";
  if (i == 58 || i == 76) return "Text12";
  return "";
}

TEST_F(FrameTest, EveryBoxStartsWithItsDesignText) {
  Start();
  int empty = 0;
  for (int i = 0; i < frame::kValueStoreSize; ++i) {
    EXPECT_EQ(app.text1(i).text(), ExpectedDesignText(i)) << "Text1(" << i << ")";
    if (app.text1(i).text().empty()) ++empty;
  }
  EXPECT_EQ(empty, 245);
  EXPECT_EQ(main().find("Text1", 352), nullptr);
}

TEST_F(FrameTest, BoxesKeepTheLengthsOfTheirKind) {
  Start();
  for (int i : {77, 78, 80, 87, 93, 94, 95, 96, 97, 98, 130, 136, 137, 169, 170, 179})
    EXPECT_EQ(app.text1(i).maxLength(), 7) << i;
  for (int i : {149, 155, 159, 160, 177}) EXPECT_EQ(app.text1(i).maxLength(), 5) << i;
  for (int i : {88, 125, 134}) EXPECT_EQ(app.text1(i).maxLength(), 2) << i;
  for (int i : {0, 59, 79, 99, 106, 140, 167, 168, 180, 54, 58, 66, 76, 51, 64})
    EXPECT_EQ(app.text1(i).maxLength(), 0) << i;
  for (int i = 258; i <= 351; ++i) EXPECT_EQ(app.text1(i).maxLength(), 8) << i;

  // A results cell written from code keeps eight characters.
  app.text1(300).setText("123456789");
  EXPECT_EQ(app.text1(300).text(), "12345678");
}

TEST_F(FrameTest, ResultsCellsAreLockedAndWhite) {
  Start();
  for (int i = 258; i <= 351; ++i) {
    const platform::Control& cell = app.text1(i);
    EXPECT_TRUE(cell.locked()) << i;
    EXPECT_EQ(cell.backColor(), platform::kWhite) << i;
  }
}

// Where the frame puts a box that no stage has claimed yet.
struct Placed {
  int index;
  const char* container;
  int containerIndex;
  int page;
};

TEST(GenericValueStoreRows, WaitHiddenOnThePageOfTheirStage) {
  const auto rows = frame::GenericValueStoreRows();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(frame::kValueStoreSize));
  for (const Placed& p : {Placed{45, "tabSubGeneral1", platform::kNoIndex, 1}, Placed{60, "tabSubGeneral1", -1, 2},
                          Placed{210, "tabSubGeneral1", -1, 3}, Placed{100, "SSTab1", 3, 0},
                          Placed{215, "SSTab1", 3, 1}, Placed{130, "SSTab1", 3, 2}, Placed{141, "SSTab1", 6, 0},
                          Placed{175, "SSTab1", 6, 3}, Placed{179, "SSTab1", 6, 2}, Placed{240, "tabGeneral", -1, 3},
                          Placed{258, "SSTab1", 13, 0}, Placed{351, "SSTab1", 14, 0}}) {
    const platform::ControlDesign& d = rows[static_cast<std::size_t>(p.index)];
    EXPECT_EQ(d.index, p.index);
    EXPECT_STREQ(d.container, p.container) << p.index;
    EXPECT_EQ(d.containerIndex, p.containerIndex) << p.index;
    EXPECT_EQ(d.page, p.page) << p.index;
  }
  for (int i = 0; i < 258; ++i) EXPECT_NE(rows[static_cast<std::size_t>(i)].flags & platform::Hidden, 0u) << i;
  for (int i = 258; i < frame::kValueStoreSize; ++i)
    EXPECT_EQ(rows[static_cast<std::size_t>(i)].flags & platform::Hidden, 0u) << i;
  // Typed-in boxes, flags and copies are open; display boxes are locked.
  auto locked = [&rows](int i) { return (rows[static_cast<std::size_t>(i)].flags & platform::Locked) != 0; };
  EXPECT_FALSE(locked(44));
  EXPECT_FALSE(locked(59));
  EXPECT_FALSE(locked(54));
  EXPECT_TRUE(locked(52));
  EXPECT_EQ(rows[52].backColor, platform::kLightYellow);
  EXPECT_EQ(rows[121].backColor, platform::kSystemColor);
}

// The frame without the stages: its hooks stand in for a stage that owns a box.
class StageRowsTest : public ::testing::Test {
 protected:
  platform::HeadlessPlatform h;
  frame::App app{h.platform};
};

constexpr platform::ControlDesign kStageFrame{.kind = platform::Kind::Frame, .name = "Frame36", .index = 0,
                                              .container = "SSTab1", .containerIndex = 5, .page = 1};
constexpr platform::ControlDesign kStageRows[] = {
    {.kind = platform::Kind::TextBox, .name = "Text1", .index = 131, .container = "Frame36", .containerIndex = 0,
     .left = 2430, .top = 270, .width = 900, .height = 285, .caption = "", .maxLength = 6},
};

TEST_F(StageRowsTest, AStageRowReplacesTheGenericRowAndOption46JoinsTheStageFrame) {
  app.buildStages = [](platform::Window& w) { w.create(kStageFrame); };
  app.stageValueStoreRows.push_back(kStageRows);
  platform::Window& w = h.platform.load(app.mainWindowDefinition());
  EXPECT_EQ(w("Text1", 131).container(), &w("Frame36", 0));
  EXPECT_EQ(w("Text1", 131).maxLength(), 6);
  EXPECT_EQ(w("Text1", 131).left(), 2430);
  EXPECT_EQ(w("Text1", 132).container(), &w("SSTab1", 3));  // generic
  EXPECT_EQ(w("Option1", 46).container(), &w("Frame36", 0));
}

TEST_F(StageRowsTest, WithoutTheStageOption46LiesOnItsTabPageShownAndEnabled) {
  bool routed = false;
  app.bindRouting = [&routed](platform::Window& w) { routed = w.find("Option1", 46) != nullptr; };
  platform::Window& w = h.platform.load(app.mainWindowDefinition());
  platform::Control& ignore = w("Option1", 46);
  EXPECT_EQ(ignore.caption(), "Ignore");
  EXPECT_EQ(ignore.container(), &w("SSTab1", 5));
  EXPECT_EQ(ignore.containerPage(), 1);
  EXPECT_TRUE(ignore.visible());
  EXPECT_TRUE(ignore.enabled());
  EXPECT_TRUE(routed);  // the routing is bound once every control exists
}

TEST_F(FrameTest, OpeningAPageLeavesEveryOtherPageDisabled) {
  Start();
  platform::Control& strip = c("tabCalculation1");
  strip.setTab(3);
  frame::OpenPage(strip, 1);
  EXPECT_EQ(strip.tab(), 1);
  for (int i = 0; i < strip.tabCount(); ++i) EXPECT_EQ(strip.tabEnabled(i), i == 1) << i;
  frame::OpenPage(strip, 4);
  EXPECT_EQ(strip.tab(), 4);
  EXPECT_FALSE(strip.tabEnabled(1));
}

}  // namespace
