// The help of the formula tabs' captions: each text level with its caption, one
// to three lines high, always inside its frame; any Frame30 hides them all.

#include <map>
#include <set>
#include <string>

#include "fast_front_fixture.hpp"
#include "frame/help_text.hpp"
#include "frame/routes.hpp"
#include "surge/formula_tabs.hpp"

namespace {

constexpr int kLine = 255;  // twips of one line of a help text

bool SameLine(const platform::Control& a, const platform::Control& b) {
  return a.top() < b.top() + b.height() && b.top() < a.top() + a.height();
}

TEST_F(FastFrontTest, EveryCaptionOfAnInputShowsItsOneHelpLevelWithIt) {
  std::map<const platform::Control*, std::string> textOf, textAt;  // by the control hovered, by the anchor
  std::set<std::pair<std::size_t, int>> linesOfLength;
  for (const frame::HelpText& help : surge::FormulaTabs::HelpTexts()) {
    const platform::Control& hovered = c(help.hovered.name, help.hovered.index);
    const platform::Control& anchor = c(help.anchor.name, help.anchor.index);
    const platform::Control& label = c(help.label.name, help.label.index);
    SCOPED_TRACE(hovered.displayName());
    EXPECT_TRUE(textOf.emplace(&hovered, help.text).second);
    EXPECT_EQ(textAt.emplace(&anchor, help.text).first->second, help.text);  // a subscript explains its caption
    EXPECT_TRUE(hovered.container() == label.container() && anchor.container() == label.container());
    hover(help.hovered.name, help.hovered.index);
    EXPECT_TRUE(label.visible() && label.caption() == help.text);
    EXPECT_NEAR(label.top() + label.height() / 2.0, hovered.top() + hovered.height() / 2.0, kLine / 4.0);
    EXPECT_TRUE(label.height() % kLine == 0 && label.top() >= 0 &&
                label.top() + label.height() <= label.container()->height());
    for (const auto& other : main().controls())  // it covers nothing of its frame
      EXPECT_TRUE(other.get() == &label || other->container() != label.container() || !SameLine(label, *other) ||
                  label.left() >= other->left() + other->width() || other->left() >= label.left() + label.width())
          << other->displayName();
    linesOfLength.emplace(std::string(help.text).size(), label.height() / kLine);
  }
  // No text is cut off: a longer one never has fewer lines than a shorter one.
  for (auto it = linesOfLength.begin(); std::next(it) != linesOfLength.end(); ++it)
    EXPECT_LE(it->second, std::next(it)->second) << it->first;
  // Every caption on the line of an input a formula reads has its help, but for the subscript of Ks.
  for (const surge::FormulaTab& tab : surge::FormulaTabRoles())
    for (const frame::ControlRef& input : tab.inputs)
      for (const platform::Control* box = &c(input.name, input.index); const auto& caption : main().controls())
        EXPECT_TRUE(caption->container() != box->container() || caption->kind() != platform::Kind::Label ||
                    caption->name() == "Label85" || caption.get() == &c("Label33", 47) || !SameLine(*caption, *box) ||
                    textOf.contains(caption.get())) << caption->displayName();
}

TEST_F(FastFrontTest, TheKsSubscriptShowsNothingAndAnyFrame30HidesEveryHelp) {
  hover("Label33", 48);
  hover("Label33", 47);
  EXPECT_EQ(c("Label85", 2).caption(), "Basic Insulation Level of equipment");
  hover("Label33", 50);  // the note of Ks has no help either
  hover("Label33", 40);
  hover("Label33", 46);
  EXPECT_TRUE(c("Label85", 0).visible());
  EXPECT_TRUE(c("Label85", 2).visible());
  hover("Frame30", 1);  // whichever frame it is
  for (int i = 0; i <= 2; ++i) EXPECT_FALSE(c("Label85", i).visible()) << i;
  // The frames of the later pages will hide them too, every one the window has.
  for (const auto& frame : main().controls()) {
    if (frame->name() == "Frame30") {
      EXPECT_TRUE(program().routes.Has(frame::Frame30MouseMove, frame->index())) << frame->index();
    }
  }
}

}  // namespace
