#include "surge/slow_front_range_tabs.hpp"

#include <array>

#include "frame/app.hpp"
#include "frame/caption_click.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "platform/numbers.hpp"
#include "surge/slow_front_page.hpp"

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
  for (const SlowFrontRange* r : kRanges) {
    rows[n++] = {r->kvSubscript, r->optionKv};
    rows[n++] = {r->kvCaption, r->optionKv};
    rows[n++] = {r->puSubscript, r->optionPu};
    rows[n++] = {r->puCaption, r->optionPu};
  }
  return rows;
}();

// The Ue2 row of tab 0: caption, subscript, meaning and box.
std::array<ControlRef, 4> Ue2Row(const SlowFrontRange& r) {
  const SlowFrontCaptionRow& u = r.ue2Row;
  return {{{u.captionName, u.caption}, {"Label41", u.subscript}, {u.asideName, u.aside}, Box(r.ue2)}};
}

// The Uet and Urp rows of tab 0 with the rule line between them and Ups.
std::array<ControlRef, 12> PeResults(const SlowFrontRange& r) {
  const SlowFrontCaptionRow& e = r.uetRow;
  const SlowFrontCaptionRow& u = r.urpPeRow;
  return {{{e.captionName, e.caption}, {"Label41", e.subscript}, {e.asideName, e.aside}, Box(r.uet),
           Box(r.urpPe), {u.captionName, u.caption}, {"Label41", u.subscript}, {u.asideName, u.aside},
           {"Label30", r.peRule}, {"Label30", r.peRule + 1}, {"Label30", r.peRule + 2}, {"Label30", r.peRule + 3}}};
}

// Ue2 in the unit chosen and Um give B and x, from which tab 0 calculates
// Uet and tab 1 the fits of the switching case; each Urp is limited by the
// strip's copy of Ups.
constexpr std::array<frame::Dependency, 5> RangeDependencies(const SlowFrontRange& r) {
  const ControlRef ue2 = Box(r.ue2), kv{"Option1", r.optionKv}, pu{"Option1", r.optionPu}, um{"txtUm"};
  const ControlRef reenergization{"Option1", r.optionReenergization}, energization{"Option1", r.optionEnergization};
  return {{
      {Box(r.uet), {{ue2, kv, pu, um}}},
      {Box(r.urpPe), {{ue2, kv, pu, um, Box(r.uet), Box(r.upsPe)}}, {{{"Command21", r.nextPe}}}},
      {Box(r.up2), {{ue2, kv, pu, um, reenergization, energization}}},
      {Box(r.upt), {{ue2, kv, pu, um, reenergization, energization}}},
      {Box(r.urpPp),
       {{ue2, kv, pu, um, reenergization, energization, Box(r.upt), Box(r.upsPp)}},
       {{{"Command21", r.nextPp}}}},
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

constexpr auto kDependencies = [] {
  std::array<frame::Dependency, 10 + std::size(kExternalDependencies)> rows{};
  std::size_t n = 0;
  for (const SlowFrontRange* r : kRanges)
    for (const frame::Dependency& d : RangeDependencies(*r)) rows[n++] = d;
  for (const frame::Dependency& d : kExternalDependencies) rows[n++] = d;
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
  for (const SlowFrontRange* range : kRanges) {
    const SlowFrontRange& r = *range;
    routes.on(Option1Click, r.optionKv, [this, &r] { ShowUe2Entry(r); });
    routes.on(Option1Click, r.optionPu, [this, &r] { ShowUe2Entry(r); });
    routes.on(Text1Change, r.ue2, [this, &r] { ValidateUe2(r); });
    routes.on(Command21Click, r.ok, [this, &r] { CalculateUet(r); });
    routes.on(Text1Change, r.urpPe, [this, &r] { EnablePeNext(r); });
    routes.on(Command21Click, r.backPe, [this, &r] { CloseTabs(r); });
    routes.on(Command21Click, r.nextPe, [this, &r] { OpenPp(r); });
    routes.on(Option1Click, r.optionReenergization, [this, &r] { CalculateUp2(r, SwitchingCase::Reenergization); });
    routes.on(Option1Click, r.optionEnergization, [this, &r] { CalculateUp2(r, SwitchingCase::Energization); });
    routes.on(Text1Change, r.urpPp, [this, &r] { EnablePpNext(r); });
    routes.on(Command21Click, r.backPp, [this, &r] { BackToPe(r); });
    routes.on(Command21Click, r.nextPp, [this, &r] { AcceptSlowFront(r); });
  }
  frame::DeclareCaptionClicks(routes, app_, kCaptionClicks);
  DeclareExternalRoutes(routes);
}

std::optional<double> SlowFrontRangeTabs::Ue2PuValue(const SlowFrontRange& r) {
  const Ue2PerUnit& x = Ue2Pu(r);
  if (const double* number = std::get_if<double>(&x)) return *number;
  if (const std::string* typed = std::get_if<std::string>(&x)) return platform::TextToNumber(*typed);
  return std::nullopt;
}

void SlowFrontRangeTabs::ShowUe2Entry(const SlowFrontRange& r) {
  frame::SetVisible(app_, Ue2Row(r), true);
  frame::SetVisible(app_, PeResults(r), false);
  // The clearing hides the "OK" and disables "Next >>" through the boxes' checks.
  frame::Clear(app_, {Box(r.ue2), Box(r.uet), Box(r.urpPe)});
}

void SlowFrontRangeTabs::ValidateUe2(const SlowFrontRange& r) {
  platform::Control& box = app_.text1(r.ue2);
  if (IsFilled(box) && !frame::IsUsableNumber(box)) {
    app_.InvalidValueGroup();
    box.setText("");
  }
  app_.control("Command21", r.ok).setVisible(IsFilled(box));
}

void SlowFrontRangeTabs::CalculateUet(const SlowFrontRange& r) {
  platform::Control& ue2Box = app_.text1(r.ue2);
  if (IsFilled(ue2Box)) frame::ReplaceDotWithComma(app_.module1, ue2Box);
  frame::SetVisible(app_, PeResults(r), true);
  const double b = fits::PuBase(app_.Um());
  PuBase(r) = b;
  const bool kv = app_.control("Option1", r.optionKv).value();
  if (!kv && !app_.control("Option1", r.optionPu).value()) return;  // no unit: nothing to calculate

  const std::optional<double> ue2 = NumberAsTyped(ue2Box);
  if (!ue2 || *ue2 <= 0) {
    app_.InvalidValueGroup();
    ue2Box.setText("");
    RefusePe(r);
    return;
  }
  Ue2Pu(r) = kv ? Ue2PerUnit{*ue2 / b} : Ue2PerUnit{ue2Box.text()};

  platform::Control& uetBox = app_.text1(r.uet);
  const double uet = fits::Uet(*Ue2PuValue(r), b);
  const std::optional<double> ups = NumberAsTyped(app_.text1(r.upsPe));
  // Urp is Uet as its box shows it, read back, unless Ups is lower.
  const std::optional<std::string> uetText = platform::NumberTextForBox(uet, uetBox.maxLength());
  const std::optional<double> uetShown = uetText ? platform::TextToNumber(*uetText) : std::nullopt;
  const double urp = uetShown && ups ? (uet < *ups ? *uetShown : *ups) : 0.0;
  if (uet <= 0 || urp <= 0 || !frame::WriteAll(app_, {{&uetBox, uet}, {&app_.text1(r.urpPe), urp}})) {
    app_.InvalidValueGroup();
    RefusePe(r);
  }
}

void SlowFrontRangeTabs::RefusePe(const SlowFrontRange& r) {
  frame::Clear(app_, {Box(r.uet), Box(r.urpPe)});
  frame::SetVisible(app_, PeResults(r), false);
  Ue2Pu(r) = {};
}

void SlowFrontRangeTabs::EnablePeNext(const SlowFrontRange& r) {
  app_.control("Command21", r.nextPe).setEnabled(IsFilled(app_.text1(r.urpPe)));
}

void SlowFrontRangeTabs::CloseTabs(const SlowFrontRange& r) {
  app_.control("SSTab1", r.strip).setVisible(false);
  page_.ShowPageButtons();
}

void SlowFrontRangeTabs::OpenPp(const SlowFrontRange& r) {
  platform::Control& urp = app_.text1(r.urpPe);
  if (IsFilled(urp)) frame::ReplaceDotWithComma(app_.module1, urp);
  frame::OpenPage(app_.control("SSTab1", r.strip), 1);
  // Selecting the option runs its click, which shows any refusal; Range II
  // then writes Urp as the number text of Upt's value.
  platform::Control& reenergization = app_.control("Option1", r.optionReenergization);
  reenergization.setValue(true);
  EvaluatePp(r, SwitchingCase::Reenergization, r.external, false);
  reenergization.setValue(false);
  frame::SetVisible(app_, {r.resultFrame}, false);
  if (r.external) frame::SetVisible(app_, {kExternalFrame}, false);
}

void SlowFrontRangeTabs::CalculateUp2(const SlowFrontRange& r, SwitchingCase c) {
  frame::SetVisible(app_, {r.resultFrame}, true);
  if (r.external) {
    frame::SetVisible(app_, {kExternalFrame}, true);
    ResetExternal();
  }
  EvaluatePp(r, c, false, true);
}

bool SlowFrontRangeTabs::EvaluatePp(const SlowFrontRange& r, SwitchingCase c, bool tidyUrp, bool announce) {
  platform::Control& up2Box = app_.text1(r.up2);
  platform::Control& uptBox = app_.text1(r.upt);
  platform::Control& urpBox = app_.text1(r.urpPp);
  const std::optional<double> b = PuBase(r);
  const std::optional<double> x = Ue2PuValue(r);
  const std::optional<double> ups = NumberAsTyped(app_.text1(r.upsPp));

  // Emptied first, so that results written again, even with the same texts,
  // count as calculated for the case now chosen.
  ClearPpResults(r);
  std::optional<std::string> up2Text, uptText, urpText;
  if (b && x && ups) {
    const double ratio = fits::RatioFit(*x, c);
    const double upt = fits::Upt(*x, ratio, *b);
    up2Text = platform::NumberTextForBox(fits::Up2(*x, ratio, *b), up2Box.maxLength());
    uptText = upt > 0 ? platform::NumberTextForBox(upt, uptBox.maxLength()) : std::nullopt;
    // Upt as its box shows it is compared with 2 Ups.
    const std::optional<double> uptShown = uptText ? platform::TextToNumber(*uptText) : std::nullopt;
    if (uptShown && fits::UptIsRepresentative(*uptShown, *ups))
      urpText = tidyUrp ? platform::NumberTextForBox(*uptShown, urpBox.maxLength()) : uptText;
    else if (uptShown && *ups > 0)
      urpText = platform::NumberTextForBox(*ups + *ups, urpBox.maxLength());
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

void SlowFrontRangeTabs::ClearPpResults(const SlowFrontRange& r) {
  frame::Clear(app_, {Box(r.up2), Box(r.upt), Box(r.urpPp)});
}

void SlowFrontRangeTabs::EnablePpNext(const SlowFrontRange& r) {
  bool filled = IsFilled(app_.text1(r.urpPp));
  if (r.external) filled = filled && IsFilled(app_.text1(UrpSfPpExtRange2));
  app_.control("Command21", r.nextPp).setEnabled(filled);
}

void SlowFrontRangeTabs::BackToPe(const SlowFrontRange& r) { frame::OpenPage(app_.control("SSTab1", r.strip), 0); }

void SlowFrontRangeTabs::AcceptSlowFront(const SlowFrontRange& r) {
  const int urpPpExt = r.external ? int{UrpSfPpExtRange2} : r.urpPp;
  mSlowFrontAccepted = "0";
  bool complete = true;
  for (int slot : {r.urpPp, urpPpExt}) {
    platform::Control& box = app_.text1(slot);
    if (IsFilled(box)) frame::ReplaceDotWithComma(app_.module1, box);
    complete = complete && IsFilled(box);
  }
  if (complete) mSlowFrontAccepted = "1";
  if (mSlowFrontAccepted == "1") {
    Publish(UrpSfPeInt, r.urpPe);
    Publish(UrpSfPeExt, r.urpPe);
    Publish(UrpSfPpInt, r.urpPp);
    Publish(UrpSfPpExt, urpPpExt);
  }
  app_.text1(SfAcceptedFlag).setText(mSlowFrontAccepted);
  app_.control("SSTab1", r.strip).setVisible(false);
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
