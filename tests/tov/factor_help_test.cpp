// Every help text names a routine that the stage registers, a help label and
// an anchor caption that the main window holds, and lands where it belongs.

#include "factor_pages_fixture.hpp"
#include "tov/factor_help.hpp"

#include <string>

namespace {

class FactorHelpTest : public FactorPagesTest {
 protected:
  void SetUp() override { OpenFactorPage(2); }
};

TEST_F(FactorHelpTest, EveryTextShowsOnItsCaptionLevelWithItsAnchor) {
  platform::Window& w = prog.app.main();
  for (const frame::HelpText& help : tov::FactorHelp::Texts()) {
    SCOPED_TRACE(std::string(help.hovered.name) + " " + std::to_string(help.hovered.index));
    ASSERT_NE(w.find(help.label.name, help.label.index), nullptr);
    ASSERT_NE(w.find(help.anchor.name, help.anchor.index), nullptr);
    // The help label lies in the frame that holds its caption.
    const platform::Control& label = w.get(help.label.name, help.label.index);
    EXPECT_EQ(label.container(), w.get(help.anchor.name, help.anchor.index).container());
    platform::Control* hovered = w.find(help.hovered.name, help.hovered.index);
    ASSERT_NE(hovered, nullptr);
    p.mouseMove(*hovered);
    EXPECT_EQ(label.caption(), help.text);
    EXPECT_EQ(label.top(), w.get(help.anchor.name, help.anchor.index).top() - help.raise);
    if (help.height != frame::kKeepHeight) {
      EXPECT_EQ(label.height(), help.height);
    }
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
