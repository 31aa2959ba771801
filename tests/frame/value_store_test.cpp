// The value store's design state, the stages' own rows, Option1(46) and the
// page-opening rule.

#include <cxxabi.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <typeinfo>

#include "frame/app.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "frame/stage.hpp"
#include "frame/value_store.hpp"
#include "frame_fixture.hpp"

namespace {

const std::set<int> kFlags = {0, 59, 79, 99, 106, 140, 167, 168, 180};

std::string ExpectedDesignText(int i) {
  if (i >= 258 && i <= 351) return "2222222";  // the results cells
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
  // Only the nine flags, the four copies of Text5 and Text12 and the 94 results cells hold a text.
  EXPECT_EQ(empty, frame::kValueStoreSize - 107);
  EXPECT_EQ(main().find("Text1", frame::kValueStoreSize), nullptr);
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

// The working boxes that no step uses belong to the stage of their page like
// every other box: hidden there, flags and inputs open, display boxes locked.
TEST_F(FrameTest, WorkingBoxesWaitHiddenOnThePageOfTheirStage) {
  Start();
  struct Placed {
    int index;
    const char* container;
    int containerIndex;
    int page;
    bool locked;
  };
  for (const Placed& p : {Placed{79, "tabSubGeneral1", -1, 3, false}, Placed{99, "SSTab1", 3, 0, false},
                          Placed{221, "SSTab1", 3, 1, true}, Placed{120, "SSTab1", 3, 2, false},
                          Placed{123, "SSTab1", 3, 2, true}, Placed{159, "SSTab1", 6, 1, true},
                          Placed{180, "SSTab1", 6, 2, false}, Placed{228, "tabGeneral", -1, 3, true},
                          Placed{257, "tabGeneral", -1, 3, true}}) {
    const platform::Control& box = app.text1(p.index);
    ASSERT_NE(box.container(), nullptr) << p.index;
    EXPECT_EQ(box.container()->name(), p.container) << p.index;
    EXPECT_EQ(box.container()->index(), p.containerIndex) << p.index;
    EXPECT_EQ(box.containerPage(), p.page) << p.index;
    EXPECT_FALSE(box.visible()) << p.index;
    EXPECT_EQ(box.locked(), p.locked) << p.index;
  }
}

TEST(ValueStoreRows, EveryBoxHasExactlyOneRowFromAStage) {
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

// The folder of a stage: the namespace of its type, "tov" for tov::Stage.
std::string FolderOf(const frame::Stage& stage) {
  int status = 0;
  char* name = abi::__cxa_demangle(typeid(stage).name(), nullptr, nullptr, &status);
  std::string qualified = status == 0 ? name : "";
  std::free(name);
  return qualified.substr(0, qualified.find("::"));
}

// Every box is named once, in the folder of the stage that owns it: a later
// stage reads an earlier stage's boxes through that stage's names, never by
// declaring the number again.
TEST(ValueStoreRows, EachBoxIsNamedOnlyByTheStageThatOwnsIt) {
  platform::HeadlessPlatform h;
  program::Program prog(h.platform);
  const std::filesystem::path src = std::filesystem::path(IC_SCENARIOS_DIR) / ".." / ".." / "src";
  const std::regex enumBlock(R"(enum\s+\w+\s*:\s*int\s*\{([^}]*)\})");
  const std::regex entry(R"((\w+)\s*=\s*(\d+))");
  std::map<int, std::string> namedBy;
  for (const auto& stage : prog.stages()) {
    // A stage's namespace is the name of its folder.
    const std::string folder = FolderOf(*stage);
    ASSERT_TRUE(!folder.empty() && std::filesystem::is_directory(src / folder)) << stage->Name() << ": " << folder;
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
  // A fault of the audit names the row's file: the page that declares it, never a shared header.
  for (const frame::Dependency& d : app.dependencies.rows())
    EXPECT_TRUE(std::string_view(d.file).ends_with(".cpp")) << d.file << " declares a row of " << frame::NameOf(d.result);
}

// The frame with one stand-in stage that owns a frame and a box.
class FakeStage final : public frame::Stage {
 public:
  FakeStage() : frame::Stage("fake") {}
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
  // The fake stage stands in for every stage of the program: it owns the
  // whole value store.
  void SetUp() override {
    for (int i = 0; i < frame::kValueStoreSize; ++i)
      stage.boxes.push_back({.kind = platform::Kind::TextBox, .name = "Text1", .index = i});
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

TEST_F(StageRowsTest, ABoxWithTwoRowsStopsTheLoad) {
  FakeStage other;
  other.boxes.push_back({.kind = platform::Kind::TextBox, .name = "Text1", .index = 121});
  app.stages = {&stage, &other};
  EXPECT_THROW(h.platform.load(app.mainWindowDefinition()), std::logic_error);
}

TEST_F(StageRowsTest, ABoxBeyondTheStoreStopsTheLoad) {
  FakeStage other;
  other.boxes.push_back({.kind = platform::Kind::TextBox, .name = "Text1", .index = frame::kValueStoreSize});
  other.boxes.push_back({.kind = platform::Kind::TextBox, .name = "Text1", .index = -2});
  app.stages = {&stage, &other};
  try {
    h.platform.load(app.mainWindowDefinition());
    ADD_FAILURE() << "loaded";
  } catch (const std::logic_error& e) {
    EXPECT_NE(std::string(e.what()).find("of the stage fake lies beyond the value store"), std::string::npos) << e.what();
    // Every fault is named, not only the first.
    EXPECT_NE(std::string(e.what()).find("Text1(-2) of the stage fake has a negative index"), std::string::npos)
        << e.what();
  }
}

TEST_F(StageRowsTest, AControlWithANegativeIndexStopsTheLoadNamingItsStage) {
  platform::ControlDesign button = kStageButton;
  button.index = -2;
  stage.controls = {kStageFrame, button};
  app.stages = {&stage};
  try {
    h.platform.load(app.mainWindowDefinition());
    ADD_FAILURE() << "loaded";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "the stage fake: frmVarno: control Command21(-2) has a negative index");
  }
}

TEST_F(StageRowsTest, ARouteForAControlTheWindowLacksStopsTheLoadNamingItsRow) {
  routes.on(frame::Command21Click, 31, [] {});
  app.routes = &routes;
  app.stages = {&stage};
  try {
    h.platform.load(app.mainWindowDefinition());
    ADD_FAILURE() << "loaded";
  } catch (const std::logic_error& e) {
    EXPECT_NE(std::string(e.what()).find("Command21_Click(31) answers a control that frmVarno does not have"),
              std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("value_store_test.cpp:"), std::string::npos) << e.what();
  }
}

TEST_F(StageRowsTest, TheRoutingIsBoundOnceEveryControlExists) {
  bool routed = false;
  routes.on(frame::Command21Click, 31, [&routed] { routed = true; });
  app.routes = &routes;
  stage.controls = {kStageFrame, kStageButton};
  app.stages = {&stage};
  platform::Window& w = h.platform.load(app.mainWindowDefinition());
  h.platform.click(w("Command21", 31));
  EXPECT_TRUE(routed);
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
