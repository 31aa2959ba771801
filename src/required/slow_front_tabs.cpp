#include "required/slow_front_tabs.hpp"

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

constexpr ControlRef kAltitudeGroup[] = {Box(AltitudeSf), Box(ExponentMSfPe), Box(ExponentMSfPp)};
constexpr ControlRef kAltitudeInputs[] = {{"Label33", 73},         {"Label33", 72},           {"Label33", 71},
                                          Box(AltitudeSf), Box(ExponentMSfPe), Box(ExponentMSfPp)};
constexpr ControlRef kAltitudeOk{"Command28", 19};
constexpr int kEnterM = 52, kCalculatedM = 53;

// Internal Urw = 1,15 Ucw; external Urw = Ka 1,05 Ucw, with one Ka typed or
// each phase's Ka from H and its exponent, typed or fitted to its external Ucw.
constexpr ControlRef kAccept{"Command29", 20};
constexpr frame::Dependency kDependencies[] = {
    {Box(UrwSfPeIntCalc), {Box(coordination::UcwSfPeInt)}, {kAccept}},
    {Box(UrwSfPpIntCalc), {Box(coordination::UcwSfPpInt)}, {kAccept}},
    {Box(ExponentMSfPe), {Box(coordination::UcwSfPeExt), Option(kCalculatedM)}},
    {Box(ExponentMSfPp), {Box(coordination::UcwSfPpExt), Option(kCalculatedM)}},
    {Box(UrwSfPeExtCalc),
     {Box(coordination::UcwSfPeExt), Box(KaSfEntered), Box(AltitudeSf), Box(ExponentMSfPe), Option(55), Option(54),
      Option(kEnterM), Option(kCalculatedM)},
     {kAccept}},
    {Box(UrwSfPpExtCalc),
     {Box(coordination::UcwSfPpExt), Box(KaSfEntered), Box(AltitudeSf), Box(ExponentMSfPp), Option(55), Option(54),
      Option(kEnterM), Option(kCalculatedM)},
     {kAccept}},
};

constexpr frame::HelpText kAltitudeHelp{{"Label33", 73}, {"Label85", 6}, {"Label33", 73},
                                        "Altitude above sea level", 0, frame::kKeepHeight};

}  // namespace

std::span<const frame::Dependency> SlowFrontTabs::Dependencies() const { return kDependencies; }

void SlowFrontTabs::Build(platform::Window& w) { w.createAll(Design()); }

void SlowFrontTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  KaTabs::DeclareRoutes(routes);
  routes.on(Option1Click, 54, [this] { SelectKaCalculationUrwSlowFront(); });
  routes.on(Option1Click, kEnterM, [this] { SelectExponentMEntryUrwSlowFront(); });
  routes.on(Option1Click, kCalculatedM, [this] { CalculateExponentMFromFig9(); });
  for (int slot : {AltitudeSf, ExponentMSfPe, ExponentMSfPp})
    routes.on(Text1Change, slot, [this, slot] { ValidateAltitudeInput(slot); });
  routes.on(Command28Click, 19, [this] { CalculateUrwSlowFrontExtWithAltitudeKa(); });
  routes.on(Label33MouseMove, 73, [this] { ShowAltitudeHelpUrwSlowFront(); });
}

void SlowFrontTabs::SelectKaCalculationUrwSlowFront() {
  OpenAltitudeFrame(kAltitudeGroup);
  frame::DeselectOptions(app_, kEnterM, kCalculatedM);
  ClearExternal();
  frame::SetVisible(app_, kAltitudeInputs, false);
  frame::SetVisible(app_, kaFormula_, true);
}

void SlowFrontTabs::ShowExponents(const char* peCaption, const char* ppCaption, bool locked) {
  app_.control("Label33", 72).setCaption(peCaption);
  app_.control("Label33", 71).setCaption(ppCaption);
  frame::SetVisible(app_, kAltitudeInputs, true);
  app_.text1(ExponentMSfPe).setLocked(locked);
  app_.text1(ExponentMSfPp).setLocked(locked);
}

void SlowFrontTabs::SelectExponentMEntryUrwSlowFront() {
  ShowExponents("Enter m (p-e) value", "Enter m (p-p) value", false);
  frame::Clear(app_, kAltitudeGroup);
  ClearExternal();
}

void SlowFrontTabs::CalculateExponentMFromFig9() {
  ShowExponents("m value (p-e)", "m value (p-p)", true);
  app_.text1(AltitudeSf).setText("");
  ClearExternal();
  const std::optional<double> pe = frame::NumberAsTyped(app_.text1(coordination::UcwSfPeExt));
  const std::optional<double> pp = frame::NumberAsTyped(app_.text1(coordination::UcwSfPpExt));
  if (!pe || !pp ||
      !frame::WriteAll(app_, {{&app_.text1(ExponentMSfPe), ExponentMPhaseToEarth(*pe)},
                              {&app_.text1(ExponentMSfPp), ExponentMPhaseToPhase(*pp)}})) {
    frame::Clear(app_, {Box(ExponentMSfPe), Box(ExponentMSfPp)});
    app_.InvalidValueGroup();
  }
}

void SlowFrontTabs::ValidateAltitudeInput(int slot) {
  frame::RunFilledRule(app_, {Box(slot), kAltitudeGroup, kAltitudeOk});
}

bool SlowFrontTabs::ExponentAtMost1(int slot, double m) {
  if (m <= 1) return true;
  app_.platform.messageBox("Value cannot be higher than 1", frame::PaddedTitle("Invalid value", 34));
  app_.text1(slot).setText("");
  return false;
}

void SlowFrontTabs::CalculateUrwSlowFrontExtWithAltitudeKa() {
  // Both exponents take their decimal comma before either is tested.
  const std::optional<double> mPe = app_.ReadNumber(app_.text1(ExponentMSfPe));
  const std::optional<double> mPp = app_.ReadNumber(app_.text1(ExponentMSfPp));
  // A typed exponent written back with its decimal comma is still the person's own.
  for (int slot : {ExponentMSfPe, ExponentMSfPp})
    if (!app_.text1(slot).locked()) app_.dependencies.Entered(app_.text1(slot));
  if (!mPe || !mPp) return RefuseExternal();
  if (!ExponentAtMost1(ExponentMSfPe, *mPe) || !ExponentAtMost1(ExponentMSfPp, *mPp)) return;
  const std::optional<double> h = ReadOkInput(app_, app_.text1(AltitudeSf));
  if (!h) return ClearExternal();
  double pe = 0, pp = 0;
  if (!ReadExternalUcw(pe, pp)) return RefuseExternal();
  WriteExternal(UrwExternalWithAltitudeKa(pe, KaFromAltitude(*mPe, *h)),
                UrwExternalWithAltitudeKa(pp, KaFromAltitude(*mPp, *h)));
}

void SlowFrontTabs::ShowAltitudeHelpUrwSlowFront() { frame::ShowHelpText(app_, kAltitudeHelp); }

}  // namespace required
