// Every help text names a routine that the stage registers, a help label and
// an anchor caption that the main window holds, and lands where it belongs.

#include "factor_pages_fixture.hpp"
#include "tov/factor_help.hpp"

namespace {

class FactorHelpTest : public FactorPagesTest {
 protected:
  void SetUp() override { OpenFactorPage(2); }
};

TEST_F(FactorHelpTest, EveryTextHasItsRoutineLabelAndAnchor) {
  for (const tov::HelpText& help : tov::FactorHelp::Texts()) {
    SCOPED_TRACE(help.routine);
    EXPECT_TRUE(prog.procedures.has(help.routine));
    platform::Window& w = prog.app.main();
    ASSERT_NE(w.find(help.label, help.labelIndex), nullptr);
    ASSERT_NE(w.find(help.anchor, help.anchorIndex), nullptr);
    // The help label lies in the frame that holds its caption.
    EXPECT_EQ(w.get(help.label, help.labelIndex).container(), w.get(help.anchor, help.anchorIndex).container());
    prog.procedures.run(help.routine);
    const platform::Control& label = w.get(help.label, help.labelIndex);
    EXPECT_EQ(label.caption(), help.text);
    EXPECT_EQ(label.top(), w.get(help.anchor, help.anchorIndex).top() - help.raise);
    EXPECT_TRUE(label.visible());
  }
}

TEST_F(FactorHelpTest, TwoLineTextKeepsItsHeightForTheNextOneLineText) {
  click("Option1", 8);
  click("Option1", 12);
  p.mouseMove(c("Label33", 21));
  EXPECT_EQ(c("Label10").caption(), "Reactance of positive sequence system");
  EXPECT_EQ(c("Label10").top(), 630);
  EXPECT_EQ(c("Label10").height(), 550);
  p.mouseMove(c("Label33", 18));
  EXPECT_EQ(c("Label10").caption(), "Reactance of zero sequence system");
  EXPECT_EQ(c("Label10").top(), 300);
  EXPECT_EQ(c("Label10").height(), 550);
  p.mouseMove(c("Frame10"));
  EXPECT_FALSE(c("Label10").visible());
}

TEST_F(FactorHelpTest, NotesShowOnTheirOptionAndHideOverTheirFrame) {
  p.mouseMove(c("Option1", 8));
  for (const char* note : {"Label55", "Label54", "Label56", "Label57"}) EXPECT_TRUE(c(note).visible()) << note;
  p.mouseMove(c("Frame8"));
  for (const char* note : {"Label55", "Label54", "Label56", "Label57"}) EXPECT_FALSE(c(note).visible()) << note;
  p.mouseMove(c("Option1", 21));
  EXPECT_TRUE(c("Label76").visible());
  EXPECT_FALSE(c("Label69").visible());
  p.mouseMove(c("Option1", 22));
  EXPECT_TRUE(c("Label69").visible());
  p.mouseMove(c("Frame16"));
  EXPECT_FALSE(c("Label76").visible());
  EXPECT_FALSE(c("Label69").visible());
}

}  // namespace
