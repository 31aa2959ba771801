#include "coordination/slow_front_page.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>

#include "coordination/slots.hpp"
#include "frame/app.hpp"
#include "frame/enter_question.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"

namespace coordination {

namespace {

constexpr int kTovPage = 0, kFastFrontPage = 2;

constexpr frame::ControlRef kSummaryBoxes[] = {
    frame::Box(UcwSfPpInt), frame::Box(UcwSfPeInt), frame::Box(UcwSfPpExt), frame::Box(UcwSfPeExt)};

// The headings, captions, subscripts and units of the summary, with its boxes.
constexpr frame::ControlRef kSummary[] = {
    {"Label4", 32}, {"Label4", 33}, {"Label4", 34}, {"Label4", 35},       {"Label4", 36},
    {"Label4", 37}, {"Label4", 38}, {"Label4", 39}, {"Label4", 40},       {"Label4", 41},
    {"Label4", 42}, {"Label4", 43}, {"Label4", 44}, {"Label4", 45},       frame::Box(UcwSfPpInt),
    frame::Box(UcwSfPeInt), frame::Box(UcwSfPpExt), frame::Box(UcwSfPeExt),
};

// Each summary box and the tab result the commit copies into it, in the order of the copy.
constexpr std::pair<int, int> kCommitted[] = {
    {UcwSfPeIntCalc, UcwSfPeInt}, {UcwSfPpIntCalc, UcwSfPpInt},
    {UcwSfPeExtCalc, UcwSfPeExt}, {UcwSfPpExtCalc, UcwSfPpExt},
};

// A committed value stands for the tab result it copies; an entered one is
// the person's own. The flag of the commit stands until the next commit.
constexpr auto kDependencies = [] {
  std::array<frame::Dependency, std::size(kCommitted) + 1> rows{};
  for (std::size_t i = 0; i < std::size(kCommitted); ++i)
    rows[i] = {frame::Box(kCommitted[i].second), {{frame::Box(kCommitted[i].first)}}, {{{"Command21", 21}}}};
  rows.back() = frame::Standing(frame::Box(SfAcceptedFlag));
  return rows;
}();

}  // namespace

std::span<const frame::Dependency> SlowFrontPage::Dependencies() const { return kDependencies; }

void SlowFrontPage::Build(platform::Window& w) {
  w.createAll(Design());
  mUcwSlowFrontCalculated = "0";
}

void SlowFrontPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command25Click, 7, [this] { EnterUcwSlowFront(); });
  routes.on(Command25Click, 8, [this] { OpenCwSlowFrontTabs(); });
  routes.on(Command21Click, 21, [this] { OpenCwFastFrontPage(); });
  routes.on(Command21Click, 22, [this] { BackToCwTovPage(); });
  routes.onEach(Text1Change, UcwSfPpInt, UcwSfPeExt, [this](int slot) { EnableCwSlowFrontNext(slot); });
  routes.on(Command29Click, 11, [this] { AcceptUcwSlowFront(); });
}

void SlowFrontPage::ShowSummary(bool shown) { frame::SetVisible(app_, kSummary, shown); }

void SlowFrontPage::EnterUcwSlowFront() {
  // After a commit an entry may only raise a value; an empty box takes any.
  const bool mustRaise = app_.text1(SfAcceptedFlag).text() == "1";
  const double root3 = std::sqrt(3.0);
  const auto question = [mustRaise](const char* prompt, int slot, double umFactor) {
    return frame::EnterQuestion{prompt, frame::Box(slot), umFactor, "Invalid Ucw", 32, mustRaise,
                                "Ucw value not changed"};
  };
  frame::AskEnterQuestions(app_,
                           {question("Enter internal Ucw(p-e) value", UcwSfPeInt, root3),
                            question("Enter internal Ucw(p-p) value", UcwSfPpInt, 1.0),
                            question("Enter external Ucw(p-e) value", UcwSfPeExt, root3),
                            question("Enter external Ucw(p-p) value", UcwSfPpExt, 1.0)},
                           kSummary, {"Command25", 7});
}

void SlowFrontPage::OpenCwSlowFrontTabs() {
  // The tabs keep what they held from an earlier calculation.
  platform::Control& strip = app_.control("SSTab1", 4);
  frame::OpenPage(strip, 0);
  strip.setVisible(true);
}

void SlowFrontPage::BackToCwTovPage() { frame::OpenPage(app_.control("SSTab1", 3), kTovPage); }

void SlowFrontPage::OpenCwFastFrontPage() { frame::OpenPage(app_.control("SSTab1", 3), kFastFrontPage); }

void SlowFrontPage::EnableCwSlowFrontNext(int slot) {
  frame::RunFilledRule(app_, {.box = frame::Box(slot),
                              .group = kSummaryBoxes,
                              .button = {"Command21", 21},
                              .action = frame::FilledRule::Action::Enable,
                              .checkNumber = false});
}

void SlowFrontPage::AcceptUcwSlowFront() {
  mUcwSlowFrontCalculated = frame::IsFilled(app_.text1(UcwSfPpExtCalc)) ? "1" : "0";
  if (mUcwSlowFrontCalculated == "1") {
    ShowSummary(true);
    // Copied as they stand; values entered earlier are overwritten.
    for (const auto& [from, to] : kCommitted) app_.text1(to).setText(app_.text1(from).text());
  }
  app_.text1(SfAcceptedFlag).setText(mUcwSlowFrontCalculated);
  app_.control("SSTab1", 4).setVisible(false);
  app_.control("Command25", 8).setCaption("RE-CALCULATE");
}

}  // namespace coordination
