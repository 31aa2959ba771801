#include "tov/factor_flow.hpp"

#include <optional>

#include "frame/app.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "platform/numbers.hpp"
#include "platform/window.hpp"
#include "tov/slots.hpp"
#include "tov/tov_page.hpp"

namespace tov {

namespace {

using platform::Control;
using platform::EventType;

// A result box's number; an empty box has none.
std::optional<double> NumberIn(const std::string& text) { return platform::TextToNumber(text); }

// Strictly greater; a text without a number never wins and is always beaten.
bool Beats(const std::optional<double>& candidate, const std::optional<double>& best) {
  return candidate && (!best || *candidate > *best);
}

constexpr frame::Dependency PassedOn(frame::ControlRef result, const char* next,
                                     std::source_location where = std::source_location::current()) {
  return frame::Standing(result, {next}, where);
}
// The factor pages' results stand until their page calculates again; what
// each "Next >>" passes on, it waits for. The values a page computes on the
// way (the charging power, the sending end's Urp, the power ratios) and the
// flag of the close stand likewise.
constexpr frame::Dependency kDependencies[] = {
    PassedOn("txtUrppe1", "Command3"),        PassedOn("txtUrppp1", "Command3"),
    PassedOn(frame::Box(UrpK2Pe), "Command2"),   PassedOn(frame::Box(UrpK2Pp), "Command2"),
    PassedOn(frame::Box(UrpK3Pe), "Command10"),  PassedOn(frame::Box(UrpK4Pe), "Command14"),
    PassedOn(frame::Box(UrpK4Pp), "Command14"),  PassedOn(frame::Box(UrpCombPe), "Command18"),
    PassedOn(frame::Box(UrpCombPp), "Command18"),
    frame::Standing(frame::Box(K2ChargingPower)), frame::Standing(frame::Box(UrpK2PeSending)),
    frame::Standing(frame::Box(UrpK2PpSending)),  frame::Standing(frame::Box(K4PowerRatio)),
    frame::Standing(frame::Box(K4LoadRatio)),     frame::Standing(frame::Box(TovAcceptedFlag)),
};

}  // namespace

std::span<const frame::Dependency> FactorFlow::Dependencies() const { return kDependencies; }

void FactorFlow::Build(platform::Window& w) {
  w.createAll(Design());
  mTovMaxPe.clear();
  mTovMaxPp = 0;
  mTovCalculated = "0";
}

void FactorFlow::DeclareRoutes(frame::Routes& routes) {
  routes.on("Command4", EventType::Click, [this] { Command4_Click(); });
  routes.on("Command3", EventType::Click, [this] { Command3_Click(); });
  routes.on("Command5", EventType::Click, [this] { Command5_Click(); });
  routes.on("Command2", EventType::Click, [this] { Command2_Click(); });
  routes.on("Command9", EventType::Click, [this] { Command9_Click(); });
  routes.on("Command10", EventType::Click, [this] { Command10_Click(); });
  routes.on("Command13", EventType::Click, [this] { Command13_Click(); });
  routes.on("Command14", EventType::Click, [this] { Command14_Click(); });
  routes.on("Command19", EventType::Click, [this] { Command19_Click(); });
  routes.on("Command18", EventType::Click, [this] { Command18_Click(); });
}

void FactorFlow::GoToPage(int n) { frame::OpenPage(app_.control("tabCalculation1"), n); }

bool FactorFlow::PassesUmCheck(Control& pp, Control& first, Control& second) {
  const std::optional<double> value = NumberIn(pp.text());
  if (value && !(app_.Um() > *value)) return true;
  app_.platform.messageBox("Enter a valid value...", frame::PaddedTitle("Invalid Urp value", 31));
  first.setText("");
  second.setText("");
  return false;
}

void FactorFlow::Command4_Click() { app_.control("tabCalculation1").setVisible(false); }

void FactorFlow::Command3_Click() {
  if (PassesUmCheck(app_.control("txtUrppp1"), app_.control("txtUrppe1"), app_.control("txtUrppp1")))
    GoToPage(1);
}

void FactorFlow::Command5_Click() {
  GoToPage(0);
  // After an accepted close the strip is left only through the close.
  app_.control("Command4").setEnabled(app_.text1(TovAcceptedFlag).text() != "1");
}

void FactorFlow::Command2_Click() {
  if (PassesUmCheck(app_.text1(UrpK2Pp), app_.text1(UrpK2Pe), app_.text1(UrpK2Pp))) GoToPage(2);
}

void FactorFlow::Command9_Click() { GoToPage(1); }

// The earth-fault page gives no phase-to-phase value to check.
void FactorFlow::Command10_Click() { GoToPage(3); }

void FactorFlow::Command13_Click() { GoToPage(2); }

void FactorFlow::Command14_Click() {
  if (PassesUmCheck(app_.text1(UrpK4Pp), app_.text1(UrpK4Pp), app_.text1(UrpK4Pe))) GoToPage(4);
}

void FactorFlow::Command19_Click() { GoToPage(3); }

void FactorFlow::Command18_Click() {
  if (PassesUmCheck(app_.text1(UrpCombPp), app_.text1(UrpCombPp), app_.text1(UrpCombPe))) {
    app_.control("cmdCalculateTOV").setCaption("RE-CALCULATE");
    TakeMaxima();
    mTovCalculated = "1";
    app_.control("tabCalculation1").setVisible(false);
  } else {
    mTovCalculated = "0";
  }
  app_.text1(TovAcceptedFlag).setText(mTovCalculated);
  if (mTovCalculated == "1") page_.ShowResultDisplay(true);
}

void FactorFlow::TakeMaxima() {
  // Phase to earth: the winning box's own text. The values standing on the
  // page before take part, so a re-calculation never lowers them; on equal
  // values the earlier candidate wins.
  Control& tovPe = app_.control("txtTOVpe");
  mTovMaxPe = app_.control("txtUrppe1").text();
  for (int slot : {UrpK2Pe, UrpK3Pe, UrpK4Pe, UrpCombPe}) {
    const std::string& text = app_.text1(slot).text();
    if (Beats(NumberIn(text), NumberIn(mTovMaxPe))) mTovMaxPe = text;
  }
  if (!tovPe.text().empty() && Beats(NumberIn(tovPe.text()), NumberIn(mTovMaxPe))) mTovMaxPe = tovPe.text();
  tovPe.setText(mTovMaxPe);

  // Phase to phase: the highest number, written anew as a number.
  Control& tovPp = app_.control("txtTOVpp");
  std::string winner = app_.control("txtUrppp1").text();
  std::optional<double> best = NumberIn(winner);
  for (int slot : {UrpK2Pp, UrpK4Pp, UrpCombPp}) {
    const std::string& text = app_.text1(slot).text();
    if (Beats(NumberIn(text), best)) {
      best = NumberIn(text);
      winner = text;
    }
  }
  if (!tovPp.text().empty() && Beats(NumberIn(tovPp.text()), best)) {
    best = NumberIn(tovPp.text());
    winner = tovPp.text();
  }
  mTovMaxPp = best.value_or(0);
  // Every candidate already stands in a six-character box, so its number
  // fits one too; should its text not, the winner's own text is kept.
  if (!app_.WriteNumber(tovPp, mTovMaxPp)) tovPp.setText(winner);
}

}  // namespace tov
