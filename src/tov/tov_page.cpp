#include "tov/tov_page.hpp"

#include <cmath>
#include <optional>
#include <string>

#include "frame/page_rule.hpp"
#include "platform/numbers.hpp"
#include "tov/slots.hpp"

namespace tov {

namespace {

using platform::Control;
using platform::EventType;

using platform::kNoIndex;

struct Ref {
  const char* name;
  int index;
};

// The result display, in the order it is shown.
constexpr Ref kResultDisplay[] = {
    {"Label4", 0}, {"Label5", kNoIndex}, {"Label6", kNoIndex}, {"Label7", 0}, {"Label7", 1},
    {"Label8", 0}, {"Label8", 1}, {"txtTOVpe", kNoIndex}, {"txtTOVpp", kNoIndex},
};

}  // namespace

void TovPage::Build(platform::Window& w) {
  w.createAll(Design());
  w.on("cmdCalculateTOV", EventType::Click, [this](platform::Event&) { cmdCalculateTOV_Click(); });
  w.on("cmdEnterTOV", EventType::Click, [this](platform::Event&) { cmdEnterTOV_Click(); });
  w.on("txtTOVpe", EventType::Change, [this](platform::Event&) { txtTOVpe_Change(); });
  w.on("txtTOVpp", EventType::Change, [this](platform::Event&) { txtTOVpp_Change(); });
}

// "<< Back" and "Next >>" are elements of Command21, routed to the frame's
// restart and to the surge-arrester page; this page has no routed procedure.
void TovPage::Register(frame::Procedures&) {}

void TovPage::ShowResultDisplay(bool shown) {
  for (const Ref& r : kResultDisplay) app_.control(r.name, r.index).setVisible(shown);
}

void TovPage::StorePuPerKv() { app_.m.mPuPerKv = (std::sqrt(3.0) / std::sqrt(2.0)) / app_.Um(); }

void TovPage::cmdCalculateTOV_Click() {
  StorePuPerKv();
  Control& strip = app_.control("tabCalculation1");
  // After an accepted close a re-calculation starts on the combination page;
  // the factor pages keep what they hold.
  frame::OpenPage(strip, app_.text1(TovAcceptedFlag).text() == "0" ? 0 : 4);
  strip.setVisible(true);
}

void TovPage::EnterOne(const char* prompt, const char* boxName, double umFactor) {
  const std::string answer = app_.platform.inputBox(prompt, "Enter Data");
  if (answer.empty()) return;

  // The answer is read with its dots as decimal commas, also for the check
  // against Um, so "200.5" is never 2005.
  const std::optional<double> v = platform::TextToNumber(answer);
  if (!v) {
    app_.platform.messageBox("Enter numeric value...", frame::PaddedTitle("Invalid Value", 34));
    return;
  }
  const auto refuseInvalid = [this] {
    app_.platform.messageBox("Enter a valid value...", frame::PaddedTitle("Invalid Urp", 32));
  };
  if (*v * umFactor < app_.Um()) {
    refuseInvalid();
    return;
  }

  Control& box = app_.control(boxName);
  if (app_.text1(TovAcceptedFlag).text() == "1") {
    // After a closed flow only a higher value replaces the calculated one.
    const std::optional<double> present = platform::TextToNumber(box.text());
    if (present && !(*present < *v)) {
      app_.platform.messageBox("Calculated value is higher than the one entered", "Urp value not changed");
      return;
    }
  }
  // A value whose integer part does not fit the box would be shown wrong: refuse it.
  if (!app_.WriteNumber(box, *v)) refuseInvalid();
}

void TovPage::cmdEnterTOV_Click() {
  StorePuPerKv();
  // Both questions are always asked: one value may be accepted and the other refused.
  EnterOne("Enter TOV Urp(p-e) value", "txtTOVpe", std::sqrt(3.0));
  EnterOne("Enter TOV Urp(p-p) value", "txtTOVpp", 1.0);

  const bool any = !app_.control("txtTOVpp").text().empty() || !app_.control("txtTOVpe").text().empty();
  ShowResultDisplay(any);
  app_.control("cmdEnterTOV").setCaption(any ? "RE-ENTER" : "ENTER");
}

void TovPage::txtTOVpe_Change() {
  app_.control("Command21", 1).setEnabled(!app_.control("txtTOVpe").text().empty() &&
                                          !app_.control("txtTOVpp").text().empty());
}

void TovPage::txtTOVpp_Change() { txtTOVpe_Change(); }

}  // namespace tov
