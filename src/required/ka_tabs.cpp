#include "required/ka_tabs.hpp"

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "required/summary_page.hpp"
#include "required/urw_formulas.hpp"

namespace required {

std::optional<double> ReadOkInput(frame::App& app, platform::Control& box) {
  const std::optional<double> value = app.ReadNumber(box);
  if (!value) {
    app.InvalidValueGroup();
    box.setText("");
  }
  return value;
}

void KaTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command25Click, roles_.calculate, [this] { CalculateInternal(); });
  routes.on(Option1Click, roles_.enterKa, [this] { SelectKaEntry(); });
  routes.on(Text1Change, roles_.kaBox, [this] { ValidateKa(); });
  routes.on(Command28Click, roles_.kaOk, [this] { CalculateExternalWithEnteredKa(); });
}

void KaTabs::ClearExternal() {
  app_.control("Frame30", roles_.resultsFrame).setVisible(false);
  frame::Clear(app_, {frame::Box(roles_.extPe), frame::Box(roles_.extPp)});
}

void KaTabs::OpenAltitudeFrame(frame::ControlRefs inputs) {
  app_.control("Frame30", roles_.altitudeFrame).setVisible(true);
  frame::Clear(app_, inputs);
  app_.control("Frame28", roles_.kaFrame).setVisible(false);
}

void KaTabs::CalculateInternal() {
  OpenStrip(app_, roles_.strip);
  const std::optional<double> pe = frame::NumberAsTyped(app_.text1(roles_.ucwIntPe));
  const std::optional<double> pp = frame::NumberAsTyped(app_.text1(roles_.ucwIntPp));
  // No zero or negative withstand is shown, nor one the boxes cannot hold.
  if (!pe || !pp || UrwInternal(*pe) <= 0 || UrwInternal(*pp) <= 0 ||
      !frame::WriteAll(app_, {{&app_.text1(roles_.intPe), UrwInternal(*pe)},
                              {&app_.text1(roles_.intPp), UrwInternal(*pp)}})) {
    frame::Clear(app_, {frame::Box(roles_.intPe), frame::Box(roles_.intPp)});
    app_.InvalidValueGroup();
  }
}

void KaTabs::SelectKaEntry() {
  app_.control("Frame28", roles_.kaFrame).setVisible(true);
  app_.text1(roles_.kaBox).setText("");
  app_.control("Frame30", roles_.altitudeFrame).setVisible(false);
  ClearExternal();
  frame::SetVisible(app_, kaFormula_, false);
}

void KaTabs::ValidateKa() {
  const frame::ControlRef box = frame::Box(roles_.kaBox);
  frame::RunFilledRule(app_, {box, {&box, 1}, {"Command28", roles_.kaOk}});
}

bool KaTabs::ReadExternalUcw(double& pe, double& pp) const {
  const std::optional<double> e = frame::NumberAsTyped(app_.text1(roles_.ucwExtPe));
  const std::optional<double> p = frame::NumberAsTyped(app_.text1(roles_.ucwExtPp));
  if (!e || !p) return false;
  pe = *e;
  pp = *p;
  return true;
}

void KaTabs::RefuseExternal() {
  ClearExternal();
  app_.InvalidValueGroup();
}

void KaTabs::WriteExternal(double pe, double pp) {
  if (pe <= 0 || pp <= 0 ||
      !frame::WriteAll(app_, {{&app_.text1(roles_.extPe), pe}, {&app_.text1(roles_.extPp), pp}})) {
    RefuseExternal();
    return;
  }
  app_.control("Frame30", roles_.resultsFrame).setVisible(true);
}

void KaTabs::CalculateExternalWithEnteredKa() {
  const std::optional<double> ka = ReadOkInput(app_, app_.text1(roles_.kaBox));
  if (!ka) return ClearExternal();
  double pe = 0, pp = 0;
  if (!ReadExternalUcw(pe, pp)) return RefuseExternal();
  WriteExternal(UrwExternalWithEnteredKa(pe, *ka), UrwExternalWithEnteredKa(pp, *ka));
}

}  // namespace required
