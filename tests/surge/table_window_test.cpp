// "Show table for A": one picture window beside the main window.

#include "fast_front_fixture.hpp"
#include "frame/table_window.hpp"

namespace {

class FrontCounter : public platform::Observer {
 public:
  void windowBroughtToFront(platform::Window& w) override {
    if (w.name() == "Table") ++broughtForward;
  }
  int broughtForward = 0;
};

TEST_F(FastFrontTest, TheTableIsOneWindowBroughtForwardClosedByItsCloseBoxKeptByARestart) {
  FrontCounter front;
  platform.setObserver(&front);
  click("Command30");
  platform::Window* table = platform.window("Table");
  ASSERT_NE(table, nullptr);
  EXPECT_TRUE(table->shown());
  const platform::Control& picture = table->get("Image1");
  EXPECT_EQ(picture.picture(), "factor_a_table");
  EXPECT_EQ(picture.left(), 30);
  EXPECT_EQ(picture.height(), 6900);

  // Again, and from the frame's service as the co-ordination tabs call it.
  click("Command30");
  frame::ShowTableWindow(app());
  EXPECT_EQ(platform.window("Table"), table);
  EXPECT_EQ(platform.windows().size(), 2u);
  EXPECT_EQ(front.broughtForward, 3);

  // The main window stays usable while the table is open.
  click("Command25", 2);
  click("Command29", 1);
  click("Option1", 37);
  type(surge::Formula2A, "11000");
  EXPECT_EQ(Text(surge::Formula2A), "11000");

  app().RestartProgram();
  EXPECT_EQ(platform.window("Table"), table);
  EXPECT_TRUE(table->shown());
  platform.close(*table);
  EXPECT_EQ(platform.window("Table"), nullptr);
  EXPECT_FALSE(platform.exited());
  frame::ShowTableWindow(app());
  ASSERT_NE(platform.window("Table"), nullptr);
  EXPECT_TRUE(platform.window("Table")->shown());
  platform.setObserver(nullptr);
}

}  // namespace
