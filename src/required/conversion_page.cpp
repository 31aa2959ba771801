#include "required/conversion_page.hpp"

#include "frame/app.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

constexpr int kFastFrontPage = 2;
constexpr int kSiwStrip = 10, kSdwLiwStrip = 11;
constexpr int kNone = platform::kNoIndex;

constexpr SummaryCopy kSiwCopies[] = {
    {SiwPeInt, SiwPeIntCalc},
    {SiwPpInt, SiwPpIntCalc},
    {SiwPeExt, SiwPeExtCalc},
    {SiwPpExt, SiwPpExtCalc},
};
constexpr SummaryCopy kSdwCopies[] = {
    {SdwPeInt, SdwPeIntCalc},
    {SdwPpInt, SdwPpIntCalc},
    {SdwPeExt, SdwPeExtCalc},
    {SdwPpExt, SdwPpExtCalc},
};
constexpr SummaryCopy kLiwCopies[] = {
    {LiwPeInt, LiwPeIntCalc},
    {LiwPpInt, LiwPpIntCalc},
    {LiwPeExt, LiwPeExtCalc},
    {LiwPpExt, LiwPpExtCalc},
};
constexpr SummaryGroup kSiwSummary[] = {{163, 172, kSiwCopies}};
constexpr SummaryGroup kSdwLiwSummaries[] = {{173, 182, kSdwCopies}, {183, 192, kLiwCopies}};
constexpr StripAccept kSiwAccept{kSiwStrip, kSiwSummary, kNone, 18, "RE-CALCULATE"};
constexpr StripAccept kSdwLiwAccept{kSdwLiwStrip, kSdwLiwSummaries, kNone, 18, "RE-CALCULATE"};

constexpr Question kSiwQuestions[] = {
    {"Enter internal SIW(p-e) value", SiwPeInt, true, kNone, ""},
    {"Enter internal SIW(p-p) value", SiwPpInt, false, kNone, ""},
    {"Enter external SIW(p-e) value", SiwPeExt, true, kNone, ""},
    {"Enter external SIW(p-p) value", SiwPpExt, false, kNone, ""},
};
constexpr Question kSdwQuestions[] = {
    {"Enter internal SDW(p-e) value", SdwPeInt, true, kNone, ""},
    {"Enter internal SDW(p-p) value", SdwPpInt, false, kNone, ""},
    {"Enter external SDW(p-e) value", SdwPeExt, true, kNone, ""},
    {"Enter external SDW(p-p) value", SdwPpExt, false, kNone, ""},
};
constexpr Question kLiwQuestions[] = {
    {"Enter internal LIW(p-e) value", LiwPeInt, true, kNone, ""},
    {"Enter internal LIW(p-p) value", LiwPpInt, false, kNone, ""},
    {"Enter external LIW(p-e) value", LiwPeExt, true, kNone, ""},
    {"Enter external LIW(p-p) value", LiwPpExt, false, kNone, ""},
};

// "Next >>" has a rule for each range, run only by the boxes of its range.
constexpr int kSiwSummaryBoxes[] = {SiwPpInt, SiwPeInt, SiwPpExt, SiwPeExt};
constexpr int kSdwLiwSummaryBoxes[] = {SdwPpInt, SdwPeInt, SdwPpExt, SdwPeExt, LiwPpInt, LiwPeInt, LiwPpExt, LiwPeExt};
// The internal tab's "Next >>" waits for its results. The SDW and LIW ones
// wait for the LIW results and for the SDW ones converted beside them; each
// accept for the internal results too: a result cleared since is never
// accepted empty.
constexpr int kSiwInternal[] = {SiwPeIntCalc, SiwPpIntCalc};
constexpr int kSiwResults[] = {SiwPpExtCalc, SiwPeExtCalc, SiwPeIntCalc, SiwPpIntCalc};
constexpr int kSdwLiwInternal[] = {LiwPpIntCalc, LiwPeIntCalc, SdwPeIntCalc, SdwPpIntCalc};
constexpr int kSdwLiwResults[] = {LiwPeExtCalc, LiwPpExtCalc, SdwPeExtCalc, SdwPpExtCalc,
                                  LiwPpIntCalc, LiwPeIntCalc, SdwPeIntCalc, SdwPpIntCalc};
constexpr NextRule kNextRules[] = {
    {"Command21", 31, kSiwSummaryBoxes}, {"Command21", 31, kSdwLiwSummaryBoxes},
    {"Command29", 30, kSiwInternal},     {"Command29", 32, kSiwResults},
    {"Command29", 34, kSdwLiwInternal},  {"Command29", 36, kSdwLiwResults},
};

// Only the summaries of the range are ever filled; each follows its own result.
constexpr auto kAccepted =
    AcceptedDependencies<12>({{kSiwSummary, frame::Range::II}, {kSdwLiwSummaries, frame::Range::I}}, 31);

}  // namespace

std::span<const frame::Dependency> ConversionPage::Dependencies() const { return kAccepted; }

void ConversionPage::Build(platform::Window& w) { w.createAll(Design()); }

void ConversionPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  // "Next >>" opens the next stage, which routes it.
  routes.on(Command21Click, 32, [this] { OpenPage(kFastFrontPage); });  // BackToUrwFastFrontPage
  routes.on(Command25Click, 17, [this] { EnterConvertedUrw(); });
  routes.on(Command25Click, 18, [this] { OpenConversionTabs(); });
  routes.on(Command29Click, 31, [this] { CloseStrip(app_, kSiwStrip); });            // CloseSiwTabs
  routes.on(Command29Click, 30, [this] { OpenExternalTab(app_, kSiwStrip); });       // OpenSiwExtTab
  routes.on(Command29Click, 33, [this] { BackToInternalTab(app_, kSiwStrip); });     // BackToSiwIntTab
  routes.on(Command29Click, 32, [this] { Accept(kSiwAccept); });                     // AcceptSiwConversion
  routes.on(Command29Click, 35, [this] { CloseStrip(app_, kSdwLiwStrip); });         // CloseSdwLiwTabs
  routes.on(Command29Click, 34, [this] { OpenExternalTab(app_, kSdwLiwStrip); });    // OpenSdwLiwExtTab
  routes.on(Command29Click, 37, [this] { BackToInternalTab(app_, kSdwLiwStrip); });  // BackToSdwLiwIntTab
  routes.on(Command29Click, 36, [this] { Accept(kSdwLiwAccept); });                  // AcceptSdwLiwConversion
  // EnableConversionNextSiw, EnableConversionNextSdwLiw, EnableSiwIntNext and the like.
  DeclareNextRules(routes, kNextRules);
}

void ConversionPage::OpenConversionTabs() { OpenStrip(app_, app_.IsRange1() ? kSdwLiwStrip : kSiwStrip); }

void ConversionPage::EnterConvertedUrw() {
  if (!app_.IsRange1()) {
    Enter({kSiwQuestions, kSiwSummary[0], kNone, "Invalid SIW"}, 17);
    return;
  }
  Enter({kSdwQuestions, kSdwLiwSummaries[0], kNone, "Invalid SDW"}, 17);
  Enter({kLiwQuestions, kSdwLiwSummaries[1], kNone, "Invalid LIW"}, 17);
}

}  // namespace required
