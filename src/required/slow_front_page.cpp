#include "required/slow_front_page.hpp"

#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

constexpr int kTovPage = 0, kFastFrontPage = 2;
constexpr int kStrip = 8;

constexpr SummaryCopy kCopies[] = {
    {UrwSfPeInt, UrwSfPeIntCalc},
    {UrwSfPpInt, UrwSfPpIntCalc},
    {UrwSfPeExt, UrwSfPeExtCalc},
    {UrwSfPpExt, UrwSfPpExtCalc},
};
constexpr SummaryGroup kSummary[] = {{135, 148, kCopies}};
constexpr StripAccept kAccept{kStrip, kSummary, UrwSfAcceptedFlag, 14, "RE-CALCULATE"};

constexpr auto kQuestions = UrwQuestions(UrwSfPeInt, UrwSfPpInt, UrwSfPeExt, UrwSfPpExt);

// "Next >>" waits for the summary; the accept for the strip's results,
// the internal ones too: one withdrawn since is never accepted empty.
constexpr int kSummaryBoxes[] = {UrwSfPpInt, UrwSfPeInt, UrwSfPpExt, UrwSfPeExt};
constexpr int kResults[] = {UrwSfPeExtCalc, UrwSfPpExtCalc, UrwSfPeIntCalc, UrwSfPpIntCalc};
constexpr NextRule kNextRules[] = {{"Command21", 27, kSummaryBoxes}, {"Command29", 20, kResults}};

constexpr auto kAccepted = AcceptedDependencies<5>({{kSummary}}, 27, UrwSfAcceptedFlag);

}  // namespace

std::span<const frame::Dependency> SlowFrontPage::Dependencies() const { return kAccepted; }

void SlowFrontPage::Build(platform::Window& w) { w.createAll(Design()); }

void SlowFrontPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command21Click, 28, [this] { OpenPage(kTovPage); });        // BackToUrwTovPage
  routes.on(Command21Click, 27, [this] { OpenPage(kFastFrontPage); });  // OpenUrwFastFrontPage
  routes.on(Command25Click, 13, [this] { EnterUrwSlowFront(); });
  routes.on(Command29Click, 25, [this] { CloseStrip(app_, kStrip); });         // CloseUrwSlowFrontTabs
  routes.on(Command29Click, 24, [this] { OpenExternalTab(app_, kStrip); });    // OpenUrwSlowFrontExtTab
  routes.on(Command29Click, 21, [this] { BackToInternalTab(app_, kStrip); });  // BackToUrwSlowFrontIntTab
  routes.on(Command29Click, 20, [this] { Accept(kAccept); });                  // AcceptUrwSlowFront
  // EnableUrwSlowFrontNextOnIntPp and the like, EnableUrwSlowFrontExtNextOnPe and ...OnPp.
  DeclareNextRules(routes, kNextRules);
}

void SlowFrontPage::EnterUrwSlowFront() {
  Enter({kQuestions, kSummary[0], UrwSfAcceptedFlag, "Invalid Urw"}, 13);
}

}  // namespace required
