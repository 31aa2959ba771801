#include "coordination/tov_page.hpp"

#include <cmath>
#include <optional>

#include "coordination/slots.hpp"
#include "frame/app.hpp"
#include "frame/enter_question.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "platform/numbers.hpp"
#include "tov/slots.hpp"

namespace coordination {

namespace {

constexpr int kRepresentativePages = 0, kSlowFrontPage = 1;

// The heading, captions, subscripts and units of the two values, with their boxes.
constexpr frame::ControlRef kResults[] = {
    {"Label4", 23}, {"Label4", 24}, {"Label4", 25}, {"Label4", 26}, {"Label4", 27},
    {"Label4", 28}, {"Label4", 29}, frame::Box(UcwTovPe), frame::Box(UcwTovPp),
};

// The line Ucw = Urp·Kc where Kc = 1, with its subscripts.
constexpr frame::ControlRef kFormula[] = {
    {"Label4", 30}, {"Label4", 31}, {"Label4", 239}, {"Label4", 240}, {"Label4", 241},
};

// Each value is the representative one of its phase, as the temporary-overvoltage page shows it.
constexpr frame::Dependency kDependencies[] = {
    {frame::Box(UcwTovPe), {{tov::kUrpTovPeBox}}, {{{"Command21", 19}}}},
    {frame::Box(UcwTovPp), {{tov::kUrpTovPpBox}}, {{{"Command21", 19}}}},
};

}  // namespace

std::span<const frame::Dependency> TovPage::Dependencies() const { return kDependencies; }

void TovPage::Build(platform::Window& w) {
  w.createAll(Design());
}

void TovPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command25Click, 5, [this] { EnterUcwTov(); });
  routes.on(Command25Click, 6, [this] { CalculateUcwTov(); });
  routes.on(Command21Click, 19, [this] { OpenCwSlowFrontPage(); });
  routes.on(Command21Click, 20, [this] { BackToRepresentativeFromCw(); });
}

void TovPage::ShowResults(bool results, bool formula) {
  frame::SetVisible(app_, kResults, results);
  frame::SetVisible(app_, kFormula, formula);
}

void TovPage::FollowNext() {
  app_.control("Command21", 19)
      .setEnabled(frame::IsUsableNumber(app_.text1(UcwTovPe)) && frame::IsUsableNumber(app_.text1(UcwTovPp)));
}

void TovPage::CalculateUcwTov() {
  platform::Control& pe = app_.text1(UcwTovPe);
  platform::Control& pp = app_.text1(UcwTovPp);
  pe.setText(app_.mainVars.mUrpTovPe.Read(app_));
  pp.setText(app_.mainVars.mUrpTovPp.Read(app_));
  const std::string& tovPe = app_.control(tov::kUrpTovPeBox).text();
  const std::string& tovPp = app_.control(tov::kUrpTovPpBox).text();
  // The page's own TOV value replaces the copied one only when it is higher.
  const auto raise = [](platform::Control& box, const std::string& tovText) {
    const std::optional<double> page = platform::TextToNumber(tovText);
    const std::optional<double> copied = frame::NumberAsTyped(box);
    if (page && (!copied || *page > *copied)) box.setText(tovText);
  };
  raise(pe, tovPe);
  raise(pp, tovPp);
  ShowResults(true, pe.text() == tovPe && pp.text() == tovPp);
  FollowNext();
}

void TovPage::EnterUcwTov() {
  // Both questions are always asked; an entry must raise the value its box holds.
  const double root3 = std::sqrt(3.0);
  frame::AskEnterQuestions(app_,
                           {frame::EnterQuestion{"Enter Ucw(p-e) value", frame::Box(UcwTovPe), root3, "Invalid Ucw", 32,
                                                 true, "Ucw(p-e) value not changed"},
                            frame::EnterQuestion{"Enter Ucw(p-p) value", frame::Box(UcwTovPp), 1.0, "Invalid Ucw", 32,
                                                 true, "Ucw(p-p) value not changed"}},
                           kResults, {"Command25", 5});
  frame::SetVisible(app_, kFormula, false);
  FollowNext();
}

void TovPage::BackToRepresentativeFromCw() { frame::OpenPage(app_.control("tabGeneral"), kRepresentativePages); }

void TovPage::OpenCwSlowFrontPage() { frame::OpenPage(app_.control("SSTab1", 3), kSlowFrontPage); }

}  // namespace coordination
