// The audit on a one-page program made for it: each fault planted in the page's
// rows is named with its message, and the sound page shows none.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "frame/app.hpp"
#include "frame/audit.hpp"
#include "frame/design_kit.hpp"
#include "frame/kept.hpp"
#include "frame/routes.hpp"
#include "frame/stage.hpp"
#include "frame/value_store.hpp"
#include "platform/scripted_services.hpp"

namespace {

using frame::Box;
using frame::Dependency;

enum class Plant { None, DroppedSource, SiblingRow, KeptValue, WrongCopy, NeedlessHold };

// Text1(3) is the larger of A = Text1(1) and B = Text1(2) and Text1(5) is A + 1,
// both by Command28(1); Command28(2) keeps A, Command28(3) writes three times
// what it kept into Text1(6); Command28(4) copies A into Text1(7); Command28(5)
// passes Text1(8), which nothing computes, on into Text1(9).
class Page final : public frame::Page {
 public:
  Page(frame::App& app, Plant plant) : app_(app) {
    const auto planted = [plant](Plant p, Dependency fault, Dependency sound) { return plant == p ? fault : sound; };
    rows_ = {
        planted(Plant::DroppedSource, {Box(3), {{Box(2)}}}, {Box(3), {{Box(1), Box(2)}}}),
        planted(Plant::SiblingRow, {Box(5), {{Box(2)}}}, {Box(5), {{Box(1)}}}),
        planted(Plant::KeptValue, {Box(6), {}}, {Box(6), {{Box(1)}}}),
        planted(Plant::WrongCopy, {Box(7), {{Box(2)}}}, {Box(7), {{Box(1)}}}),
        planted(Plant::NeedlessHold, {Box(8), {}, {{{"Command28", 4}}}}, {Box(8), {}, {{{"Command28", 5}}}}),
        {Box(9), {{Box(8)}}},
    };
    for (int i = 0; i < frame::kValueStoreSize; ++i)
      boxes_[static_cast<std::size_t>(i)] = frame::design::Box({}, i, {0, 300 * i, 900, 285});
  }
  void Build(platform::Window& w) override {
    for (int i = 1; i <= 5; ++i) w.create(frame::design::Button({}, "Command28", i, {1000, 300 * i, 900, 285}, "OK"));
    kept_.Forget();
  }
  void DeclareRoutes(frame::Routes& routes) override {
    using enum frame::ArrayEvent;
    routes.on(Command28Click, 1, [this] {
      const double a = *app_.ReadNumber(app_.text1(1)), b = *app_.ReadNumber(app_.text1(2));
      app_.WriteNumber(app_.text1(3), std::max(a, b));
      app_.WriteNumber(app_.text1(5), a + 1);
    });
    routes.on(Command28Click, 2, [this] { kept_.Keep(*app_.ReadNumber(app_.text1(1)), {Box(1)}); });
    routes.on(Command28Click, 3, [this] { app_.WriteNumber(app_.text1(6), kept_.Read(app_) * 3); });
    routes.on(Command28Click, 4, [this] { app_.text1(7).setText(app_.text1(1).text()); });
    routes.on(Command28Click, 5, [this] { app_.text1(9).setText(app_.text1(8).text()); });
  }
  std::span<const platform::ControlDesign> ValueStoreRows() const override { return boxes_; }
  std::span<const Dependency> Dependencies() const override { return rows_; }

 private:
  frame::App& app_;
  frame::Kept<double> kept_{"kept"};
  std::vector<Dependency> rows_;
  std::array<platform::ControlDesign, frame::kValueStoreSize> boxes_{};
};

struct OnePage final : frame::Stage {
  OnePage(frame::App& app, Plant plant) : frame::Stage("test") { AddPage<Page>(app, plant); }
};

// The program on a headless platform of its own, as the audit copies it too.
class TestProgram final : public frame::ProgramCopy {
 public:
  explicit TestProgram(Plant plant) : stage_(app_, plant) {
    routes_.setOwner("test");
    stage_.DeclareRoutes(routes_);
    app_.stages.push_back(&stage_);
    for (std::span<const Dependency> rows : stage_.Dependencies()) app_.dependencies.Declare(rows);
    app_.routes = &routes_;
  }
  platform::HeadlessPlatform& Headless() override { return headless_; }
  frame::App& Program() override { return app_; }
  void Main() override { app_.Main(); }

 private:
  platform::HeadlessPlatform headless_;
  frame::App app_{headless_.platform};
  frame::Routes routes_;
  OnePage stage_;
};

// What the audit finds while a person starts the program, types A = 100 and
// B = 200 and presses the buttons that the plant leaves enabled.
std::vector<std::string> Faults(Plant plant) {
  TestProgram program(plant);
  frame::Audit audit(program.Program(), [plant] { return std::make_unique<TestProgram>(plant); });
  platform::Platform& p = program.Headless().platform;
  program.Main();
  p.click(p.window("Form1")->get("Command1"));
  platform::Window& w = program.Program().main();
  p.typeText(w.get("Text1", 1), "100");
  p.typeText(w.get("Text1", 2), "200");
  for (int button = 1; button <= 4; ++button)
    if (w.get("Command28", button).enabled()) p.click(w.get("Command28", button));
  return audit.TakeFaults();
}

// Whether the audit named the fault when the plant was put in.
bool Found(Plant plant, const std::string& fault) {
  const std::vector<std::string> faults = Faults(plant);
  return std::find(faults.begin(), faults.end(), fault) != faults.end();
}

TEST(Audit, FindsNothingWhereTheRowsSayWhatTheProgramDoes) { EXPECT_EQ(Faults(Plant::None), std::vector<std::string>{}); }

TEST(Audit, NamesEachFaultPlantedInTheRows) {
  const auto unnamed = [](const char* procedure, const char* box, const char* from) {
    return procedure + std::string("_Click wrote ") + box + " from " + from + ", which the row of " + box +
           " does not name (in " __FILE__ ")";
  };
  // B wins over A; only an answer beyond B shows that A decides the larger.
  EXPECT_TRUE(Found(Plant::DroppedSource, unnamed("Command28(1)", "Text1(3)", "Text1(1)")));
  // The row of Text1(3) names A: that of Text1(5) must too.
  EXPECT_TRUE(Found(Plant::SiblingRow, unnamed("Command28(1)", "Text1(5)", "Text1(1)")));
  EXPECT_TRUE(Found(Plant::KeptValue, unnamed("Command28(3)", "Text1(6)", "kept, kept from Text1(1)")));
  EXPECT_TRUE(Found(Plant::WrongCopy, "Command28(4)_Click copies Text1(1) into Text1(7), whose row does not name it"));
  EXPECT_TRUE(Found(Plant::NeedlessHold, "Command28(4) is held for Text1(8), which its step neither reads nor passes "
                                         "on to a later page that computes from it (the row of Text1(8) in " __FILE__
                                         ")"));
}

}  // namespace
