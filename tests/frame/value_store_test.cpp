// The value store's design state, the stages' own rows, Option1(46) and the
// page-opening rule.

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "frame/app.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "frame/stage.hpp"
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
  // A results cell holds its whole text: a halved level with its unit takes nine characters.
  for (int i = 258; i <= 351; ++i) EXPECT_EQ(app.text1(i).maxLength(), 0) << i;
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
  std::map<int, const platform::ControlDesign*> rows;
  for (const platform::ControlDesign& d : frame::GenericValueStoreRows()) rows[d.index] = &d;
  for (const Placed& p : {Placed{45, "tabSubGeneral1", platform::kNoIndex, 1}, Placed{60, "tabSubGeneral1", -1, 2},
                          Placed{210, "tabSubGeneral1", -1, 3}, Placed{100, "SSTab1", 3, 0},
                          Placed{215, "SSTab1", 3, 1}, Placed{130, "SSTab1", 3, 2}, Placed{141, "SSTab1", 6, 0},
                          Placed{175, "SSTab1", 6, 3}, Placed{179, "SSTab1", 6, 2}, Placed{240, "tabGeneral", -1, 3},
                          Placed{258, "SSTab1", 13, 0}, Placed{351, "SSTab1", 14, 0}}) {
    if (rows.count(p.index) == 0) continue;  // a stage of the program owns it now
    const platform::ControlDesign& d = *rows[p.index];
    EXPECT_STREQ(d.container, p.container) << p.index;
    EXPECT_EQ(d.containerIndex, p.containerIndex) << p.index;
    EXPECT_EQ(d.page, p.page) << p.index;
  }
  for (const auto& [i, d] : rows) EXPECT_EQ((d->flags & platform::Hidden) != 0, i < 258) << i;
  // Typed-in boxes, flags and copies are open; display boxes are locked.
  auto locked = [&rows](int i) { return rows.count(i) == 0 || (rows[i]->flags & platform::Locked) != 0; };
  for (int open : {44, 59, 54}) {
    if (rows.count(open) != 0) {
      EXPECT_FALSE(locked(open)) << open;
    }
  }
  if (rows.count(52) != 0) {
    EXPECT_TRUE(locked(52));
  }
}

TEST(ValueStoreRows, EveryBoxHasExactlyOneRowFromAStageOrTheFrame) {
  platform::HeadlessPlatform h;
  program::Program prog(h.platform);
  std::vector<std::string> faults;
  const auto rows = frame::ValueStoreRows(prog.app.stages, &faults);
  EXPECT_TRUE(faults.empty()) << faults.front();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(frame::kValueStoreSize));
  for (int i = 0; i < frame::kValueStoreSize; ++i) {
    ASSERT_NE(rows[static_cast<std::size_t>(i)], nullptr) << i;
    EXPECT_EQ(rows[static_cast<std::size_t>(i)]->index, i);
  }
}

// Every box is named once, in the folder of the stage that owns it: a later
// stage reads an earlier stage's boxes through that stage's names, never by
// declaring the number again.
TEST(ValueStoreRows, EachBoxIsNamedOnlyByTheStageThatOwnsIt) {
  const std::map<std::string, std::string> folders = {
      {"temporary overvoltages", "tov"},
      {"switching and lightning overvoltages", "surge"},
      {"co-ordination withstand voltages", "coordination"},
      {"required withstand voltages", "required"},
      {"standard insulation level", "insulation_level"}};
  platform::HeadlessPlatform h;
  program::Program prog(h.platform);
  const std::filesystem::path src = std::filesystem::path(IC_SCENARIOS_DIR) / ".." / ".." / "src";
  const std::regex enumBlock(R"(enum\s+\w+\s*:\s*int\s*\{([^}]*)\})");
  const std::regex entry(R"((\w+)\s*=\s*(\d+))");
  std::map<int, std::string> namedBy;
  for (const auto& stage : prog.stages()) {
    ASSERT_TRUE(folders.contains(stage->Name())) << stage->Name();
    const std::string folder = folders.at(stage->Name());
    std::set<int> owned;
    for (const auto& rows : stage->ValueStoreRows())
      for (const platform::ControlDesign& d : rows) owned.insert(d.index);
    for (const auto& file : std::filesystem::directory_iterator(src / folder)) {
      std::ifstream in(file.path());
      std::stringstream text;
      text << in.rdbuf();
      const std::string code = text.str();
      for (std::sregex_iterator b(code.begin(), code.end(), enumBlock), e; b != e; ++b) {
        const std::string body = (*b)[1];
        for (std::sregex_iterator n(body.begin(), body.end(), entry); n != e; ++n) {
          const int index = std::stoi((*n)[2]);
          const std::string where = folder + "/" + file.path().filename().string() + " " + (*n)[1].str();
          EXPECT_TRUE(owned.contains(index)) << where << " names Text1(" << index << "), which its stage does not own";
          const auto [earlier, first] = namedBy.emplace(index, where);
          EXPECT_TRUE(first) << "Text1(" << index << ") is named by " << earlier->second << " and by " << where;
        }
      }
    }
  }
  EXPECT_GT(namedBy.size(), 200u);  // the headers were read
}

// What a result is computed from is named by controls that exist, once per result.
TEST_F(FrameTest, EveryDeclaredResultNamesControlsThatExist) {
  Start();
  const std::vector<std::string> faults = app.dependencies.Faults();
  EXPECT_TRUE(faults.empty()) << faults.front();
  EXPECT_FALSE(app.dependencies.rows().empty());
}

// The frame with one stand-in stage that owns a frame and a box.
class FakeStage final : public frame::Stage {
 public:
  const char* Name() const override { return "fake"; }
  void Build(platform::Window& w) override {
    for (const auto& d : controls) w.create(d);
  }
  void DeclareRoutes(frame::Routes&) override {}
  std::vector<std::span<const platform::ControlDesign>> ValueStoreRows() const override { return {boxes}; }
  std::vector<platform::ControlDesign> controls;
  std::vector<platform::ControlDesign> boxes;
};

class StageRowsTest : public ::testing::Test {
 protected:
  // The fake stage stands in for the boxes of the program's stages too: every
  // box the frame's generic rules leave out.
  void SetUp() override {
    std::set<int> generic;
    for (const platform::ControlDesign& d : frame::GenericValueStoreRows()) generic.insert(d.index);
    for (int i = 0; i < frame::kValueStoreSize; ++i)
      if (generic.count(i) == 0) stage.boxes.push_back({.kind = platform::Kind::TextBox, .name = "Text1", .index = i});
  }
  platform::HeadlessPlatform h;
  frame::App app{h.platform};
  FakeStage stage;
  frame::Routes routes;
};

constexpr platform::ControlDesign kStageFrame{.kind = platform::Kind::Frame, .name = "Frame36", .index = 0,
                                              .container = "SSTab1", .containerIndex = 5, .page = 1};
constexpr platform::ControlDesign kStageButton{.kind = platform::Kind::CommandButton, .name = "Command21",
                                               .index = 31, .container = "Frame36", .containerIndex = 0,
                                               .left = 240, .top = 360, .width = 1335, .height = 375,
                                               .caption = "Next >>"};
constexpr platform::ControlDesign kStageBox{.kind = platform::Kind::TextBox, .name = "Text1", .index = 121,
                                            .container = "Frame36", .containerIndex = 0, .left = 2430, .top = 270,
                                            .width = 900, .height = 285, .caption = "", .maxLength = 6};

TEST_F(StageRowsTest, ABoxWithTwoRowsStopsTheLoad) {
  stage.controls = {kStageFrame, kStageButton};
  stage.boxes.push_back(kStageBox);
  // The fake stage's box would have a generic row too: a stage of the program
  // takes its boxes out of the generic rules, this one cannot.
  app.stages = {&stage};
  EXPECT_THROW(h.platform.load(app.mainWindowDefinition()), std::logic_error);
}

TEST_F(StageRowsTest, StandInsWaitOnTheirPagesUntilAStageClaimsThem) {
  bool routed = false;
  routes.on(frame::Command21Click, 31, [&routed] { routed = true; });
  app.routes = &routes;
  app.stages = {&stage};
  platform::Window& w = h.platform.load(app.mainWindowDefinition());
  platform::Control& next = w("Command21", 31);
  EXPECT_EQ(next.caption(), "Next >>");
  EXPECT_EQ(next.container(), &w("SSTab1", 6));
  EXPECT_EQ(next.containerPage(), 3);
  EXPECT_TRUE(next.visible());
  EXPECT_FALSE(next.enabled());
  h.platform.click(next);
  EXPECT_TRUE(routed);  // the routing is bound once every control exists

  stage.controls = {kStageFrame, kStageButton};
  h.platform.unload(w);
  platform::Window& again = h.platform.load(app.mainWindowDefinition());
  EXPECT_EQ(again("Command21", 31).container(), &again("Frame36", 0));
  EXPECT_EQ(again("Command21", 31).top(), 360);
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
