// Start-up, the design state after "START", restart and exit.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame_fixture.hpp"
#include "platform/events.hpp"

namespace {

using platform::EventType;

TEST_F(FrameTest, FirstStartShowsOnlyTheStartWindow) {
  prog.Main();
  platform::Window* start = p.window("Form1");
  ASSERT_NE(start, nullptr);
  EXPECT_TRUE(start->shown());
  EXPECT_EQ(start->caption(), "Insulation Co-ordination");
  EXPECT_EQ(start->get("Label2").caption(), "INSULATION COORDINATION");
  EXPECT_TRUE(start->get("Label2").bold());
  EXPECT_EQ(start->get("Command1").caption(), "START");
  EXPECT_EQ(start->get("Image1").picture(), "substation");
  for (int i = 0; i < 3; ++i) EXPECT_NE(start->find("Line1", i), nullptr);
  EXPECT_FALSE(start->get("Label3").caption().empty());
  EXPECT_FALSE(start->get("Label1", 0).caption().empty());
  EXPECT_FALSE(start->get("Label1", 1).caption().empty());
  EXPECT_EQ(p.window("frmVarno"), nullptr);
}

TEST_F(FrameTest, StartOpensTheMainWindowWithOnlyTheUmEntryUsable) {
  Start();
  EXPECT_EQ(p.window("Form1"), nullptr);
  EXPECT_TRUE(main().shown());
  EXPECT_EQ(main().caption(), "Insulation Co-ordination");
  EXPECT_EQ(app.module1.gRestartFlag, 0);

  EXPECT_EQ(c("Label2").caption(), "Enter U    value (kV)");
  EXPECT_TRUE(c("txtUm").isShown());
  EXPECT_EQ(c("txtUm").text(), "");
  EXPECT_EQ(c("txtUm").maxLength(), 6);
  EXPECT_TRUE(c("cmdOKUm").enabled());  // although the box is empty
  EXPECT_FALSE(c("lblRange").visible());
  EXPECT_FALSE(c("Text8").visible());
  EXPECT_EQ(c("Text8").text(), "Text8");

  platform::Control& tabGeneral = c("tabGeneral");
  EXPECT_FALSE(tabGeneral.enabled());
  EXPECT_EQ(tabGeneral.tab(), 0);
  for (int i = 0; i < tabGeneral.tabCount(); ++i) EXPECT_EQ(tabGeneral.tabEnabled(i), i == 0) << i;
  EXPECT_FALSE(c("tabSubGeneral1").visible());
  EXPECT_FALSE(p.clickTab(tabGeneral, 1));
}

// What a person meets on any tab strip: every page holds something and has a
// caption of its own, and no strip of a later stage or step is seen before Um
// is accepted. A control on a page beyond the strip's last could never be reached.
TEST_F(FrameTest, EveryTabStripHasFilledCaptionedPagesAndStartsOutOfSight) {
  Start();
  std::vector<const platform::Control*> strips;
  std::map<const platform::Control*, std::set<int>> filled;  // the pages that hold a control
  for (const auto& control : main().controls()) {
    if (control->kind() == platform::Kind::TabStrip) strips.push_back(control.get());
    const platform::Control* strip = control->container();
    if (strip == nullptr || strip->kind() != platform::Kind::TabStrip) continue;
    const int page = control->containerPage();
    EXPECT_TRUE(page >= 0 && page < strip->tabCount()) << control->displayName();
    filled[strip].insert(page);
  }
  const platform::Control* stages = &c("tabGeneral");
  for (const platform::Control* strip : strips) {
    SCOPED_TRACE(strip->displayName());
    EXPECT_TRUE(strip->tab() >= 0 && strip->tab() < strip->tabCount());
    std::set<std::string> captions;
    for (int i = 0; i < strip->tabCount(); ++i) {
      EXPECT_TRUE(filled[strip].contains(i)) << i;
      EXPECT_TRUE(!strip->tabCaption(i).empty() && captions.insert(strip->tabCaption(i)).second) << i;
      // The stages' own strip opens its pages one by one; an inner one waits for its stage.
      EXPECT_TRUE(strip == stages || strip->tabEnabled(i)) << i;
    }
    EXPECT_EQ(strip->isShown(), strip == stages);
    // A strip within a page of a stage waits hidden for the step that opens it.
    EXPECT_TRUE(strip->container() == nullptr || strip->container() == stages || !strip->visible());
    for (const platform::Control* other : strips)  // strips sharing a page lie over each other: one at most is seen
      EXPECT_TRUE(other == strip || other->container() != strip->container() ||
                  other->containerPage() != strip->containerPage() || !(strip->visible() && other->visible()))
          << other->displayName();
  }
  EXPECT_EQ(c("tabGeneral").tabCaption(4), "Results");
  EXPECT_EQ(c("SSTab1", 6).tabCaption(3), "Conversion");
  EXPECT_EQ(c("SSTab1", 2).tabCaption(3), "Choose Urp value");
  EXPECT_EQ(c("SSTab1", 5).container(), &c("SSTab1", 3));
  EXPECT_EQ(c("SSTab1", 5).containerPage(), 2);

  EXPECT_FALSE(c("Frame37", 6).visible());
  EXPECT_EQ(c("Command21", 33).caption(), "Next >>");
  EXPECT_EQ(c("Command21", 34).caption(), "<< Back");
  EXPECT_EQ(c("Command25", 19).caption(), "Restart Program");
  EXPECT_EQ(c("Command25", 20).caption(), "Exit Program");
  EXPECT_EQ(c("Command25", 21).caption(), "Print Screen");
  EXPECT_EQ(c("Label23", 8).container(), &c("Frame38"));
}

TEST_F(FrameTest, RestartBringsBackTheDesignStateAndKeepsOnlyTheProcessData) {
  Start();
  EnterUm("420");
  ASSERT_TRUE(c("lblRange").visible());
  c("Text1", 0).setText("1");
  c("Text1", 300).setText("851 kV");
  c("SSTab1", 13).setVisible(false);
  app.mainVars.mPuPerKv = 342.9;
  app.mainVars.mUrpTovPe.Keep("300", {});
  app.mainVars.mUrpTovPp.Keep("500", {});
  app.module1.gUps.Keep(810, {});
  const platform::Window* before = &main();

  // As "Restart Program" does it: from inside a click of the main window.
  main().on("Command25", EventType::Click, [this](platform::Event&) { app.RestartProgram(); });
  p.click(c("Command25", 19));

  ASSERT_NE(p.window("frmVarno"), nullptr);
  EXPECT_NE(&main(), before);
  EXPECT_TRUE(main().shown());
  EXPECT_EQ(p.window("Form1"), nullptr);
  EXPECT_EQ(app.module1.gRestartFlag, 0);
  EXPECT_EQ(c("txtUm").text(), "");
  EXPECT_FALSE(c("txtUm").locked());
  EXPECT_TRUE(c("txtUm").visible());
  EXPECT_FALSE(c("lblRange").visible());
  EXPECT_FALSE(c("tabGeneral").enabled());
  EXPECT_FALSE(c("tabSubGeneral1").visible());
  EXPECT_EQ(c("Label23", 8).caption(), "Date");
  EXPECT_EQ(c("Text1", 0).text(), "0");
  EXPECT_EQ(c("Text1", 300).text(), "2222222");
  EXPECT_TRUE(c("SSTab1", 13).visible());
  // A new run computes its own main-window values; the shared module's stay.
  EXPECT_EQ(app.mainVars.mPuPerKv, 0);
  EXPECT_EQ(app.mainVars.mUrpTovPe.Value(), "");
  EXPECT_EQ(app.mainVars.mUrpTovPp.Value(), "");
  EXPECT_EQ(app.module1.gUps.Value(), 810);

  // A second run takes another Um as the first run would.
  EnterUm("110");
  EXPECT_EQ(c("lblRange").caption(), "Range I");
}

TEST_F(FrameTest, RestartCalledOutsideAnyEventAlsoRebuildsTheWindow) {
  Start();
  EnterUm("110");
  app.RestartProgram();
  EXPECT_EQ(c("txtUm").text(), "");
  EXPECT_TRUE(main().shown());
  EXPECT_EQ(p.window("Form1"), nullptr);
}

TEST_F(FrameTest, ExitEndsTheProcessAlsoWithTheTableWindowOpen) {
  Start();
  platform::Window& table = p.load(app.tableWindowDefinition());
  p.show(table);
  EXPECT_EQ(table.caption(), "Table");
  EXPECT_EQ(table.controls().size(), 1u);
  EXPECT_EQ(table.get("Image1").kind(), platform::Kind::Image);

  app.ExitProgram();
  EXPECT_TRUE(p.exited());
  EXPECT_TRUE(h.process.exited);
  EXPECT_TRUE(h.dialogs.messages.empty());  // no question asked
}

}  // namespace
