// The routing table as data and as the events of the arrays and the named
// controls meet it: one row per index or name, every index inside its array,
// the merged table of the program, and the dispatch of events (nested, with
// rows that restart the program).

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "frame/routes.hpp"
#include "frame_fixture.hpp"

using namespace platform;
using frame::Routes;
using enum frame::ArrayEvent;

namespace {

TEST(Routes, AnIndexClaimedTwiceOrOutsideItsArrayIsAFault) {
  Routes routes;
  routes.setOwner("first");
  routes.on(Option1Click, 5, [] {});
  routes.setOwner("second");
  routes.on(Option1Click, 5, [] {});
  const int beyond = frame::Info(Command21Click).lastIndex + 1;  // the first index past Command21's last
  routes.on(Command21Click, beyond, [] {});
  routes.on(Label33MouseMove, -1, [] {});
  routes.on(Text1LostFocus, 5, [] {});   // another event of the same index is no clash
  const std::vector<std::string> faults = routes.Faults();
  ASSERT_EQ(faults.size(), 3u);
  EXPECT_NE(faults[0].find("Option1_Click(5) is claimed twice"), std::string::npos) << faults[0];
  EXPECT_NE(faults[1].find("Command21_Click(" + std::to_string(beyond) + ") lies outside"), std::string::npos)
      << faults[1];
  EXPECT_THROW(routes.Check(), std::logic_error);
}

TEST(Routes, ANamedControlClaimedTwiceOrOverARoutedArrayIsAFault) {
  Routes routes;
  routes.on("cmdOKUm", EventType::Click, [] {});
  routes.on("cmdOKUm", EventType::Click, [](Event&) {});
  routes.on("cmdOKUm", EventType::MouseMove, [] {});  // another event of the same control is no clash
  routes.on("Text1", EventType::Change, [] {});       // would replace every Text1 element's dispatch
  routes.on("Text1", EventType::KeyPress, [] {});     // no array routes the key press
  const std::vector<std::string> faults = routes.Faults();
  ASSERT_EQ(faults.size(), 2u);
  EXPECT_NE(faults[0].find("cmdOKUm_Click is claimed twice"), std::string::npos) << faults[0];
  EXPECT_NE(faults[1].find("Text1_Change would take the place"), std::string::npos) << faults[1];
}

TEST(Routes, TheProgramsMergedTableStandsAndPrintsEveryRow) {
  HeadlessPlatform h;
  program::Program prog(h.platform);  // its constructor checks the table
  EXPECT_TRUE(prog.routes.Faults().empty());
  std::ostringstream out;
  prog.routes.Print(out);
  const std::string table = out.str();
  EXPECT_NE(table.find("Command25_Click(21)  frame  src/frame/frame_routes.cpp:"), std::string::npos) << table;
  EXPECT_NE(table.find("Text1_LostFocus(7)  temporary overvoltages  src/tov/k2_page.cpp:"), std::string::npos);
  EXPECT_NE(table.find("txtUm_KeyPress  frame  src/frame/frame_routes.cpp:"), std::string::npos);
  EXPECT_EQ(static_cast<std::size_t>(std::count(table.begin(), table.end(), '\n')), prog.routes.rows().size());
}

TEST(Routes, ElementsThatNoPageShowsHaveNoRow) {
  HeadlessPlatform h;
  program::Program prog(h.platform);
  const Routes& r = prog.routes;
  EXPECT_FALSE(r.Has(Command29Click, 22));
  EXPECT_FALSE(r.Has(Command29Click, 23));
  EXPECT_FALSE(r.Has(Option1Click, 28));
  EXPECT_FALSE(r.Has(Text1Change, 0));  // the flag of the factor-page flow
  for (int subscript : {23, 25, 27}) EXPECT_FALSE(r.Has(Label33MouseMove, subscript));
}

// A window of a few array elements with recording rows.
class DispatchTest : public ::testing::Test {
 protected:
  HeadlessPlatform h;
  Routes routes;
  std::vector<std::string> calls;

  Window& Load(std::vector<ControlDesign> designs) {
    WindowDefinition d;
    d.name = "frmVarno";
    d.build = [this, designs](Window& w) {
      w.createAll(designs);
      routes.Bind(w);
    };
    Window& w = h.platform.load(d);
    h.platform.show(w);
    return w;
  }
  void Record(frame::ArrayEvent event, int index, std::string name) {
    routes.on(event, index, [this, name] { calls.push_back(name); });
  }
  static ControlDesign Box(int index) {
    return {.kind = Kind::TextBox, .name = "Text1", .index = index, .width = 900, .height = 285};
  }
  static ControlDesign Make(Kind kind, const char* name, int index) {
    return {.kind = kind, .name = name, .index = index, .width = 900, .height = 285};
  }
};

TEST_F(DispatchTest, EventsOfTheArraysReachTheirRowsAndOthersRunNothing) {
  Record(Text1Change, 20, "X0 check");
  Record(Text1Change, 34, "combination X0 check");
  Record(Text1LostFocus, 4, "charging power");
  Record(Label33MouseMove, 8, "help S_SC");
  Record(Option1Click, 5, "analytical");
  Window& w = Load({Box(4), Box(5), Box(20), Box(34), Make(Kind::Label, "Label33", 8),
                    Make(Kind::Label, "Label33", 23), Make(Kind::OptionButton, "Option1", 5),
                    Make(Kind::OptionButton, "Option1", 28)});
  h.platform.setTextByUser(w("Text1", 20), "3");  // one change
  h.platform.typeText(w("Text1", 34), "12");      // one change per character
  h.platform.focus(w("Text1", 4));
  h.platform.focus(w("Text1", 5));                // Text1(4) loses the focus
  h.platform.mouseMove(w("Label33", 8));
  h.platform.mouseMove(w("Label33", 23));         // no row
  h.platform.click(w("Option1", 28));             // no row
  h.platform.typeText(w("Text1", 5), "1");        // no row
  EXPECT_EQ(calls, (std::vector<std::string>{"X0 check", "combination X0 check", "combination X0 check",
                                             "charging power", "help S_SC"}));
}

TEST_F(DispatchTest, NamedRowsAnswerEveryControlOfTheirNameAndMayDropAKey) {
  routes.on("txtValue", EventType::KeyPress, [](Event& e) { e.keyAscii = e.keyAscii == 'x' ? 0 : e.keyAscii; });
  routes.on("lblPL1", EventType::MouseMove, [this] { calls.push_back("help"); });
  Window& w = Load({Make(Kind::TextBox, "txtValue", kNoIndex), Make(Kind::Label, "lblPL1", 2)});
  h.platform.typeText(w("txtValue"), "1x2");
  h.platform.mouseMove(w("lblPL1", 2));
  EXPECT_EQ(w("txtValue").text(), "12");
  EXPECT_EQ(calls, std::vector<std::string>{"help"});
}

TEST_F(DispatchTest, ChangeRowsNestAcrossBoxes) {
  Window* window = nullptr;
  Record(Text1Change, 14, "result check");
  // A check that fills a result box, whose own row runs before the check goes
  // on, then empties its own box, which runs its row once more.
  routes.on(Text1Change, 4, [this, &window] {
    Window& w = *window;
    calls.push_back("check f: " + w("Text1", 4).text());
    if (w("Text1", 4).text().empty()) return;
    w("Text1", 14).setText("242,48");
    calls.push_back("after the write");
    w("Text1", 4).setText("");
  });
  Window& w = Load({Box(4), Box(14)});
  window = &w;
  h.platform.setTextByUser(w("Text1", 4), "50");
  EXPECT_EQ(calls, (std::vector<std::string>{"check f: 50", "result check", "after the write", "check f: "}));
  EXPECT_EQ(w("Text1", 14).text(), "242,48");
  EXPECT_EQ(w("Text1", 4).text(), "");
}

// The frame's service that runs another control's event from code.
TEST_F(FrameTest, RaisingAnOptionsClickRunsItsRowWhetherSelectedOrNot) {
  StartWithUm("420");
  click("cmdCalculateTOV");
  click("optIgnoreK1");
  click("Command3");
  click("Option1", 1);  // K2: calculate
  app.Option1_Click(5);  // the analytical formula's row, though the option is not selected
  EXPECT_TRUE(c("Frame3").visible());
  EXPECT_FALSE(c("Option1", 5).value());
  EXPECT_TRUE(c("Label33", 17).visible());
  app.Option1_Click(6);
  EXPECT_FALSE(c("Label33", 17).visible());
  app.RaiseEvent("Option1", 999, EventType::Click);  // no such control: nothing runs
  EXPECT_EQ(messageCount(), 0u);
}

TEST_F(FrameTest, BothRestartButtonsBringBackTheDesignState) {
  Start();
  for (int button : {19, 0}) {
    text1(59).setText("1");
    text1(300).setText("5");
    text1(44).setText("12");
    app.RaiseEvent(button == 19 ? "Command25" : "Command21", button, EventType::Click);
    ASSERT_NE(p.window("frmVarno"), nullptr);
    EXPECT_TRUE(main().shown());
    EXPECT_EQ(p.window("Form1"), nullptr) << "a restart does not show the start window";
    EXPECT_EQ(text1(59).text(), "0");
    EXPECT_EQ(text1(300).text(), "2222222");
    EXPECT_EQ(text1(44).text(), "");
    EXPECT_EQ(app.module1.gRestartFlag, 0);
    EXPECT_FALSE(p.exited());
  }
}

TEST_F(FrameTest, ExitProgramEndsTheProcessAtOnce) {
  Start();
  app.RaiseEvent("Command25", 20, EventType::Click);
  EXPECT_TRUE(p.exited());
  EXPECT_TRUE(h.process.exited);
  EXPECT_TRUE(h.dialogs.messages.empty());
}

}  // namespace
