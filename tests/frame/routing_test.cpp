// The routed event procedures on the whole program: by index from code, and
// through the events of the main window's controls.

#include "program_fixture.hpp"

using namespace platform;

TEST_F(ProgramTest, IndicesWithoutARowRunNothing) {
  StartMainWindow();
  RecordEveryRoutedProcedure();
  const auto& r = prog.routing;
  r.Option1_Click(28);
  r.Command29_Click(22);
  r.Command29_Click(23);
  r.Text1_Change(0);
  r.Text1_LostFocus(8);
  r.Label33_MouseMove(23);
  r.Label33_MouseMove(74);
  r.Option1_MouseMove(5);
  r.Label41_MouseMove(0);
  r.Command21_Click(36);
  r.Command25_Click(-1);
  r.Frame30_MouseMove(15);
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(h.dialogs.messages.empty());
}

TEST_F(ProgramTest, OptionClickFromCodeRunsTheRowWhetherSelectedOrNot) {
  StartMainWindow();
  Record({"SelectK2AnalyticalFormula", "SelectK4At15Pu"});
  prog.routing.Option1_Click(5);
  prog.routing.Option1_Click(22);
  prog.routing.Option1_Click(5);
  EXPECT_EQ(calls, (std::vector<std::string>{"SelectK2AnalyticalFormula", "SelectK4At15Pu",
                                             "SelectK2AnalyticalFormula"}));
  if (Control* option = main().find("Option1", 5)) {
    EXPECT_FALSE(option->value());
  }
}

TEST_F(ProgramTest, EventsOfTheArraysReachTheirRows) {
  StartMainWindow();
  RecordEveryRoutedProcedure();
  p.setTextByUser(text1(20), "3");  // one change
  p.typeText(text1(34), "12");      // one change per character
  p.focus(text1(4));
  p.focus(text1(5));                // Text1(4) loses the focus
  p.mouseMove(main().get("Label33", 8));
  p.mouseMove(main().get("Label33", 36));
  p.mouseMove(main().get("Label33", 34));
  EXPECT_EQ(calls, (std::vector<std::string>{"ValidateK3X0", "ValidateCombinationX0", "ValidateCombinationX0",
                                             "CalculateK2ChargingPowerF", "ShowK2HelpShortCircuitPower",
                                             "ShowCombinationHelpX0", "ShowCombinationHelpX0"}));
}

TEST_F(ProgramTest, ChangeHandlersNestAcrossRoutedBoxes) {
  StartMainWindow();
  Record({"Text6_Change", "Text5_Change"});
  // A check that fills a result box, whose own row runs before the check goes on,
  // then empties its own box, which runs its row once more.
  prog.procedures.add("ValidateK2Frequency", [this] {
    calls.push_back("check f: " + text1(4).text());
    if (text1(4).text().empty()) return;
    text1(14).setText("242,48");
    calls.push_back("after the write");
    text1(4).setText("");
  });
  p.setTextByUser(text1(4), "50");
  EXPECT_EQ(calls, (std::vector<std::string>{"check f: 50", "Text6_Change", "after the write", "check f: "}));
  EXPECT_EQ(text1(14).text(), "242,48");
  EXPECT_EQ(text1(4).text(), "");
}

TEST_F(ProgramTest, BothRestartButtonsBringBackTheDesignState) {
  StartMainWindow();
  for (int button : {19, 0}) {
    text1(59).setText("1");
    text1(300).setText("5");
    text1(44).setText("12");
    if (button == 19) prog.routing.Command25_Click(19);
    else prog.routing.Command21_Click(0);
    ASSERT_NE(p.window("frmVarno"), nullptr);
    EXPECT_TRUE(main().shown());
    EXPECT_EQ(p.window("Form1"), nullptr) << "a restart does not show the start window";
    EXPECT_EQ(text1(59).text(), "0");
    EXPECT_EQ(text1(300).text(), "2222222");
    EXPECT_EQ(text1(44).text(), "");
    EXPECT_EQ(prog.app.g.gRestartFlag, 0);
    EXPECT_FALSE(p.exited());
  }
}

TEST_F(ProgramTest, ExitProgramEndsTheProcessAtOnce) {
  StartMainWindow();
  prog.routing.Command25_Click(20);
  EXPECT_TRUE(p.exited());
  EXPECT_TRUE(h.process.exited);
  EXPECT_TRUE(h.dialogs.messages.empty());
}
