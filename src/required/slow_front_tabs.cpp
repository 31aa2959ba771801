#include "coordination/slots.hpp"
#include "required/slow_front_tabs.hpp"

#include "frame/app.hpp"
#include "frame/help_text.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "required/accepted_dependencies.hpp"
#include "required/urw_formulas.hpp"
#include "required/summary_page.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

using frame::ControlRef;

constexpr ControlRef kKaFormula[] = {{"Label41", 225}, {"Label41", 226}, {"Label41", 227},
                                     {"Label41", 228}, {"Label41", 229}, {"Line2", 9}};
constexpr ControlRef kAltitudeGroup[] = {{"Text1", AltitudeSf}, {"Text1", ExponentMSfPe}, {"Text1", ExponentMSfPp}};
constexpr ControlRef kAltitudeInputs[] = {{"Label33", 73},         {"Label33", 72},           {"Label33", 71},
                                          {"Text1", AltitudeSf}, {"Text1", ExponentMSfPe}, {"Text1", ExponentMSfPp}};
constexpr ControlRef kAltitudeOk{"Command28", 19};
constexpr int kEnterM = 52, kCalculatedM = 53;

constexpr RwKaTabRoles kRoles{RwSlowFrontStrip, 14,  coordination::UcwSfPeInt, coordination::UcwSfPpInt, coordination::UcwSfPeExt, coordination::UcwSfPpExt, UrwSfPeIntCalc,
                              UrwSfPpIntCalc,   UrwSfPeExtCalc, UrwSfPpExtCalc, 55, 54, KaSfEntered, 18, 4,
                              9,                8,   kKaFormula};

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

RwSlowFrontTabs::RwSlowFrontTabs(frame::App& app, RwPageFlow& flow) : RwKaTabs(app, flow, kRoles) {}

std::span<const frame::Dependency> RwSlowFrontTabs::Dependencies() { return kDependencies; }

void RwSlowFrontTabs::Build(platform::Window& w) { w.createAll(Design()); }

void RwSlowFrontTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  RwKaTabs::DeclareRoutes(routes);
  routes.on(Option1Click, 54, [this] { SelectKaCalculationUrwSlowFront(); });
  routes.on(Option1Click, kEnterM, [this] { SelectExponentMEntryUrwSlowFront(); });
  routes.on(Option1Click, kCalculatedM, [this] { CalculateExponentMFromFig9(); });
  for (int slot : {AltitudeSf, ExponentMSfPe, ExponentMSfPp})
    routes.on(Text1Change, slot, [this, slot] { ValidateAltitudeInput(slot); });
  routes.on(Command28Click, 19, [this] { CalculateUrwSlowFrontExtWithAltitudeKa(); });
  routes.on(Label33MouseMove, 73, [this] { ShowAltitudeHelpUrwSlowFront(); });
}

void RwSlowFrontTabs::SelectKaCalculationUrwSlowFront() {
  app_.control("Frame30", roles_.altitudeFrame).setVisible(true);
  frame::Clear(app_, kAltitudeGroup);
  app_.control("Frame28", roles_.kaFrame).setVisible(false);
  frame::DeselectOptions(app_, kEnterM, kCalculatedM);
  ClearExternal();
  frame::SetVisible(app_, kAltitudeInputs, false);
  frame::SetVisible(app_, kKaFormula, true);
}

void RwSlowFrontTabs::ShowExponents(const char* peCaption, const char* ppCaption, bool locked) {
  app_.control("Label33", 72).setCaption(peCaption);
  app_.control("Label33", 71).setCaption(ppCaption);
  frame::SetVisible(app_, kAltitudeInputs, true);
  app_.text1(ExponentMSfPe).setLocked(locked);
  app_.text1(ExponentMSfPp).setLocked(locked);
}

void RwSlowFrontTabs::SelectExponentMEntryUrwSlowFront() {
  ShowExponents("Enter m (p-e) value", "Enter m (p-p) value", false);
  frame::Clear(app_, kAltitudeGroup);
  ClearExternal();
}

void RwSlowFrontTabs::CalculateExponentMFromFig9() {
  ShowExponents("m value (p-e)", "m value (p-p)", true);
  app_.text1(AltitudeSf).setText("");
  ClearExternal();
  const std::optional<double> pe = frame::NumberAsTyped(app_.text1(coordination::UcwSfPeExt));
  const std::optional<double> pp = frame::NumberAsTyped(app_.text1(coordination::UcwSfPpExt));
  if (!pe || !pp ||
      !frame::WriteAll(app_, {{&app_.text1(ExponentMSfPe), ExponentMPhaseToEarth(*pe)},
                              {&app_.text1(ExponentMSfPp), ExponentMPhaseToPhase(*pp)}})) {
    frame::Clear(app_, {{"Text1", ExponentMSfPe}, {"Text1", ExponentMSfPp}});
    app_.InvalidValueGroup();
  }
}

void RwSlowFrontTabs::ValidateAltitudeInput(int slot) {
  frame::RunFilledRule(app_, {{"Text1", slot}, kAltitudeGroup, kAltitudeOk});
}

bool RwSlowFrontTabs::ExponentAtMost1(int slot, double m) {
  if (m <= 1) return true;
  app_.platform.messageBox("Value cannot be higher than 1", frame::PaddedTitle("Invalid value", 34));
  app_.text1(slot).setText("");
  return false;
}

void RwSlowFrontTabs::CalculateUrwSlowFrontExtWithAltitudeKa() {
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

void RwSlowFrontTabs::ShowAltitudeHelpUrwSlowFront() { frame::ShowHelpText(app_, kAltitudeHelp); }

}  // namespace required
