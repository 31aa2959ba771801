#include "surge/fast_front_page.hpp"

#include "frame/enter_question.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "surge/slots.hpp"
#include "tov/slots.hpp"

namespace surge {

namespace {

using frame::Box;
constexpr frame::ControlRef kSummary[] = {
    {"Label4", 16}, {"Label4", 17}, {"Label4", 18}, {"Label4", 19}, {"Label4", 20},
    {"Label4", 21}, {"Label4", 22}, Box(UrpFfPe), Box(UrpFfPp),
};

// The Urp that the Choose tab hands over; the phase-to-phase box repeats the
// phase-to-earth one, whatever put it there.
constexpr frame::Dependency kDependencies[] = {
    {.result = Box(UrpFfPe), .from = {{Box(UrpFfChosen)}}, .publishers = {{{"Command21", 18}}}, .word = kIgnored},
    {.result = Box(UrpFfPp), .from = {{Box(UrpFfPe)}}, .publishers = {{{"Command21", 18}}}, .word = kIgnored},
};

}  // namespace

std::span<const frame::Dependency> FastFrontPage::Dependencies() const { return kDependencies; }

void FastFrontPage::Build(platform::Window& w) {
  w.createAll(Design());
}

void FastFrontPage::ShowSummary(bool shown) { frame::SetVisible(app_, kSummary, shown); }

void FastFrontPage::EnterFastFrontUrp() {
  // One value for both boxes, never below Um: it stands for phase to earth too.
  const frame::EnterQuestion question{"Enter Fast Front Urp value", Box(UrpFfPe), 1.0, "Invalid Urp", 32};
  if (frame::AskEnterQuestion(app_, question) == frame::EnterOutcome::Written)
    app_.text1(UrpFfPp).setText(app_.text1(UrpFfPe).text());
  const bool any = frame::IsFilled(app_.text1(UrpFfPe)) || frame::IsFilled(app_.text1(UrpFfPp));
  ShowSummary(any);
  app_.control("Command25", 3).setCaption(any ? "RE-ENTER" : "ENTER");
}

void FastFrontPage::OpenFastFrontFormulas() {
  platform::Control& strip = app_.control("SSTab1", 2);
  strip.setVisible(true);
  frame::OpenPage(strip, 0);
}

void FastFrontPage::SkipFastFront() {
  app_.text1(UrpFfPe).setText(kIgnored);
  // To ignore the overvoltage is the person's own choice, as an entry is.
  app_.dependencies.Entered(app_.text1(UrpFfPe));
  app_.text1(UrpFfPp).setText(kIgnored);
  ShowSummary(true);
  OpenCoordinationWithstandPage();
  app_.mainVars.mUrpTovPe.Keep(app_.control(tov::kUrpTovPeBox).text(), {tov::kUrpTovPeBox});
  app_.mainVars.mUrpTovPp.Keep(app_.control(tov::kUrpTovPpBox).text(), {tov::kUrpTovPpBox});
  // With no fast-front Urp the deterministic method of the co-ordination
  // fast-front tabs has nothing to work on, for the rest of the run.
  for (int option : {44, 84})
    if (platform::Control* deterministic = app_.main().find("Option1", option)) deterministic->setEnabled(false);
}

void FastFrontPage::BackToSlowFrontPage() { frame::OpenPage(app_.control("tabSubGeneral1"), 2); }

void FastFrontPage::OpenCoordinationWithstandPage() {
  frame::OpenPage(app_.control("tabGeneral"), 1);
  frame::OpenPage(app_.control("SSTab1", 3), 0);
}

void FastFrontPage::EnableFastFrontNext() {
  app_.control("Command21", 18).setEnabled(frame::AllFilled(app_, {Box(UrpFfPe), Box(UrpFfPp)}));
}

void FastFrontPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command25Click, 2, [this] { OpenFastFrontFormulas(); });
  routes.on(Command25Click, 3, [this] { EnterFastFrontUrp(); });
  routes.on(Command25Click, 4, [this] { SkipFastFront(); });
  routes.on(Command21Click, 17, [this] { BackToSlowFrontPage(); });
  routes.on(Command21Click, 18, [this] { OpenCoordinationWithstandPage(); });
  routes.on(Text1Change, UrpFfPe, [this] { EnableFastFrontNext(); });  // EnableFastFrontNextPe
  routes.on(Text1Change, UrpFfPp, [this] { EnableFastFrontNext(); });  // EnableFastFrontNextPp
}

}  // namespace surge
