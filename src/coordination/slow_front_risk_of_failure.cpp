// The statistical "OK" of the two external insulation frames: Kcs from the
// risk of failure R, then Ucw = Kcs × Urp. One routine serves both frames;
// each keeps its own rows and the title length of its own refusal.

#include "coordination/slow_front_tab_groups.hpp"
#include "coordination/slow_front_tabs.hpp"
#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "surge/slots.hpp"

namespace coordination {

struct SlowFrontTabs::RiskFrame {
  int risk, kcs, urp, ucw;
  std::size_t titleLength;
  frame::ControlRefs shown;      // Kcs, Ucw and their captions
  frame::ControlRefs withdrawn;  // hidden when R is refused; the R line and its hint stay
};

namespace {

using namespace tabs;

constexpr int kPeResultTop = 3060;

constexpr ControlRef kPeShown[] = {Label(58), Label(59), Label(60), Label(61),  Label(62),
                                   Label(63), Label(64), Box(KcsPe), Box(UcwSfPeExtCalc)};
constexpr ControlRef kPeWithdrawn[] = {Label(58), Label(59), Label(60),  Label(62),
                                       Label(63), Label(64), Box(KcsPe), Box(UcwSfPeExtCalc)};
constexpr ControlRef kPpShown[] = {Label(76), Label(77), Label(78), Label(79),  Label(80),
                                   Label(81), Label(82), Box(KcsPp), Box(UcwSfPpExtCalc)};
constexpr ControlRef kPpWithdrawn[] = {Label(76), Label(77), Label(78),  Label(79),
                                       Label(81), Label(82), Box(KcsPp), Box(UcwSfPpExtCalc)};

}  // namespace

bool SlowFrontTabs::CalculateKcs(const RiskFrame& riskFrame) {
  platform::Control& risk = app_.text1(riskFrame.risk);
  // R as typed: a dot counts as the decimal comma, so 0.0001 is never refused as zero.
  const std::optional<double> r = frame::NumberAsTyped(risk);
  if (!r) {
    app_.InvalidValueGroup();
  } else if (*r <= 0) {
    app_.platform.messageBox("Risk of failure must be higher than zero",
                             frame::PaddedTitle("Invalid value", riskFrame.titleLength));
  }
  if (!r || *r <= 0) {
    // A refused R leaves no earlier Kcs or Ucw standing for the commit.
    risk.setText("");
    frame::Clear(app_, {Box(riskFrame.kcs), Box(riskFrame.ucw)});
    frame::SetVisible(app_, riskFrame.withdrawn, false);
    return false;
  }
  frame::ReplaceDotWithComma(app_.module1, risk);
  if (factors_.CalculateKcs(Box(riskFrame.risk), Box(riskFrame.kcs), Box(riskFrame.urp), Box(riskFrame.ucw)) !=
      FactorOutcome::Written) {
    frame::SetVisible(app_, riskFrame.withdrawn, false);
    return false;
  }
  frame::SetVisible(app_, riskFrame.shown, true);
  return true;
}

void SlowFrontTabs::CalculateKcsPeExt() {
  if (CalculateKcs({RiskPe, KcsPe, surge::UrpSfPeExt, UcwSfPeExtCalc, 34, kPeShown, kPeWithdrawn}))
    PlaceRow(kPeExtResultRow, kPeExtResultSubscript, kPeResultTop);
}

void SlowFrontTabs::CalculateKcsPpExt() {
  // The phase-to-phase Ucw row stays where it stands.
  CalculateKcs({RiskPp, KcsPp, surge::UrpSfPpExt, UcwSfPpExtCalc, 35, kPpShown, kPpWithdrawn});
}

}  // namespace coordination
