#include "required/fast_front_page.hpp"

#include <string>

#include "frame/app.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "required/slots.hpp"
#include "surge/slots.hpp"

namespace required {

namespace {

constexpr int kSlowFrontPage = 1, kConversionPage = 3;
constexpr int kStrip = 9;

constexpr SummaryCopy kCopies[] = {
    {UrwFfPeExt, UrwFfExtCalc, surge::kIgnored},
    {UrwFfPpExt, UrwFfExtCalc, surge::kIgnored},
    {UrwFfPeInt, UrwFfIntCalc},
    {UrwFfPpInt, UrwFfIntCalc},
};
constexpr SummaryGroup kSummary[] = {{149, 162, kCopies}};
constexpr StripAccept kAccept{kStrip, kSummary, UrwFfAcceptedFlag, 15, "RE-CALCULATED"};

// One value per insulation, standing in both its boxes.
constexpr Question kQuestions[] = {
    {"Enter internal Urw value", UrwFfPeInt, false, UrwFfPpInt, "Urw value not changed"},
    {"Enter external Urw value", UrwFfPeExt, false, UrwFfPpExt, "Ur value not changed"},
};

// "Next >>" waits for the summary; the accept for the strip's results,
// the internal one too: one withdrawn since is never accepted empty.
constexpr int kSummaryBoxes[] = {UrwFfPeExt, UrwFfPpExt, UrwFfPeInt, UrwFfPpInt};
constexpr int kResults[] = {UrwFfExtCalc, UrwFfIntCalc};
constexpr NextRule kNextRules[] = {{"Command21", 30, kSummaryBoxes}, {"Command29", 29, kResults}};

constexpr auto kAccepted = AcceptedDependencies<5>({{kSummary}}, 30, UrwFfAcceptedFlag);

// The units of the external lines, which follow their boxes.
constexpr int kPeExtUnit = 152, kPpExtUnit = 150;

}  // namespace

std::span<const frame::Dependency> FastFrontPage::Dependencies() const { return kAccepted; }

void FastFrontPage::Build(platform::Window& w) { w.createAll(Design()); }

void FastFrontPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command21Click, 29, [this] { OpenPage(kSlowFrontPage); });   // BackToUrwSlowFrontPage
  routes.on(Command21Click, 30, [this] { OpenPage(kConversionPage); });  // OpenConversionPage
  routes.on(Command25Click, 16, [this] { EnterUrwFastFront(); });
  routes.on(Command29Click, 26, [this] { CloseStrip(app_, kStrip); });  // CloseUrwFastFrontTabs
  // The strip's tabs lay its external tab out by range as they open it.
  routes.on(Command29Click, 28, [this] { BackToInternalTab(app_, kStrip); });  // BackToUrwFastFrontIntTab
  routes.on(Command29Click, 29, [this] { Accept(kAccept); });                  // AcceptUrwFastFront
  // EnableUrwFastFrontNextOnExtPe and the like, EnableUrwFastFrontExtNext.
  DeclareNextRules(routes, kNextRules);
}

void FastFrontPage::EnterUrwFastFront() {
  Enter({kQuestions, kSummary[0], UrwFfAcceptedFlag, "Invalid Urw"}, 16);
  // "kV" beside an external value only, never beside "Ignored".
  FollowBox(UrwFfPeExt);
  FollowBox(UrwFfPpExt);
}

bool FastFrontPage::IsGiven(int slot) const {
  if (SummaryPage::IsGiven(slot)) return true;
  const bool mayBeIgnored = slot == UrwFfPeExt || slot == UrwFfPpExt || slot == UrwFfExtCalc;
  return mayBeIgnored && !app_.IsRange1() && app_.text1(slot).text() == surge::kIgnored;
}

void FastFrontPage::FollowBox(int slot) {
  if (slot != UrwFfPeExt && slot != UrwFfPpExt) return;
  const std::string& text = app_.text1(slot).text();
  app_.control("Label4", slot == UrwFfPeExt ? kPeExtUnit : kPpExtUnit)
      .setVisible(!text.empty() && text != surge::kIgnored);
}

}  // namespace required
