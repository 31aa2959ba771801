#include "required/summary_page.hpp"

#include <array>
#include <map>
#include <string>
#include <vector>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "required/page_layout.hpp"
#include "required/slots.hpp"
#include "surge/slots.hpp"

namespace required {

namespace {

constexpr int kPageStrip = 6;
constexpr int kCoordinationPage = 1;  // of tabGeneral
constexpr int kInternalTab = 0, kExternalTab = 1;

// The page buttons: each opens one page of SSTab1(6), or the co-ordination
// pages of tabGeneral for the first page's "<< Back". "Next >>" of the
// conversion page opens the next stage, which routes it.
struct PageMove {
  int button;  // Command21
  bool toCoordination;
  int page;
};
constexpr PageMove kMoves[] = {
    {25, true, kCoordinationPage},  // BackToCwFromUrw
    {26, false, 1},                 // OpenUrwSlowFrontPage
    {28, false, 0},                 // BackToUrwTovPage
    {27, false, 2},                 // OpenUrwFastFrontPage
    {29, false, 1},                 // BackToUrwSlowFrontPage
    {30, false, 3},                 // OpenConversionPage
    {32, false, 2},                 // BackToUrwFastFrontPage
};
constexpr int kOpenConversionTabs = 18;  // Command25 "CALCULATE" of the conversion page

// The units of the fast-front page's external lines, which follow their boxes.
constexpr int kPeExtUnit = 152, kPpExtUnit = 150;

bool MayBeIgnored(int slot) { return slot == UrwFfPeExt || slot == UrwFfPpExt || slot == UrwFfExtCalc; }

std::array<const RwStrip*, 5> Strips() {
  return {&RwTovStrip(), &RwSlowFrontStrip(), &RwFastFrontStrip(), &RwSiwStrip(), &RwSdwLiwStrip()};
}

}  // namespace

void RwPageFlow::Build(platform::Window& w) {
  for (const RwPageDesign& page :
       {RwTovPageDesign(), RwSlowFrontPageDesign(), RwFastFrontPageDesign(), RwConversionPageDesign()})
    w.createAll(page.controls);
}

std::vector<std::span<const platform::ControlDesign>> RwPageFlow::ValueStoreRows() {
  return {RwTovPageDesign().boxes, RwSlowFrontPageDesign().boxes, RwFastFrontPageDesign().boxes,
          RwConversionPageDesign().boxes, RwWorkingBoxes()};
}

void RwPageFlow::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  for (const PageMove& move : kMoves)
    routes.on(Command21Click, move.button, [this, &move] {
      frame::OpenPage(move.toCoordination ? app_.control("tabGeneral") : app_.control("SSTab1", kPageStrip),
                      move.page);
    });
  routes.on(Command25Click, kOpenConversionTabs, [this] { OpenConversionTabs(); });
  for (const RwStrip* strip : Strips()) {
    routes.on(Command29Click, strip->intBack, [this, strip] { CloseStrip(*strip); });
    // The fast-front strip lays its external tab out by range as it opens it.
    if (strip != &RwFastFrontStrip())
      routes.on(Command29Click, strip->intNext, [this, strip] { OpenExternalTab(*strip); });
    routes.on(Command29Click, strip->extBack, [this, strip] { BackToInternalTab(*strip); });
    routes.on(Command29Click, strip->extNext, [this, strip] { Accept(*strip); });
  }
  // An internal result of a conversion is watched by its tab's "Next >>" and
  // by the accept: its change runs the rule of each.
  std::map<int, std::vector<const RwNextRule*>> watchers;
  for (const RwNextRule& rule : RwNextRules())
    for (int slot : rule.watched) watchers[slot].push_back(&rule);
  for (const auto& [slot, rules] : watchers)
    routes.on(Text1Change, slot, [this, slot, rules] {
      if (slot == UrwFfPeExt || slot == UrwFfPpExt) ShowExternalUnit(slot);
      for (const RwNextRule* rule : rules) FollowNext(*rule);
    });
}

void RwPageFlow::OpenStrip(const RwStrip& strip) {
  platform::Control& s = app_.control("SSTab1", strip.strip);
  frame::OpenPage(s, kInternalTab);
  s.setVisible(true);
}

const RwStrip& RwPageFlow::ConversionStrip() const { return app_.IsRange1() ? RwSdwLiwStrip() : RwSiwStrip(); }

void RwPageFlow::OpenConversionTabs() { OpenStrip(ConversionStrip()); }

void RwPageFlow::CloseStrip(const RwStrip& strip) { app_.control("SSTab1", strip.strip).setVisible(false); }

void RwPageFlow::OpenExternalTab(const RwStrip& strip) {
  frame::OpenPage(app_.control("SSTab1", strip.strip), kExternalTab);
}

void RwPageFlow::BackToInternalTab(const RwStrip& strip) {
  frame::OpenPage(app_.control("SSTab1", strip.strip), kInternalTab);
}

void RwPageFlow::Accept(const RwStrip& strip) {
  // The labels stand before the values are copied, so the units that follow
  // their boxes are left as the copied values ask.
  for (const RwSummaryGroup& group : strip.groups) {
    for (int label = group.firstLabel; label <= group.lastLabel; ++label)
      app_.control("Label4", label).setVisible(true);
    for (const RwCopy& copy : group.copies) {
      platform::Control& box = app_.text1(copy.summary);
      box.setVisible(true);
      box.setText(app_.text1(copy.result).text());
      // A copy of the text the box holds runs no change: its unit is set here too.
      if (copy.summary == UrwFfPeExt || copy.summary == UrwFfPpExt) ShowExternalUnit(copy.summary);
    }
  }
  CloseStrip(strip);
  if (strip.flag != platform::kNoIndex) app_.text1(strip.flag).setText("1");
  app_.control("Command25", strip.calculate).setCaption(strip.recalculated);
}

bool RwPageFlow::IsGiven(int slot) const {
  const platform::Control& box = app_.text1(slot);
  if (frame::IsUsableNumber(box)) return true;
  return MayBeIgnored(slot) && !app_.IsRange1() && box.text() == surge::kIgnored;
}

void RwPageFlow::FollowNext(const RwNextRule& rule) {
  bool given = true;
  for (int slot : rule.watched) given = given && IsGiven(slot);
  app_.control(rule.array, rule.button).setEnabled(given);
}

void RwPageFlow::ShowExternalUnit(int slot) {
  const std::string& text = app_.text1(slot).text();
  app_.control("Label4", slot == UrwFfPeExt ? kPeExtUnit : kPpExtUnit)
      .setVisible(!text.empty() && text != surge::kIgnored);
}

}  // namespace required
