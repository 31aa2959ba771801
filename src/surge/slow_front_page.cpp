#include "surge/slow_front_page.hpp"

#include <cmath>

#include "frame/app.hpp"
#include "frame/enter_question.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using frame::Box;
constexpr int kArresterPage = 1, kFastFrontPage = 3;

constexpr frame::ControlRef kSummaryBoxes[] = {
    Box(UrpSfPeInt), Box(UrpSfPpInt), Box(UrpSfPeExt), Box(UrpSfPpExt)};

// The headings, captions, subscripts and units of the summary, with its boxes.
constexpr frame::ControlRef kResultArea[] = {
    {"Label4", 1},  {"Label4", 2},  {"Label4", 3},  {"Label4", 4},  {"Label4", 5},         {"Label4", 6},
    {"Label4", 7},  {"Label4", 8},  {"Label4", 9},  {"Label4", 10}, {"Label4", 11},        {"Label4", 12},
    {"Label4", 13}, {"Label4", 14}, Box(UrpSfPeInt), Box(UrpSfPpInt), Box(UrpSfPeExt),
    Box(UrpSfPpExt),
};

// The summary takes over the results of the range tab that was accepted: its
// phase-to-earth Urp for both kinds of insulation, its phase-to-phase Urp
// (Range II: the internal one, and the external one from D and Ht).
constexpr frame::Dependency kDependencies[] = {
    {Box(UrpSfPeInt), {{Box(UrpSfPeRange1), Box(UrpSfPeRange2)}}, {{{"Command21", 10}}}},
    {Box(UrpSfPeExt), {{Box(UrpSfPeRange1), Box(UrpSfPeRange2)}}, {{{"Command21", 10}}}},
    {Box(UrpSfPpInt), {{Box(UrpSfPpRange1), Box(UrpSfPpIntRange2)}}, {{{"Command21", 10}}}},
    {Box(UrpSfPpExt), {{Box(UrpSfPpRange1), Box(UrpSfPpExtRange2)}}, {{{"Command21", 10}}}},
};

}  // namespace

std::span<const frame::Dependency> SlowFrontPage::Dependencies() const { return kDependencies; }

void SlowFrontPage::Build(platform::Window& w) { w.createAll(Design()); }

void SlowFrontPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command25Click, 0, [this] { EnterSlowFrontUrp(); });
  routes.on(Command25Click, 1, [this] { OpenSlowFrontCalculation(); });
  routes.on(Command21Click, 9, [this] { BackToSurgeArresterPage(); });
  routes.on(Command21Click, 10, [this] { OpenFastFrontPage(); });
  routes.onEach(Text1Change, UrpSfPeInt, UrpSfPpExt, [this](int slot) { EnableSlowFrontNext(slot); });
}

void SlowFrontPage::ShowResultArea(bool shown) { frame::SetVisible(app_, kResultArea, shown); }

void SlowFrontPage::EnterSlowFrontUrp() {
  // After an accepted calculation an entry may only raise a value.
  const bool mustRaise = app_.text1(SfAcceptedFlag).text() == "1";
  const double root3 = std::sqrt(3.0);
  const auto question = [mustRaise](const char* prompt, int slot, double umFactor) {
    return frame::EnterQuestion{prompt, Box(slot), umFactor, "Invalid Urp", 32, mustRaise,
                                "Urp value not changed"};
  };
  for (const frame::EnterQuestion& q : {question("Enter internal Urp(p-e) value", UrpSfPeInt, root3),
                                        question("Enter internal Urp(p-p) value", UrpSfPpInt, 1.0),
                                        question("Enter external Urp(p-e) value", UrpSfPeExt, root3),
                                        question("Enter external Urp(p-p) value", UrpSfPpExt, 1.0)})
    frame::AskEnterQuestion(app_, q);

  const bool any = AnySummaryValue();
  ShowResultArea(any);
  app_.control("Command25", 0).setCaption(any ? "RE-ENTER" : "ENTER");
}

bool SlowFrontPage::AnySummaryValue() {
  bool any = false;
  for (const frame::ControlRef& box : kSummaryBoxes) any = any || frame::IsFilled(app_.text1(box.index));
  return any;
}

void SlowFrontPage::ShowPageButtons() { frame::SetVisible(app_, {{"Command21", 9}, {"Command21", 10}}, true); }

void SlowFrontPage::ShowCalculatedSummary() {
  const bool any = AnySummaryValue();
  ShowResultArea(any);
  app_.control("Command25", 1).setCaption(any ? "RE-CALCULATE" : "CALCULATE");
  ShowPageButtons();
}

void SlowFrontPage::OpenSlowFrontCalculation() {
  const double ups = app_.module1.gUps.Read(app_);
  frame::WriteAll(app_, {{&app_.text1(UpsCopySfPpRange1), ups},
                         {&app_.text1(UpsCopySfPpRange2), ups},
                         {&app_.text1(UpsCopySfPeRange1), ups},
                         {&app_.text1(UpsCopySfPeRange2), ups}});
  const bool range1 = app_.IsRange1();
  platform::Control& open = app_.control("SSTab1", range1 ? 0 : 1);
  open.setVisible(true);
  frame::OpenPage(open, 0);
  app_.control("SSTab1", range1 ? 1 : 0).setVisible(false);
  frame::SetVisible(app_, {{"Command21", 9}, {"Command21", 10}}, false);
}

void SlowFrontPage::BackToSurgeArresterPage() { frame::OpenPage(app_.control("tabSubGeneral1"), kArresterPage); }

void SlowFrontPage::OpenFastFrontPage() { frame::OpenPage(app_.control("tabSubGeneral1"), kFastFrontPage); }

void SlowFrontPage::EnableSlowFrontNext(int slot) {
  frame::RunFilledRule(app_, {.box = Box(slot),
                              .group = kSummaryBoxes,
                              .button = {"Command21", 10},
                              .action = frame::FilledRule::Action::Enable,
                              .checkNumber = false});
}

}  // namespace surge
