#include "model_fixture.hpp"

using namespace platform;

namespace {

// A window whose button unloads and reloads the window itself, as a restart does.
struct RestartingWindow {
  Platform& p;
  int loads = 0;
  WindowDefinition definition() {
    WindowDefinition d;
    d.name = "frmMain";
    d.caption = "Main";
    d.build = [this](Window& w) {
      ControlDesign button;
      button.kind = Kind::CommandButton;
      button.name = "cmdRestart";
      w.create(button);
      ControlDesign box;
      box.kind = Kind::TextBox;
      box.name = "Text1";
      box.index = 0;
      w.create(box);
      w.on("cmdRestart", EventType::Click, [this](Event&) { restart(); });
    };
    d.onLoad = [this](Window&) { ++loads; };
    return d;
  }
  void restart() {
    Window* old = p.window("frmMain");
    p.unload(*old);
    p.show(p.load(definition()));
  }
};

}  // namespace

TEST_F(ModelTest, WindowsLoadInDesignStateShowHideAndUnload) {
  RestartingWindow r{p};
  Window& w = p.load(r.definition());
  EXPECT_EQ(r.loads, 1);
  EXPECT_EQ(w.state(), WindowState::Loaded);
  EXPECT_EQ(&p.load(r.definition()), &w);  // loading again returns the loaded window
  EXPECT_EQ(r.loads, 1);
  EXPECT_THROW(w.create({.kind = Kind::Label, .name = "Label1", .index = -2}), std::logic_error);
  p.show(w);
  EXPECT_TRUE(w.shown());
  p.hide(w);
  EXPECT_EQ(w.state(), WindowState::Hidden);
  p.unload(w);
  EXPECT_EQ(p.window("frmMain"), nullptr);
}

TEST_F(ModelTest, OnlyAShownWindowIsBroughtToTheFront) {
  struct Front : Observer {
    void windowBroughtToFront(Window& w) override { names.push_back(w.name()); }
    std::vector<std::string> names;
  } front;
  p.setObserver(&front);
  RestartingWindow r{p};
  Window& w = p.load(r.definition());
  p.bringToFront(w);
  p.show(w);
  p.bringToFront(w);
  p.hide(w);
  p.bringToFront(w);
  EXPECT_EQ(front.names, std::vector<std::string>{"frmMain"});
  p.setObserver(nullptr);
}

TEST_F(ModelTest, AWindowMayUnloadAndReloadItselfFromItsOwnClick) {
  RestartingWindow r{p};
  Window& first = p.load(r.definition());
  p.show(first);
  first("Text1", 0).setText("typed");
  p.focus(first("Text1", 0));
  p.click(first("cmdRestart"));  // the old window is freed only after the click returns
  Window* second = p.window("frmMain");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(r.loads, 2);
  EXPECT_TRUE(second->shown());
  EXPECT_EQ((*second)("Text1", 0).text(), "");
  p.click((*second)("cmdRestart"));
  EXPECT_EQ(r.loads, 3);
}

TEST_F(ModelTest, EventsOfAnUnloadedWindowAreIgnored) {
  RestartingWindow r{p};
  Window& w = p.load(r.definition());
  p.show(w);
  {
    Platform::DispatchScope keepAlive(p);
    Control& box = w("Text1", 0);
    p.unload(w);
    p.typeText(box, "12");
    EXPECT_EQ(box.text(), "");
  }
  EXPECT_EQ(p.window("frmMain"), nullptr);
}

TEST_F(ModelTest, ClosingTheLastWindowEndsTheProcess) {
  RestartingWindow r{p};
  Window& w = p.load(r.definition());
  p.show(w);
  p.close(w);
  EXPECT_TRUE(p.exited());
  EXPECT_TRUE(h.process.exited);
}

TEST_F(ModelTest, ScriptedDialogsRecordMessagesAndAnswerFromTheQueue) {
  h.dialogs.queueAnswer("420");
  h.dialogs.queueCancel();
  p.messageBox("Enter a valid value...", "Invalid Um");
  EXPECT_EQ(p.inputBox("Enter TOV Urp(p-e) value", "Enter Data"), "420");
  EXPECT_EQ(p.inputBox("again", "Enter Data"), "");
  EXPECT_EQ(p.inputBox("unanswered", "Enter Data"), "");
  ASSERT_EQ(h.dialogs.messages.size(), 1u);
  EXPECT_EQ(h.dialogs.messages[0].title, "Invalid Um");
  EXPECT_EQ(h.dialogs.inputs.size(), 3u);
  EXPECT_EQ(h.dialogs.unansweredInputs, 1);
}

TEST_F(ModelTest, ScriptedPrinterFailsOneJobThenPrintsAgain) {
  RestartingWindow r{p};
  Window& w = p.load(r.definition());
  h.printer.failNext = true;
  EXPECT_FALSE(h.printer.setOrientation(Orientation::Landscape));
  EXPECT_TRUE(h.printer.setOrientation(Orientation::Landscape));
  EXPECT_TRUE(h.printer.printWindow(w));
  EXPECT_TRUE(h.printer.endDoc());
  ASSERT_EQ(h.printer.printedPages.size(), 1u);
  EXPECT_EQ(h.printer.printedPages[0], Orientation::Landscape);
}
