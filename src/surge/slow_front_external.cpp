// The external insulation frame (Frame26) of the Range II phase-to-phase tab:
// the clearance D and the height Ht give the truncated phase-to-phase
// overvoltage Uptre, and Urp is the lower of Uptre and 2 Ups.

#include <optional>
#include <string>

#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "platform/numbers.hpp"
#include "surge/slow_front_fits.hpp"
#include "surge/slow_front_range.hpp"
#include "surge/slow_front_range_tabs.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using frame::Box;
using frame::ControlRef;
using frame::IsFilled;
using frame::NumberAsTyped;

constexpr ControlRef kOk{"Command21", 14};

// The rows of Uptre and Urp with their boxes.
constexpr ControlRef kResultRows[] = {
    {"Label41", 35}, {"Label23", 7}, {"Label41", 36},          Box(UptreRange2),
    {"Label41", 37}, {"Label41", 38}, {"Label41", 39},         Box(UrpSfPpExtRange2),
};
// The rule line: Urp is the lower of 2 Ups and Uptre.
constexpr ControlRef kRule[] = {{"Label30", 22}, {"Label30", 23}, {"Label30", 24}, {"Label30", 25}};

}  // namespace

void SlowFrontRangeTabs::DeclareExternalRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Text1Change, UrpSfPpExtRange2, [this] { EnablePpNext(kRange2); });
  routes.onEach(Text1Change, SfClearanceD, SfHeightHt, [this](int slot) { ValidateSlowFrontPpGeometry(slot); });
  routes.on(Command21Click, kOk.index, [this] { CalculateUrpPpExtRange2(); });
}

void SlowFrontRangeTabs::ResetExternal() {
  frame::Get(app_, kOk).setVisible(false);
  frame::SetVisible(app_, kResultRows, false);
  // The checks of D and Ht hide the rule line as the boxes empty; the results
  // calculated from them go with them.
  frame::Clear(app_, {Box(SfClearanceD), Box(SfHeightHt)});
}

void SlowFrontRangeTabs::ShowExternalResults(bool shown) {
  frame::SetVisible(app_, kResultRows, shown);
  frame::SetVisible(app_, kRule, shown);
}

void SlowFrontRangeTabs::RefuseExternal() {
  frame::Clear(app_, {Box(UptreRange2), Box(UrpSfPpExtRange2)});
  ShowExternalResults(false);
}

void SlowFrontRangeTabs::ValidateSlowFrontPpGeometry(int slot) {
  frame::RefuseUnlessNumber(app_, app_.text1(slot));
  const bool both = IsFilled(app_.text1(SfClearanceD)) && IsFilled(app_.text1(SfHeightHt));
  frame::Get(app_, kOk).setVisible(both);
  if (!both) frame::SetVisible(app_, kRule, false);
}

void SlowFrontRangeTabs::CalculateUrpPpExtRange2() {
  platform::Control& dBox = app_.text1(SfClearanceD);
  platform::Control& htBox = app_.text1(SfHeightHt);
  if (IsFilled(htBox)) frame::ReplaceDotWithComma(app_.module1, htBox);
  if (IsFilled(dBox)) frame::ReplaceDotWithComma(app_.module1, dBox);
  const std::optional<double> d = NumberAsTyped(dBox);
  const std::optional<double> ht = NumberAsTyped(htBox);

  // No line has a height of zero or below, nor a clearance below zero: the
  // box is refused as its own check refuses a text that is no number.
  for (const auto& [box, refused] : {std::pair{&htBox, ht && *ht <= 0}, std::pair{&dBox, d && *d < 0}}) {
    if (!refused) continue;
    app_.InvalidValueBox();
    box->setText("");
    RefuseExternal();
    return;
  }

  ShowExternalResults(true);
  platform::Control& uptreBox = app_.text1(UptreRange2);
  platform::Control& urpBox = app_.text1(UrpSfPpExtRange2);
  const std::optional<double> upt = NumberAsTyped(app_.text1(UptRange2));
  const std::optional<double> uet = NumberAsTyped(app_.text1(UetPeRange2));
  const std::optional<double> ups = NumberAsTyped(app_.text1(UpsCopySfPpRange2));

  std::optional<std::string> uptreText, urpText;
  if (d && ht && upt && uet && ups) {
    const double uptre = external_fits::Uptre(*d, *ht, *upt, *uet);
    if (uptre > 0) uptreText = platform::NumberTextForBox(uptre, uptreBox.maxLength());
    // Uptre as its box shows it is limited by 2 Ups, as Upt is.
    urpText = UrpPpText(uptreText, *ups, urpBox.maxLength(), false);
  }
  if (!uptreText || !urpText) {
    app_.InvalidValueGroup();
    RefuseExternal();
    return;
  }
  uptreBox.setText(*uptreText);
  urpBox.setText(*urpText);
}

}  // namespace surge
