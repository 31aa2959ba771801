// What each "Next >>" of the required-withstand pages waits for: a page's
// "Next >>" its summary, an internal tab's "Next >>" and an accept the
// results of their strip. Every box change of a row runs the row's rule.

#include "required/summary_page.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

constexpr int kTovSummary[] = {UrwTovPeExt, UrwTovPpExt, UrwTovPeInt, UrwTovPpInt};
constexpr int kSlowFrontSummary[] = {UrwSfPpInt, UrwSfPeInt, UrwSfPpExt, UrwSfPeExt};
constexpr int kFastFrontSummary[] = {UrwFfPeExt, UrwFfPpExt, UrwFfPeInt, UrwFfPpInt};
// The conversion page's "Next >>" has a rule for each range, run only by the boxes of its range.
constexpr int kSiwSummary[] = {SiwPpInt, SiwPeInt, SiwPpExt, SiwPeExt};
constexpr int kSdwLiwSummary[] = {SdwPpInt, SdwPeInt, SdwPpExt, SdwPeExt, LiwPpInt, LiwPeInt, LiwPpExt, LiwPeExt};

const RwNextRule kRules[] = {
    {"Command21", 26, kTovSummary},
    {"Command21", 27, kSlowFrontSummary},
    {"Command21", 30, kFastFrontSummary},
    {"Command21", 31, kSiwSummary},
    {"Command21", 31, kSdwLiwSummary},
    {"Command29", RwTovStrip().extNext, RwTovStrip().acceptWatch},
    {"Command29", RwSlowFrontStrip().extNext, RwSlowFrontStrip().acceptWatch},
    {"Command29", RwFastFrontStrip().extNext, RwFastFrontStrip().acceptWatch},
    {"Command29", RwSiwStrip().intNext, RwSiwStrip().intNextWatch},
    {"Command29", RwSiwStrip().extNext, RwSiwStrip().acceptWatch},
    {"Command29", RwSdwLiwStrip().intNext, RwSdwLiwStrip().intNextWatch},
    {"Command29", RwSdwLiwStrip().extNext, RwSdwLiwStrip().acceptWatch},
};

}  // namespace

std::span<const RwNextRule> RwNextRules() { return kRules; }

}  // namespace required
