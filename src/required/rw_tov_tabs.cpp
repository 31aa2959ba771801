#include "required/rw_tov_tabs.hpp"

#include <optional>

#include "frame/app.hpp"
#include "frame/help_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "platform/numbers.hpp"
#include "platform/window.hpp"
#include "required/rw_formulas.hpp"
#include "required/rw_page_flow.hpp"
#include "required/rw_slots.hpp"

namespace required {

namespace {

using frame::ControlRef;

constexpr ControlRef kKaFormula[] = {{"Label41", 220}, {"Label41", 221}, {"Label41", 222},
                                     {"Label41", 223}, {"Label41", 224}, {"Line2", 8}};
constexpr ControlRef kAltitudeInputs[] = {{"Label33", 68}, {"Label33", 69}, {"Label33", 67},
                                          {"Text1", AltitudeTov}, {"Text1", ExponentMTov}};
constexpr ControlRef kKaEntry{"Frame28", 3}, kAltitudeFrame{"Frame30", 6}, kResultsFrame{"Frame30", 7};
constexpr ControlRef kAltitudeOk{"Command28", 16}, kKaOk{"Command28", 17};
constexpr ControlRef kAltitudeGroup[] = {{"Text1", AltitudeTov}, {"Text1", ExponentMTov}};
constexpr ControlRef kKaGroup[] = {{"Text1", KaTovEntered}};

constexpr frame::HelpText kAltitudeHelp{{"Label33", 68}, {"Label85", 5}, {"Label33", 68},
                                        "Altitude above sea level", 0, frame::kKeepHeight};

platform::Control& Get(frame::App& app, const ControlRef& r) { return app.control(r.name, r.index); }

}  // namespace

void RwTovTabs::Build(platform::Window& w) {
  w.createAll(Design());
  internalFrom_.reset();
  externalFrom_.reset();
}

void RwTovTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command25Click, 11, [this] { CalculateUrwTovInt(); });
  routes.on(Option1Click, 48, [this] { SelectKaEntryUrwTov(); });
  routes.on(Option1Click, 49, [this] { SelectKaCalculationUrwTov(); });
  routes.on(Text1Change, KaTovEntered, [this] { ValidateKaUrwTov(); });
  routes.on(Text1Change, AltitudeTov, [this] { ValidateAltitudeUrwTov(); });
  routes.on(Text1Change, ExponentMTov, [this] { ValidateExponentMUrwTov(); });
  routes.on(Command28Click, 17, [this] { CalculateUrwTovExtWithEnteredKa(); });
  routes.on(Command28Click, 16, [this] { CalculateUrwTovExtWithAltitudeKa(); });
  routes.on(Label33MouseMove, 68, [this] { ShowAltitudeHelpUrwTov(); });
}

RwTovTabs::Ucw RwTovTabs::CurrentUcw() const { return {app_.text1(UcwTovPe).text(), app_.text1(UcwTovPp).text()}; }

bool RwTovTabs::ReadUcw(double& pe, double& pp) const {
  const std::optional<double> e = frame::NumberAsTyped(app_.text1(UcwTovPe));
  const std::optional<double> p = frame::NumberAsTyped(app_.text1(UcwTovPp));
  if (!e || !p) return false;
  pe = *e;
  pp = *p;
  return true;
}

void RwTovTabs::ClearInternal() {
  internalFrom_.reset();
  frame::Clear(app_, {{"Text1", UrwTovPeIntCalc}, {"Text1", UrwTovPpIntCalc}});
}

void RwTovTabs::ClearExternal() {
  externalFrom_.reset();
  Get(app_, kResultsFrame).setVisible(false);
  frame::Clear(app_, {{"Text1", UrwTovPeExtCalc}, {"Text1", UrwTovPpExtCalc}});
}

void RwTovTabs::CalculateUrwTovInt() {
  flow_.OpenStrip(RwTovStrip());
  WithdrawIfStale();
  double pe = 0, pp = 0;
  const bool read = ReadUcw(pe, pp);
  const double urwPe = UrwInternal(pe), urwPp = UrwInternal(pp);
  if (!read || urwPe <= 0 || urwPp <= 0 ||
      !frame::WriteAll(app_, {{&app_.text1(UrwTovPeIntCalc), urwPe}, {&app_.text1(UrwTovPpIntCalc), urwPp}})) {
    ClearInternal();
    app_.InvalidValueGroup();
    return;
  }
  internalFrom_ = CurrentUcw();
}

void RwTovTabs::SelectKaEntryUrwTov() {
  Get(app_, kKaEntry).setVisible(true);
  app_.text1(KaTovEntered).setText("");
  Get(app_, kAltitudeFrame).setVisible(false);
  ClearExternal();
  frame::SetVisible(app_, kKaFormula, false);
}

void RwTovTabs::SelectKaCalculationUrwTov() {
  Get(app_, kAltitudeFrame).setVisible(true);
  frame::Clear(app_, kAltitudeGroup);
  Get(app_, kKaEntry).setVisible(false);
  ClearExternal();
  frame::SetVisible(app_, kAltitudeInputs, true);
  frame::SetVisible(app_, kKaFormula, true);
}

// A changed input leaves no result of the inputs before it standing.
void RwTovTabs::ValidateKaUrwTov() {
  if (externalFrom_) ClearExternal();
  frame::RunFilledRule(app_, {{"Text1", KaTovEntered}, kKaGroup, kKaOk});
}

void RwTovTabs::ValidateAltitudeUrwTov() {
  if (externalFrom_) ClearExternal();
  frame::RunFilledRule(app_, {{"Text1", AltitudeTov}, kAltitudeGroup, kAltitudeOk});
}

void RwTovTabs::ValidateExponentMUrwTov() {
  if (externalFrom_) ClearExternal();
  platform::Control& m = app_.text1(ExponentMTov);
  // A refused text is emptied, and an empty box never reaches the test of m.
  if (frame::RefuseUnlessNumber(app_, m)) {
    const std::optional<double> value = frame::NumberAsTyped(m);
    if (value && *value > 1) {
      app_.platform.messageBox("Value cannot be higher than 1", frame::PaddedTitle("Invalid value", 34));
      m.setText("");
    }
  }
  frame::RunFilledRule(app_, {{"Text1", ExponentMTov}, kAltitudeGroup, kAltitudeOk, {}, false});
}

void RwTovTabs::WriteExternal(double pe, double pp) {
  // No zero or negative withstand is shown, nor one the boxes cannot hold.
  if (pe <= 0 || pp <= 0 ||
      !frame::WriteAll(app_, {{&app_.text1(UrwTovPeExtCalc), pe}, {&app_.text1(UrwTovPpExtCalc), pp}})) {
    ClearExternal();
    app_.InvalidValueGroup();
    return;
  }
  externalFrom_ = CurrentUcw();
  Get(app_, kResultsFrame).setVisible(true);
}

void RwTovTabs::CalculateUrwTovExtWithEnteredKa() {
  platform::Control& kaBox = app_.text1(KaTovEntered);
  const std::optional<double> ka = app_.ReadNumber(kaBox);
  double pe = 0, pp = 0;
  if (!ka) {
    app_.InvalidValueGroup();
    kaBox.setText("");
    ClearExternal();
    return;
  }
  if (!ReadUcw(pe, pp)) {
    ClearExternal();
    app_.InvalidValueGroup();
    return;
  }
  WriteExternal(UrwExternalWithEnteredKa(pe, *ka), UrwExternalWithEnteredKa(pp, *ka));
}

void RwTovTabs::CalculateUrwTovExtWithAltitudeKa() {
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
  if (!h || !m || !ReadUcw(pe, pp)) {
    ClearExternal();
    app_.InvalidValueGroup();
    return;
  }
  const double ka = KaFromAltitude(*m, *h);
  WriteExternal(UrwExternalWithAltitudeKa(pe, ka), UrwExternalWithAltitudeKa(pp, ka));
}

void RwTovTabs::ShowAltitudeHelpUrwTov() { frame::ShowHelpText(app_, kAltitudeHelp); }

void RwTovTabs::WithdrawIfStale() {
  const Ucw now = CurrentUcw();
  if (internalFrom_ && *internalFrom_ != now) ClearInternal();
  if (externalFrom_ && *externalFrom_ != now) ClearExternal();
}

}  // namespace required
