#include "coordination/fast_front_page.hpp"

#include <string>

#include "coordination/slots.hpp"
#include "frame/app.hpp"
#include "frame/enter_question.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "surge/slots.hpp"

namespace coordination {

namespace {

constexpr int kSlowFrontPage = 1, kRequiredWithstand = 2, kRequiredTov = 0;

// The headings, captions, subscripts and units of the summary, with its boxes.
constexpr frame::ControlRef kSummary[] = {
    {"Label4", 107},       {"Label4", 108},       {"Label4", 109},       {"Label4", 110},       {"Label4", 111},
    {"Label4", 112},       {"Label4", 113},       {"Label4", 114},       {"Label4", 115},       {"Label4", 116},
    {"Label4", 117},       {"Label4", 118},       {"Label4", 119},       {"Label4", 120},       frame::Box(UcwFfPeExt),
    frame::Box(UcwFfPpExt), frame::Box(UcwFfPeInt), frame::Box(UcwFfPpInt),
};

// The two values, each asked by one question and written into two boxes, in this order.
struct Pair {
  const char* prompt;
  int first, second;
};
constexpr Pair kPairs[] = {
    {"Enter internal Ucw value", UcwFfPeInt, UcwFfPpInt},
    {"Enter external Ucw value", UcwFfPeExt, UcwFfPpExt},
};
constexpr int kPeExtUnit = 110, kPpExtUnit = 108;

// A committed value stands for the tab result it copies; an entered one is the person's own.
constexpr frame::ControlRef kNext{"Command21", 24};
constexpr frame::Dependency kDependencies[] = {
    {frame::Box(UcwFfPeInt), {{frame::Box(UcwFfInt)}}, {{kNext}}},
    {frame::Box(UcwFfPpInt), {{frame::Box(UcwFfInt)}}, {{kNext}}},
    {frame::Box(UcwFfPeExt), {{frame::Box(UcwFfExt)}}, {{kNext}}, {}, false, surge::kIgnored},
    {frame::Box(UcwFfPpExt), {{frame::Box(UcwFfExt)}}, {{kNext}}, {}, false, surge::kIgnored},
};

}  // namespace

std::span<const frame::Dependency> FastFrontPage::Dependencies() const { return kDependencies; }

void FastFrontPage::Build(platform::Window& w) { w.createAll(Design()); }

void FastFrontPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command25Click, 9, [this] { OpenCwFastFrontTabs(); });
  routes.on(Command25Click, 10, [this] { EnterUcwFastFront(); });
  routes.on(Command21Click, 23, [this] { BackToCwSlowFrontPage(); });
  routes.on(Command21Click, 24, [this] { OpenRequiredWithstandFromCw(); });
  routes.on(Command29Click, 14, [this] { AcceptUcwFastFront(); });
  routes.on(Text1Change, UcwFfPeExt, [this] { ShowExternalUnit(UcwFfPeExt); });
  routes.on(Text1Change, UcwFfPpExt, [this] { ShowExternalUnit(UcwFfPpExt); });
}

void FastFrontPage::ShowExternalUnit(int slot) {
  app_.control("Label4", slot == UcwFfPeExt ? kPeExtUnit : kPpExtUnit)
      .setVisible(frame::IsUsableNumber(app_.text1(slot)));
}

void FastFrontPage::FollowNext() {
  // The later stages convert the internal values; the external ones may be
  // ignored, which only Range II offers.
  const auto number = [this](int slot) { return frame::IsUsableNumber(app_.text1(slot)); };
  const auto ignored = [this](int slot) { return app_.text1(slot).text() == surge::kIgnored; };
  const bool external = (number(UcwFfPeExt) && number(UcwFfPpExt)) ||
                        (!app_.IsRange1() && ignored(UcwFfPeExt) && ignored(UcwFfPpExt));
  app_.control("Command21", 24).setEnabled(number(UcwFfPeInt) && number(UcwFfPpInt) && external);
}

bool FastFrontPage::ShowSummary() {
  bool any = false;
  for (const Pair& pair : kPairs)
    any = any || frame::IsFilled(app_.text1(pair.first)) || frame::IsFilled(app_.text1(pair.second));
  frame::SetVisible(app_, kSummary, any);
  if (any) {
    ShowExternalUnit(UcwFfPeExt);
    ShowExternalUnit(UcwFfPpExt);
  }
  FollowNext();
  return any;
}

void FastFrontPage::EnterUcwFastFront() {
  // Both questions are always asked; an entry replaces what stands, lower or higher.
  for (const Pair& pair : kPairs) {
    const frame::EnterQuestion question{pair.prompt, frame::Box(pair.first), 1.0, "Invalid Ucw", 32};
    if (frame::AskEnterQuestion(app_, question) != frame::EnterOutcome::Written) continue;
    platform::Control& second = app_.text1(pair.second);
    second.setText(app_.text1(pair.first).text());
    // The copy is as much the person's entry as the box they answered for.
    app_.dependencies.Entered(second);
  }
  app_.control("Command25", 10).setCaption(ShowSummary() ? "RE-ENTER" : "ENTER");
}

void FastFrontPage::OpenCwFastFrontTabs() {
  // The tabs keep what they held from an earlier calculation.
  platform::Control& strip = app_.control("SSTab1", 5);
  frame::OpenPage(strip, 0);
  strip.setVisible(true);
}

void FastFrontPage::BackToCwSlowFrontPage() { frame::OpenPage(app_.control("SSTab1", 3), kSlowFrontPage); }

void FastFrontPage::OpenRequiredWithstandFromCw() {
  frame::OpenPage(app_.control("tabGeneral"), kRequiredWithstand);
  frame::OpenPage(app_.control("SSTab1", 6), kRequiredTov);
}

void FastFrontPage::AcceptUcwFastFront() {
  const std::string external = app_.text1(UcwFfExt).text();
  app_.text1(UcwFfPeExt).setText(external);
  app_.text1(UcwFfPpExt).setText(external);
  const std::string internal = app_.text1(UcwFfInt).text();
  app_.text1(UcwFfPpInt).setText(internal);
  app_.text1(UcwFfPeInt).setText(internal);
  app_.control("Command25", 9).setCaption(ShowSummary() ? "RE-CALCULATE" : "CALCULATE");
  app_.control("SSTab1", 5).setVisible(false);
}

}  // namespace coordination
