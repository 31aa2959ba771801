#include "tov/tov_page.hpp"

#include <cmath>

#include "frame/app.hpp"
#include "frame/enter_question.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "tov/slots.hpp"

namespace tov {

namespace {

using platform::Control;
using platform::EventType;

// The result display, in the order it is shown.
constexpr frame::ControlRef kResultDisplay[] = {
    {"Label4", 0}, "Label5", "Label6", {"Label7", 0}, {"Label7", 1},
    {"Label8", 0}, {"Label8", 1}, "txtTOVpe", "txtTOVpp",
};

constexpr frame::Dependency kPassedOn[] = {
    frame::Standing({kUrpTovPeBox}, {"Command21", 1}),
    frame::Standing({kUrpTovPpBox}, {"Command21", 1}),
};

}  // namespace

std::span<const frame::Dependency> TovPage::Dependencies() const { return kPassedOn; }

void TovPage::Build(platform::Window& w) { w.createAll(Design()); }

void TovPage::DeclareRoutes(frame::Routes& routes) {
  routes.on("cmdCalculateTOV", EventType::Click, [this] { cmdCalculateTOV_Click(); });
  routes.on("cmdEnterTOV", EventType::Click, [this] { cmdEnterTOV_Click(); });
  routes.on("txtTOVpe", EventType::Change, [this] { txtTOVpe_Change(); });
  routes.on("txtTOVpp", EventType::Change, [this] { txtTOVpp_Change(); });
}

void TovPage::ShowResultDisplay(bool shown) {
  frame::SetVisible(app_, kResultDisplay, shown);
}

void TovPage::StorePuPerKv() { app_.mainVars.mPuPerKv = (std::sqrt(3.0) / std::sqrt(2.0)) / app_.Um(); }

void TovPage::cmdCalculateTOV_Click() {
  StorePuPerKv();
  Control& strip = app_.control("tabCalculation1");
  // After an accepted close a re-calculation starts on the combination page;
  // the factor pages keep what they hold.
  frame::OpenPage(strip, app_.text1(TovAcceptedFlag).text() == "0" ? 0 : 4);
  strip.setVisible(true);
}

void TovPage::cmdEnterTOV_Click() {
  StorePuPerKv();
  // Both questions are always asked: one value may be accepted and the other refused.
  // After a closed flow only a higher value replaces the calculated one.
  const bool mustRaise = app_.text1(TovAcceptedFlag).text() == "1";
  for (const frame::EnterQuestion& q :
       {frame::EnterQuestion{"Enter TOV Urp(p-e) value", "txtTOVpe", std::sqrt(3.0), "Invalid Urp", 32, mustRaise,
                             "Urp value not changed"},
        frame::EnterQuestion{"Enter TOV Urp(p-p) value", "txtTOVpp", 1.0, "Invalid Urp", 32, mustRaise,
                             "Urp value not changed"}})
    frame::AskEnterQuestion(app_, q);

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
