#include "required/tov_tabs.hpp"

#include <optional>

#include "frame/app.hpp"
#include "frame/help_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "required/urw_formulas.hpp"

namespace required {

namespace {

using frame::Box;
using frame::ControlRef;
using frame::Option;

constexpr ControlRef kAltitudeInputs[] = {{"Label33", 68}, {"Label33", 69}, {"Label33", 67},
                                          Box(AltitudeTov), Box(ExponentMTov)};
constexpr ControlRef kAltitudeGroup[] = {Box(AltitudeTov), Box(ExponentMTov)};
constexpr ControlRef kAltitudeOk{"Command28", 16};

// Internal Urw = 1,15 Ucw; external Urw = Ka 1,05 Ucw, with Ka typed or from H and m.
constexpr ControlRef kAccept{"Command29", 19};
constexpr frame::Dependency kDependencies[] = {
    {Box(UrwTovPeIntCalc), {Box(coordination::UcwTovPe)}, {kAccept}},
    {Box(UrwTovPpIntCalc), {Box(coordination::UcwTovPp)}, {kAccept}},
    {Box(UrwTovPeExtCalc),
     {Box(coordination::UcwTovPe), Box(KaTovEntered), Box(AltitudeTov), Box(ExponentMTov), Option(48), Option(49)},
     {kAccept}},
    {Box(UrwTovPpExtCalc),
     {Box(coordination::UcwTovPp), Box(KaTovEntered), Box(AltitudeTov), Box(ExponentMTov), Option(48), Option(49)},
     {kAccept}},
};

constexpr frame::HelpText kAltitudeHelp{{"Label33", 68}, {"Label85", 5}, {"Label33", 68},
                                        "Altitude above sea level", 0, frame::kKeepHeight};

}  // namespace

std::span<const frame::Dependency> TovTabs::Dependencies() const { return kDependencies; }

void TovTabs::Build(platform::Window& w) { w.createAll(Design()); }

void TovTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  KaTabs::DeclareRoutes(routes);
  routes.on(Option1Click, 49, [this] { SelectKaCalculationUrwTov(); });
  routes.on(Text1Change, AltitudeTov, [this] { ValidateAltitudeUrwTov(); });
  routes.on(Text1Change, ExponentMTov, [this] { ValidateExponentMUrwTov(); });
  routes.on(Command28Click, 16, [this] { CalculateUrwTovExtWithAltitudeKa(); });
  routes.on(Label33MouseMove, 68, [this] { ShowAltitudeHelpUrwTov(); });
}

void TovTabs::SelectKaCalculationUrwTov() {
  OpenAltitudeFrame(kAltitudeGroup);
  ClearExternal();
  frame::SetVisible(app_, kAltitudeInputs, true);
  frame::SetVisible(app_, kaFormula_, true);
}

void TovTabs::ValidateAltitudeUrwTov() { frame::RunFilledRule(app_, {Box(AltitudeTov), kAltitudeGroup, kAltitudeOk}); }

void TovTabs::ValidateExponentMUrwTov() {
  platform::Control& m = app_.text1(ExponentMTov);
  // A refused text is emptied, and an empty box never reaches the test of m.
  if (frame::RefuseUnlessNumber(app_, m)) {
    const std::optional<double> value = frame::NumberAsTyped(m);
    if (value && *value > 1) {
      app_.platform.messageBox("Value cannot be higher than 1", frame::PaddedTitle("Invalid value", 34));
      m.setText("");
    }
  }
  frame::RunFilledRule(app_, {Box(ExponentMTov), kAltitudeGroup, kAltitudeOk, {}, false});
}

void TovTabs::CalculateUrwTovExtWithAltitudeKa() {
  platform::Control& hBox = app_.text1(AltitudeTov);
  platform::Control& mBox = app_.text1(ExponentMTov);
  if (!frame::IsUsableNumber(hBox) || !frame::IsUsableNumber(mBox)) {
    app_.InvalidValueGroup();
    frame::Clear(app_, kAltitudeGroup);
    ClearExternal();
    return;
  }
  // H is rewritten with its decimal comma; m is read as typed.
  const std::optional<double> h = app_.ReadNumber(hBox);
  const std::optional<double> m = frame::NumberAsTyped(mBox);
  double pe = 0, pp = 0;
  if (!h || !m || !ReadExternalUcw(pe, pp)) return RefuseExternal();
  const double ka = KaFromAltitude(*m, *h);
  WriteExternal(UrwExternalWithAltitudeKa(pe, ka), UrwExternalWithAltitudeKa(pp, ka));
}

void TovTabs::ShowAltitudeHelpUrwTov() { frame::ShowHelpText(app_, kAltitudeHelp); }

}  // namespace required
