#include "required/fast_front_tabs.hpp"

#include "coordination/slots.hpp"
#include "frame/app.hpp"
#include "frame/help_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "required/ka_tabs.hpp"
#include "required/slots.hpp"
#include "required/summary_page.hpp"
#include "required/urw_formulas.hpp"
#include "surge/slots.hpp"

namespace required {

namespace {

using frame::Box;
using frame::ControlRef;
using frame::Option;

constexpr int kStrip = 9;

constexpr auto kKaFormula = KaFormulaControls(230, 10);
constexpr ControlRef kKsCaption[] = {{"Label41", 137}, {"Label41", 136}};
constexpr ControlRef kAltitudeInputs[] = {"Label83", {"Label33", 78}, Box(AltitudeFf)};
constexpr ControlRef kCalculateOrIgnore{"Frame36", 4}, kKaChoice{"Frame36", 3};
constexpr ControlRef kKaEntry{"Frame28", 5}, kAltitudeFrame{"Frame30", 13}, kResultFrame{"Frame30", 14};
constexpr ControlRef kKaGroup[] = {Box(KaFfEntered)};
constexpr ControlRef kAltitudeGroup[] = {Box(AltitudeFf)};
constexpr int kCalculateUrw = 61, kIgnoreUrw = 60, kEnterKa = 56, kCalculateKa = 57;
constexpr int kCoordinationIgnore = 46;

// Internal Urw = 1,15 Ucw; external Urw = Ka 1,05 Ucw with Ka typed or from H,
// or "Ignored" where the person or the co-ordination page ignored it. The
// co-ordination choice to ignore is no source of its own: while its Ucw stands
// as it was, so does the "Ignored" taken from it.
constexpr ControlRef kAccept{"Command29", 29};
constexpr frame::Dependency kDependencies[] = {
    {Box(UrwFfIntCalc), {Box(coordination::UcwFfPeInt)}, {kAccept}},
    {Box(UrwFfExtCalc),
     {Box(coordination::UcwFfPeExt), Box(KaFfEntered), Box(AltitudeFf), Option(kEnterKa), Option(kCalculateKa),
      Option(kCalculateUrw), Option(kIgnoreUrw)},
     {kAccept},
     {},
     false,
     surge::kIgnored},
};

constexpr frame::HelpText kAltitudeHelp{"Label83", {"Label85", 7}, "Label83", "Altitude above sea level", 0,
                                        frame::kKeepHeight};

}  // namespace

std::span<const frame::Dependency> FastFrontTabs::Dependencies() const { return kDependencies; }

void FastFrontTabs::Build(platform::Window& w) { w.createAll(Design()); }

void FastFrontTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on("Label83", platform::EventType::MouseMove, [this] { ShowAltitudeHelp(); });
  routes.on(Command25Click, 15, [this] { CalculateUrwFastFrontInt(); });
  routes.on(Command29Click, 27, [this] { OpenUrwFastFrontExtTab(); });
  routes.on(Option1Click, kCalculateUrw, [this] { SelectUrwFastFrontExtCalculation(); });
  routes.on(Option1Click, kIgnoreUrw, [this] { SelectUrwFastFrontExtIgnore(); });
  routes.on(Option1Click, kEnterKa, [this] { SelectKaEntryUrwFastFront(); });
  routes.on(Option1Click, kCalculateKa, [this] { SelectKaCalculationUrwFastFront(); });
  routes.on(Text1Change, KaFfEntered, [this] { ValidateKaUrwFastFront(); });
  routes.on(Text1Change, AltitudeFf, [this] { ValidateAltitudeUrwFastFront(); });
  routes.on(Command28Click, 21, [this] { CalculateUrwFastFrontExtWithEnteredKa(); });
  routes.on(Command28Click, 20, [this] { CalculateUrwFastFrontExtWithAltitudeKa(); });
}

void FastFrontTabs::CalculateUrwFastFrontInt() {
  OpenStrip(app_, kStrip);
  platform::Control& result = app_.text1(UrwFfIntCalc);
  const std::optional<double> ucw = frame::NumberAsTyped(app_.text1(coordination::UcwFfPeInt));
  if (!ucw || UrwInternal(*ucw) <= 0 || !app_.WriteNumber(result, UrwInternal(*ucw))) {
    result.setText("");
    app_.InvalidValueGroup();
  }
}

void FastFrontTabs::OpenUrwFastFrontExtTab() {
  OpenExternalTab(app_, kStrip);
  // Range I offers only the Ka options. Range II asks first whether Urw is
  // calculated, and shows the Ka options while it is.
  const bool range1 = app_.IsRange1();
  frame::Get(app_, kCalculateOrIgnore).setVisible(!range1);
  frame::Get(app_, kKaChoice).setVisible(range1 || app_.control("Option1", kCalculateUrw).value());
  platform::Control& calculate = app_.control("Option1", kCalculateUrw);
  if (!range1 && app_.control("Option1", kCoordinationIgnore).value()) {
    calculate.setEnabled(false);
    app_.Option1_Click(kIgnoreUrw);
    app_.control("Option1", kIgnoreUrw).setValue(true);
  } else {
    calculate.setEnabled(true);
  }
}

void FastFrontTabs::SelectUrwFastFrontExtCalculation() {
  frame::Get(app_, kKaChoice).setVisible(true);
  frame::SetVisible(app_, {kKaEntry, kAltitudeFrame}, false);
  frame::DeselectOptions(app_, kEnterKa, kCalculateKa);
  ClearExternal();
  frame::SetVisible(app_, kKsCaption, false);
  frame::SetVisible(app_, kKaFormula, false);
}

void FastFrontTabs::SelectUrwFastFrontExtIgnore() {
  frame::SetVisible(app_, {kKaChoice, kKaEntry, kAltitudeFrame}, false);
  frame::Get(app_, kResultFrame).setVisible(true);
  app_.text1(UrwFfExtCalc).setText(surge::kIgnored);
  frame::SetVisible(app_, kKsCaption, false);
  frame::SetVisible(app_, kKaFormula, false);
}

void FastFrontTabs::SelectKaEntryUrwFastFront() {
  frame::Get(app_, kKaEntry).setVisible(true);
  app_.text1(KaFfEntered).setText("");
  frame::Get(app_, kAltitudeFrame).setVisible(false);
  ClearExternal();
  frame::SetVisible(app_, kKaFormula, false);
}

void FastFrontTabs::SelectKaCalculationUrwFastFront() {
  frame::Get(app_, kAltitudeFrame).setVisible(true);
  app_.text1(AltitudeFf).setText("");
  frame::Get(app_, kKaEntry).setVisible(false);
  ClearExternal();
  frame::SetVisible(app_, kAltitudeInputs, true);
  frame::SetVisible(app_, kKaFormula, true);
}

void FastFrontTabs::ValidateKaUrwFastFront() {
  frame::RunFilledRule(app_, {Box(KaFfEntered), kKaGroup, {"Command28", 21}});
}

void FastFrontTabs::ValidateAltitudeUrwFastFront() {
  frame::RunFilledRule(app_, {Box(AltitudeFf), kAltitudeGroup, {"Command28", 20}});
}

void FastFrontTabs::ClearExternal() {
  frame::Get(app_, kResultFrame).setVisible(false);
  app_.text1(UrwFfExtCalc).setText("");
}

void FastFrontTabs::RefuseExternal() {
  ClearExternal();
  app_.InvalidValueGroup();
}

std::optional<double> FastFrontTabs::ExternalUcw() const {
  return frame::NumberAsTyped(app_.text1(coordination::UcwFfPeExt));
}

void FastFrontTabs::WriteExternal(double urw) {
  // A Ucw that is a word, a zero or negative withstand and one the box
  // cannot hold are refused alike.
  if (urw <= 0 || !app_.WriteNumber(app_.text1(UrwFfExtCalc), urw)) return RefuseExternal();
  frame::SetVisible(app_, kKsCaption, true);
  frame::Get(app_, kResultFrame).setVisible(true);
}

void FastFrontTabs::CalculateUrwFastFrontExtWithEnteredKa() {
  const std::optional<double> ka = ReadOkInput(app_, app_.text1(KaFfEntered));
  if (!ka) return ClearExternal();
  const std::optional<double> ucw = ExternalUcw();
  if (!ucw) return RefuseExternal();
  WriteExternal(UrwExternalWithEnteredKa(*ucw, *ka));
}

void FastFrontTabs::CalculateUrwFastFrontExtWithAltitudeKa() {
  const std::optional<double> h = ReadOkInput(app_, app_.text1(AltitudeFf));
  if (!h) return ClearExternal();
  const std::optional<double> ucw = ExternalUcw();
  if (!ucw) return RefuseExternal();
  // Lightning impulses: m = 1.
  WriteExternal(UrwExternalWithAltitudeKa(*ucw, KaFromAltitude(1.0, *h)));
}

void FastFrontTabs::ShowAltitudeHelp() { frame::ShowHelpText(app_, kAltitudeHelp); }

}  // namespace required
