#include "required/tov_page.hpp"

#include "frame/app.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

constexpr int kCoordinationPages = 1;  // of tabGeneral
constexpr int kSlowFrontPage = 1;
constexpr int kStrip = 7;

constexpr SummaryCopy kCopies[] = {
    {UrwTovPeInt, UrwTovPeIntCalc},
    {UrwTovPpInt, UrwTovPpIntCalc},
    {UrwTovPeExt, UrwTovPeExtCalc},
    {UrwTovPpExt, UrwTovPpExtCalc},
};
constexpr SummaryGroup kSummary[] = {{121, 134, kCopies}};
constexpr StripAccept kAccept{kStrip, kSummary, UrwTovAcceptedFlag, 11, "RE-CALCULATE"};

constexpr auto kQuestions = UrwQuestions(UrwTovPeInt, UrwTovPpInt, UrwTovPeExt, UrwTovPpExt);

// "Next >>" waits for the summary; the accept for the strip's results,
// the internal ones too: one withdrawn since is never accepted empty.
constexpr int kSummaryBoxes[] = {UrwTovPeExt, UrwTovPpExt, UrwTovPeInt, UrwTovPpInt};
constexpr int kResults[] = {UrwTovPpExtCalc, UrwTovPeExtCalc, UrwTovPeIntCalc, UrwTovPpIntCalc};
constexpr NextRule kNextRules[] = {{"Command21", 26, kSummaryBoxes}, {"Command29", 19, kResults}};

constexpr auto kAccepted = AcceptedDependencies<5>({{kSummary}}, 26, UrwTovAcceptedFlag);

}  // namespace

std::span<const frame::Dependency> TovPage::Dependencies() const { return kAccepted; }

void TovPage::Build(platform::Window& w) { w.createAll(Design()); }

void TovPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command21Click, 25, [this] { BackToCwFromUrw(); });
  routes.on(Command21Click, 26, [this] { OpenPage(kSlowFrontPage); });  // OpenUrwSlowFrontPage
  routes.on(Command25Click, 12, [this] { EnterUrwTov(); });
  routes.on(Command29Click, 16, [this] { CloseStrip(app_, kStrip); });         // CloseUrwTovTabs
  routes.on(Command29Click, 17, [this] { OpenExternalTab(app_, kStrip); });    // OpenUrwTovExtTab
  routes.on(Command29Click, 18, [this] { BackToInternalTab(app_, kStrip); });  // BackToUrwTovIntTab
  routes.on(Command29Click, 19, [this] { Accept(kAccept); });                  // AcceptUrwTov
  // EnableUrwTovNextOnExtPe and the like, EnableUrwTovExtNextOnPe and ...OnPp.
  DeclareNextRules(routes, kNextRules);
}

void TovPage::BackToCwFromUrw() { frame::OpenPage(app_.control("tabGeneral"), kCoordinationPages); }

void TovPage::EnterUrwTov() { Enter({kQuestions, kSummary[0], UrwTovAcceptedFlag, "Invalid Urw"}, 12); }

}  // namespace required
