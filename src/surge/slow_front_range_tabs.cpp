#include "surge/slow_front_range_tabs.hpp"

#include <array>

#include "frame/app.hpp"
#include "frame/caption_click.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "platform/numbers.hpp"
#include "surge/slow_front_fits.hpp"
#include "surge/slow_front_page.hpp"
#include "surge/slow_front_range.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using frame::Box;
using frame::ControlRef;
using frame::IsFilled;
using frame::NumberAsTyped;
namespace fits = slow_front_fits;

constexpr const char* kExternalFrame = "Frame26";

constexpr const SlowFrontRange* kRanges[] = {&kRange1, &kRange2};

// The caption labels of the unit options and their subscripts.
constexpr auto kCaptionClicks = [] {
  std::array<frame::CaptionOption, 8> rows{};
  std::size_t n = 0;
  for (const SlowFrontRange* range : kRanges) {
    rows[n++] = {range->kvSubscript, range->optionKv};
    rows[n++] = {range->kvCaption, range->optionKv};
    rows[n++] = {range->puSubscript, range->optionPu};
    rows[n++] = {range->puCaption, range->optionPu};
  }
  return rows;
}();

// The Ue2 row of tab 0: caption, subscript, meaning and box.
std::array<ControlRef, 4> Ue2Row(const SlowFrontRange& range) {
  const SlowFrontCaptionRow& row = range.ue2Row;
  return {{{row.captionName, row.caption}, {"Label41", row.subscript}, {row.asideName, row.aside}, Box(range.ue2)}};
}

// The Uet and Urp rows of tab 0 with the rule line between them and Ups.
std::array<ControlRef, 12> PeResults(const SlowFrontRange& range) {
  const SlowFrontCaptionRow& uet = range.uetRow;
  const SlowFrontCaptionRow& urp = range.urpPeRow;
  const int rule = range.peRule;
  return {{{uet.captionName, uet.caption}, {"Label41", uet.subscript}, {uet.asideName, uet.aside}, Box(range.uet),
           Box(range.urpPe), {urp.captionName, urp.caption}, {"Label41", urp.subscript}, {urp.asideName, urp.aside},
           {"Label30", rule}, {"Label30", rule + 1}, {"Label30", rule + 2}, {"Label30", rule + 3}}};
}

// Ue2 in the unit chosen and Um give B and x, from which tab 0 calculates
// Uet and tab 1 the fits of the switching case; each Urp is limited by the
// strip's copy of Ups.
constexpr std::array<frame::Dependency, 5> RangeDependencies(const SlowFrontRange& range) {
  const ControlRef ue2 = Box(range.ue2), kv{"Option1", range.optionKv}, pu{"Option1", range.optionPu}, um{"txtUm"};
  const ControlRef reenergization{"Option1", range.optionReenergization},
      energization{"Option1", range.optionEnergization};
  return {{
      {Box(range.uet), {{ue2, kv, pu, um}}},
      {Box(range.urpPe), {{ue2, kv, pu, um, Box(range.uet), Box(range.upsPe)}}, {{{"Command21", range.nextPe}}}},
      {Box(range.up2), {{ue2, kv, pu, um, reenergization, energization}}},
      {Box(range.upt), {{ue2, kv, pu, um, reenergization, energization}}},
      {Box(range.urpPp),
       {{ue2, kv, pu, um, reenergization, energization, Box(range.upt), Box(range.upsPp)}},
       {{{"Command21", range.nextPp}}}},
  }};
}

// The external insulation frame: Uptre weighs Upt and Uet by the ratio
// D / Ht; Urp is the lower of Uptre as shown and 2 Ups.
constexpr ControlRef kD = Box(SfClearanceD), kHt = Box(SfHeightHt), kUpt = Box(UptRange2), kUet = Box(UetPeRange2);
constexpr frame::Dependency kExternalDependencies[] = {
    {Box(UptreRange2), {{kD, kHt, kUpt, kUet}}},
    {Box(UrpSfPpExtRange2),
     {{kD, kHt, kUpt, kUet, Box(UptreRange2), Box(UpsCopySfPpRange2)}},
     {{{"Command21", 16}}}},
};

// The flag of the accept stands until the next accept.
constexpr auto kDependencies = [] {
  std::array<frame::Dependency, 10 + std::size(kExternalDependencies) + 1> rows{};
  std::size_t n = 0;
  for (const SlowFrontRange* range : kRanges)
    for (const frame::Dependency& d : RangeDependencies(*range)) rows[n++] = d;
  for (const frame::Dependency& d : kExternalDependencies) rows[n++] = d;
  rows[n++] = frame::Standing(Box(SfAcceptedFlag));
  return rows;
}();

}  // namespace

std::span<const frame::Dependency> SlowFrontRangeTabs::Dependencies() const { return kDependencies; }

void SlowFrontRangeTabs::Build(platform::Window& w) {
  w.createAll(Design());
  mPuBaseRange1.reset();
  mPuBaseRange2.reset();
  mUe2PuRange1 = {};
  mUe2PuRange2 = {};
  mSlowFrontAccepted.clear();
}

void SlowFrontRangeTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  for (const SlowFrontRange* strip : kRanges) {
    const SlowFrontRange& range = *strip;
    routes.on(Option1Click, range.optionKv, [this, &range] { ShowUe2Entry(range); });
    routes.on(Option1Click, range.optionPu, [this, &range] { ShowUe2Entry(range); });
    routes.on(Text1Change, range.ue2, [this, &range] { ValidateUe2(range); });
    routes.on(Command21Click, range.ok, [this, &range] { CalculateUet(range); });
    routes.on(Text1Change, range.urpPe, [this, &range] { EnablePeNext(range); });
    routes.on(Command21Click, range.backPe, [this, &range] { CloseTabs(range); });
    routes.on(Command21Click, range.nextPe, [this, &range] { OpenPp(range); });
    routes.on(Option1Click, range.optionReenergization,
              [this, &range] { CalculateUp2(range, SwitchingCase::Reenergization); });
    routes.on(Option1Click, range.optionEnergization,
              [this, &range] { CalculateUp2(range, SwitchingCase::Energization); });
    routes.on(Text1Change, range.urpPp, [this, &range] { EnablePpNext(range); });
    routes.on(Command21Click, range.backPp, [this, &range] { BackToPe(range); });
    routes.on(Command21Click, range.nextPp, [this, &range] { AcceptSlowFront(range); });
  }
  frame::DeclareCaptionClicks(routes, app_, kCaptionClicks);
  DeclareExternalRoutes(routes);
}

std::optional<double>& SlowFrontRangeTabs::PuBase(const SlowFrontRange& range) {
  return range.strip == 0 ? mPuBaseRange1 : mPuBaseRange2;
}

SlowFrontRangeTabs::Ue2PerUnit& SlowFrontRangeTabs::Ue2Pu(const SlowFrontRange& range) {
  return range.strip == 0 ? mUe2PuRange1 : mUe2PuRange2;
}

std::optional<double> SlowFrontRangeTabs::Ue2PuValue(const SlowFrontRange& range) {
  const Ue2PerUnit& x = Ue2Pu(range);
  if (const double* number = std::get_if<double>(&x)) return *number;
  if (const std::string* typed = std::get_if<std::string>(&x)) return platform::TextToNumber(*typed);
  return std::nullopt;
}

void SlowFrontRangeTabs::ShowUe2Entry(const SlowFrontRange& range) {
  frame::SetVisible(app_, Ue2Row(range), true);
  frame::SetVisible(app_, PeResults(range), false);
  // The clearing hides the "OK" and disables "Next >>" through the boxes' checks.
  frame::Clear(app_, {Box(range.ue2), Box(range.uet), Box(range.urpPe)});
}

void SlowFrontRangeTabs::ValidateUe2(const SlowFrontRange& range) {
  platform::Control& box = app_.text1(range.ue2);
  if (frame::HoldsNoNumberToBe(box)) {
    app_.InvalidValueGroup();
    box.setText("");
  }
  app_.control("Command21", range.ok).setVisible(IsFilled(box));
}

void SlowFrontRangeTabs::CalculateUet(const SlowFrontRange& range) {
  platform::Control& ue2Box = app_.text1(range.ue2);
  if (IsFilled(ue2Box)) frame::ReplaceDotWithComma(app_.module1, ue2Box);
  frame::SetVisible(app_, PeResults(range), true);
  const double puBase = fits::PuBase(app_.Um());
  PuBase(range) = puBase;
  const bool enteredInKv = app_.control("Option1", range.optionKv).value();
  if (!enteredInKv && !app_.control("Option1", range.optionPu).value()) return;  // no unit: nothing to calculate

  const std::optional<double> ue2 = NumberAsTyped(ue2Box);
  if (!ue2 || *ue2 <= 0) {
    app_.InvalidValueGroup();
    ue2Box.setText("");
    RefusePe(range);
    return;
  }
  Ue2Pu(range) = enteredInKv ? Ue2PerUnit{*ue2 / puBase} : Ue2PerUnit{ue2Box.text()};

  platform::Control& uetBox = app_.text1(range.uet);
  const double uet = fits::Uet(*Ue2PuValue(range), puBase);
  const std::optional<double> ups = NumberAsTyped(app_.text1(range.upsPe));
  // Urp is Uet as its box shows it, read back, unless Ups is lower.
  const std::optional<std::string> uetText = platform::NumberTextForBox(uet, uetBox.maxLength());
  const std::optional<double> uetShown = uetText ? platform::TextToNumber(*uetText) : std::nullopt;
  const double urp = uetShown && ups ? fits::UrpPhaseToEarth(uet, *uetShown, *ups) : 0.0;
  if (uet <= 0 || urp <= 0 || !frame::WriteAll(app_, {{&uetBox, uet}, {&app_.text1(range.urpPe), urp}})) {
    app_.InvalidValueGroup();
    RefusePe(range);
  }
}

void SlowFrontRangeTabs::RefusePe(const SlowFrontRange& range) {
  frame::Clear(app_, {Box(range.uet), Box(range.urpPe)});
  frame::SetVisible(app_, PeResults(range), false);
  Ue2Pu(range) = {};
}

void SlowFrontRangeTabs::EnablePeNext(const SlowFrontRange& range) {
  app_.control("Command21", range.nextPe).setEnabled(IsFilled(app_.text1(range.urpPe)));
}

void SlowFrontRangeTabs::CloseTabs(const SlowFrontRange& range) {
  app_.control("SSTab1", range.strip).setVisible(false);
  page_.ShowPageButtons();
}

void SlowFrontRangeTabs::OpenPp(const SlowFrontRange& range) {
  platform::Control& urp = app_.text1(range.urpPe);
  if (IsFilled(urp)) frame::ReplaceDotWithComma(app_.module1, urp);
  frame::OpenPage(app_.control("SSTab1", range.strip), 1);
  // Selecting the option runs its click, which shows any refusal; Range II
  // then writes Urp as the number text of Upt's value.
  platform::Control& reenergization = app_.control("Option1", range.optionReenergization);
  reenergization.setValue(true);
  EvaluatePp(range, SwitchingCase::Reenergization, range.external, false);
  reenergization.setValue(false);
  frame::SetVisible(app_, {range.resultFrame}, false);
  if (range.external) frame::SetVisible(app_, {kExternalFrame}, false);
}

void SlowFrontRangeTabs::CalculateUp2(const SlowFrontRange& range, SwitchingCase switchingCase) {
  frame::SetVisible(app_, {range.resultFrame}, true);
  if (range.external) {
    frame::SetVisible(app_, {kExternalFrame}, true);
    ResetExternal();
  }
  EvaluatePp(range, switchingCase, false, true);
}

bool SlowFrontRangeTabs::EvaluatePp(const SlowFrontRange& range, SwitchingCase switchingCase, bool tidyUrp,
                                    bool announce) {
  platform::Control& up2Box = app_.text1(range.up2);
  platform::Control& uptBox = app_.text1(range.upt);
  platform::Control& urpBox = app_.text1(range.urpPp);
  const std::optional<double> b = PuBase(range);
  const std::optional<double> x = Ue2PuValue(range);
  const std::optional<double> ups = NumberAsTyped(app_.text1(range.upsPp));

  // Emptied first, so that results written again, even with the same texts,
  // count as calculated for the case now chosen.
  ClearPpResults(range);
  std::optional<std::string> up2Text, uptText, urpText;
  if (b && x && ups) {
    const double ratio = fits::RatioFit(*x, switchingCase);
    const double upt = fits::Upt(*x, ratio, *b);
    up2Text = platform::NumberTextForBox(fits::Up2(*x, ratio, *b), up2Box.maxLength());
    uptText = upt > 0 ? platform::NumberTextForBox(upt, uptBox.maxLength()) : std::nullopt;
    urpText = UrpPpText(uptText, *ups, urpBox.maxLength(), tidyUrp);
  }
  if (!up2Text || !uptText || !urpText) {
    if (announce) app_.InvalidValueGroup();
    return false;
  }
  up2Box.setText(*up2Text);
  uptBox.setText(*uptText);
  urpBox.setText(*urpText);
  return true;
}

std::optional<std::string> SlowFrontRangeTabs::UrpPpText(const std::optional<std::string>& uptText, double ups,
                                                          int maxLength, bool tidy) {
  const std::optional<double> shown = uptText ? platform::TextToNumber(*uptText) : std::nullopt;
  if (!shown) return std::nullopt;
  const double urp = fits::UrpPhaseToPhase(*shown, ups);
  if (fits::UptIsRepresentative(*shown, ups)) return tidy ? platform::NumberTextForBox(urp, maxLength) : uptText;
  return urp > 0 ? platform::NumberTextForBox(urp, maxLength) : std::nullopt;
}

void SlowFrontRangeTabs::ClearPpResults(const SlowFrontRange& range) {
  frame::Clear(app_, {Box(range.up2), Box(range.upt), Box(range.urpPp)});
}

void SlowFrontRangeTabs::EnablePpNext(const SlowFrontRange& range) {
  bool filled = IsFilled(app_.text1(range.urpPp));
  if (range.external) filled = filled && IsFilled(app_.text1(UrpSfPpExtRange2));
  app_.control("Command21", range.nextPp).setEnabled(filled);
}

void SlowFrontRangeTabs::BackToPe(const SlowFrontRange& range) {
  frame::OpenPage(app_.control("SSTab1", range.strip), 0);
}

void SlowFrontRangeTabs::AcceptSlowFront(const SlowFrontRange& range) {
  const int urpPpExt = range.external ? int{UrpSfPpExtRange2} : range.urpPp;
  mSlowFrontAccepted = "0";
  bool complete = true;
  for (int slot : {range.urpPp, urpPpExt}) {
    platform::Control& box = app_.text1(slot);
    if (IsFilled(box)) frame::ReplaceDotWithComma(app_.module1, box);
    complete = complete && IsFilled(box);
  }
  if (complete) mSlowFrontAccepted = "1";
  if (mSlowFrontAccepted == "1") {
    Publish(UrpSfPeInt, range.urpPe);
    Publish(UrpSfPeExt, range.urpPe);
    Publish(UrpSfPpInt, range.urpPp);
    Publish(UrpSfPpExt, urpPpExt);
  }
  app_.text1(SfAcceptedFlag).setText(mSlowFrontAccepted);
  app_.control("SSTab1", range.strip).setVisible(false);
  page_.ShowCalculatedSummary();
}

void SlowFrontRangeTabs::Publish(int summary, int source) {
  const platform::Control& from = app_.text1(source);
  const std::optional<double> offered = NumberAsTyped(from);
  if (!offered) return;
  platform::Control& box = app_.text1(summary);
  const std::optional<double> standing = NumberAsTyped(box);
  if (!IsFilled(box) || !standing || *offered > *standing) box.setText(from.text());
}

}  // namespace surge
