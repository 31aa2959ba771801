// The actions the routing performs itself, on a main window that holds just
// the controls they touch.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/app.hpp"
#include "frame/procedures.hpp"
#include "frame/routing/routing.hpp"
#include "platform/scripted_services.hpp"

using namespace platform;

namespace {

ControlDesign Make(Kind kind, const char* name, int index = kNoIndex, const char* container = nullptr,
                   unsigned flags = 0, int page = -1) {
  ControlDesign d;
  d.kind = kind;
  d.name = name;
  d.index = index;
  d.container = container;
  d.page = page;
  d.flags = flags;
  return d;
}

class InlineActionsTest : public ::testing::Test {
 protected:
  HeadlessPlatform h;
  frame::App app{h.platform};
  frame::Procedures procedures;
  program::Routing routing{app, procedures};
  std::vector<std::string> calls;

  Window& Load(std::vector<ControlDesign> designs) {
    WindowDefinition d;
    d.name = "frmVarno";
    d.build = [this, designs](Window& w) {
      w.createAll(designs);
      routing.Bind(w);
    };
    Window& w = h.platform.load(d);
    h.platform.show(w);
    return w;
  }
  void Record(const char* name) {
    procedures.add(name, [this, name] { calls.push_back(name); });
  }
};

TEST_F(InlineActionsTest, BackOfFormulaOneHidesOnlyTheFormulaStrip) {
  ControlDesign strip = Make(Kind::TabStrip, "SSTab1", 2);
  strip.tabs = "Formula I|Formula II|Formula III|Choose Urp value";
  Window& w = Load({strip, Make(Kind::TextBox, "Text1", 83, nullptr), Make(Kind::CommandButton, "Command29", 0)});
  Control& s = w("SSTab1", 2);
  s.setTabEnabled(1, false);
  s.setTab(2);
  w("Text1", 83).setText("12");
  h.platform.click(w("Command29", 0));
  EXPECT_FALSE(s.visible());
  EXPECT_EQ(s.tab(), 2);
  EXPECT_FALSE(s.tabEnabled(1));
  EXPECT_TRUE(s.tabEnabled(0));
  EXPECT_EQ(w("Text1", 83).text(), "12");
}

TEST_F(InlineActionsTest, K2EnterModeResetsTheResultsAndKeepsTheData) {
  std::vector<ControlDesign> d;
  d.push_back(Make(Kind::Frame, "Frame1"));
  for (const char* f : {"Frame2", "Frame4", "Frame5", "Frame3"}) d.push_back(Make(Kind::Frame, f, kNoIndex, nullptr, Hidden));
  d.push_back(Make(Kind::OptionButton, "Option1", 0, "Frame1"));
  d.push_back(Make(Kind::OptionButton, "Option1", 3, "Frame2"));
  d.push_back(Make(Kind::OptionButton, "Option1", 4, "Frame2"));
  d.push_back(Make(Kind::OptionButton, "Option1", 5, "Frame4"));
  d.push_back(Make(Kind::OptionButton, "Option1", 6, "Frame4"));
  for (int i = 1; i <= 17; ++i) d.push_back(Make(Kind::TextBox, "Text1", i));
  for (int i : {3, 4}) d.push_back(Make(Kind::Label, "Label1", i));
  for (int i : {2, 3, 4, 5}) d.push_back(Make(Kind::Label, "Label13", i));
  for (const char* l : {"Label20", "Label22", "Label24", "Label25", "Label45", "Label26"}) d.push_back(Make(Kind::Label, l));
  for (const char* b : {"Command6", "Command7", "Command2"}) d.push_back(Make(Kind::CommandButton, b));
  Window& w = Load(d);
  for (const char* p : {"Text6_Change", "Text5_Change", "SelectK2EnterFactor", "SelectK2EnterUrp",
                        "SelectK2AnalyticalFormula", "SelectK2SimplifiedFormula"})
    Record(p);
  w("Frame4").setVisible(true);
  w("Frame3").setVisible(true);
  w("Option1", 5).setValue(true);
  for (int i = 1; i <= 17; ++i) w("Text1", i).setText("7");
  calls.clear();

  routing.Option1_Click(0);

  EXPECT_TRUE(w("Frame2").visible());
  for (const char* f : {"Frame4", "Frame5", "Frame3"}) EXPECT_FALSE(w(f).visible()) << f;
  for (int i = 14; i <= 17; ++i) {
    EXPECT_EQ(w("Text1", i).text(), "") << i;
    EXPECT_FALSE(w("Text1", i).visible()) << i;
  }
  for (int i = 1; i <= 13; ++i) EXPECT_EQ(w("Text1", i).text(), "7") << i;
  for (const char* c : {"Label20", "Label22", "Label24", "Label25", "Label45", "Label26", "Command6", "Command7"})
    EXPECT_FALSE(w(c).visible()) << c;
  for (int i = 3; i <= 6; ++i) EXPECT_FALSE(w("Option1", i).value()) << i;
  EXPECT_FALSE(w("Command2").enabled());
  // Clearing the two results ran their checks; deselecting ran no mode.
  EXPECT_EQ(calls, (std::vector<std::string>{"Text5_Change", "Text6_Change"}));
}

TEST_F(InlineActionsTest, FrequencyCaptionShowsItsHelpLevelWithIt) {
  ControlDesign help = Make(Kind::Label, "Label23", 0, nullptr, Hidden);
  help.left = 3360;
  help.top = 300;
  help.width = 2655;
  help.height = 510;
  ControlDesign caption = Make(Kind::Label, "Label33", 0);
  caption.top = 270;
  Window& w = Load({help, caption, Make(Kind::Label, "Label33", 23)});
  h.platform.mouseMove(w("Label33", 0));
  Control& l = w("Label23", 0);
  EXPECT_TRUE(l.visible());
  EXPECT_EQ(l.caption(), "Power frequency");
  EXPECT_EQ(l.top(), 270);
  EXPECT_EQ(l.height(), 255);
  EXPECT_EQ(l.left(), 3360);
  // The subscript of the K4 page has no row: the help stays as it is.
  h.platform.mouseMove(w("Label33", 23));
  EXPECT_TRUE(l.visible());
  EXPECT_EQ(l.caption(), "Power frequency");
}

TEST_F(InlineActionsTest, AnyFastFrontFrameHidesEveryFastFrontHelp) {
  std::vector<ControlDesign> d;
  for (int i = 0; i <= 7; ++i) d.push_back(Make(Kind::Label, "Label85", i));
  d.push_back(Make(Kind::Frame, "Frame30", 14));
  Window& w = Load(d);
  w("Label85", 3).setCaption("kept");
  h.platform.mouseMove(w("Frame30", 14));
  for (int i = 0; i <= 7; ++i) EXPECT_FALSE(w("Label85", i).visible()) << i;
  EXPECT_EQ(w("Label85", 3).caption(), "kept");
}

TEST_F(InlineActionsTest, ActionsOnPagesNotBuiltChangeNothing) {
  Load({Make(Kind::CommandButton, "Command29", 0), Make(Kind::OptionButton, "Option1", 0)});
  EXPECT_NO_THROW(routing.Command29_Click(0));
  EXPECT_NO_THROW(routing.Option1_Click(0));
  EXPECT_NO_THROW(routing.Label33_MouseMove(0));
  EXPECT_NO_THROW(routing.Frame30_MouseMove(3));
}

TEST_F(InlineActionsTest, RowWhoseProcedureIsNotRegisteredDoesNothing) {
  Window& w = Load({Make(Kind::TextBox, "Text1", 4)});
  EXPECT_NO_THROW(h.platform.typeText(w("Text1", 4), "50"));
  EXPECT_NO_THROW(routing.Text1_LostFocus(4));
  EXPECT_TRUE(calls.empty());
}

}  // namespace
