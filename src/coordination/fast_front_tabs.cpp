#include "coordination/fast_front_tabs.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <optional>

#include "coordination/slots.hpp"
#include "frame/app.hpp"
#include "frame/help_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "frame/table_window.hpp"
#include "platform/numbers.hpp"
#include "surge/slots.hpp"

namespace coordination {

namespace {

using frame::ControlRef;
using frame::ControlRefs;

// The result row's places in its frame; the subscript stands 60 twips lower.
constexpr int kIgnoredRowTop = 270, kDeterministicRowTop = 1200, kStatisticalRowTop = 3870;
constexpr int kSubscriptDrop = 60;
// The result row of each tab lists its caption, subscript, unit and box in this order.
constexpr std::size_t kRowSubscript = 1, kRowUnit = 2;

using frame::Box;
constexpr ControlRef Caption(int i) { return {"Label33", i}; }
constexpr ControlRef Formula(int i) { return {"Label41", i}; }

// Internal insulation, page 0.
constexpr ControlRef kIntInputs[] = {Box(FfIntA), Box(FfIntN), Box(FfIntLsp), Box(FfIntL), Box(FfIntLa)};
constexpr ControlRef kIntCaptions[] = {Caption(51), Caption(52), Caption(53), Caption(54),
                                       Caption(55), Caption(56), Caption(57), Caption(58)};
constexpr ControlRef kIntDeterministic[] = {{"Shape1", 11}, Formula(194), Formula(195), Formula(196),
                                            Formula(197),   Formula(205), Formula(206)};
constexpr ControlRef kIntStatistical[] = {{"Shape1", 12}, Formula(198), Formula(199), Formula(200), Formula(201),
                                          Formula(202),   Formula(203), Formula(204), {"Line2", 6}};
constexpr ControlRef kIntResultRow[] = {{"Label4", 103}, {"Label4", 102}, {"Label4", 101}, Box(UcwFfInt)};

// External insulation, page 1.
constexpr ControlRef kExtInputs[] = {Box(FfExtLa), Box(FfExtL), Box(FfExtLsp), Box(FfExtN), Box(FfExtA)};
constexpr ControlRef kExtCaptions[] = {Caption(59), Caption(60), Caption(61), Caption(62),
                                       Caption(63), Caption(64), Caption(65), Caption(66)};
constexpr ControlRef kExtDeterministic[] = {{"Shape1", 13}, Formula(207), Formula(208), Formula(209),
                                            Formula(210),   Formula(211), Formula(212)};
constexpr ControlRef kExtStatistical[] = {{"Shape1", 14}, Formula(213), Formula(214), Formula(215), Formula(216),
                                          Formula(217),   Formula(218), Formula(219), {"Line2", 7}};
constexpr ControlRef kExtResultRow[] = {{"Label4", 106}, {"Label4", 104}, {"Label4", 105}, Box(UcwFfExt)};

constexpr FastFrontTab kTabs[] = {
    {0, 3, 44, 45, platform::kNoIndex, "Command31", FfIntA, FfIntL, FfIntLsp, FfIntLa, FfIntN,
     kIntInputs, kIntCaptions, kIntDeterministic, kIntStatistical, 14, UcwFfInt, kIntResultRow, 12, false, Caption(51)},
    {1, 4, 84, 47, 46, "Command32", FfExtA, FfExtL, FfExtLsp, FfExtLa, FfExtN, kExtInputs,
     kExtCaptions, kExtDeterministic, kExtStatistical, 15, UcwFfExt, kExtResultRow, 14, true, Caption(64)},
};
const FastFrontTab& kInternal = kTabs[0];
const FastFrontTab& kExternal = kTabs[1];

// The help of the input captions, one line level with its caption; the
// subscripts of Lsp and La show their caption's help.
constexpr ControlRef kIntHelp{"Label85", 3};
constexpr ControlRef kExtHelp{"Label85", 4};
constexpr const char* kSeparation = "Separation distance between surge arrester and protective equipment";
constexpr const char* kSpan = "Span length";
constexpr const char* kSection = "Overhead line section with outage rate equal to acceptable failure rate";
constexpr const char* kLines = "Minimum number of lines connected to sub station (n=1 or n=2)";
constexpr const char* kFactorA = "Factor describing lightning performance of the overhead line connected to station";
constexpr frame::HelpText Help(int hovered, ControlRef label, int anchor, const char* text) {
  return {Caption(hovered), label, Caption(anchor), text, 0, frame::kKeepHeight};
}
constexpr frame::HelpText kHelp[] = {
    Help(55, kIntHelp, 55, kSeparation), Help(54, kIntHelp, 54, kSpan),    Help(53, kIntHelp, 54, kSpan),
    Help(58, kIntHelp, 58, kSection),    Help(57, kIntHelp, 58, kSection), Help(52, kIntHelp, 52, kLines),
    Help(51, kIntHelp, 51, kFactorA),    Help(61, kExtHelp, 61, kSeparation), Help(65, kExtHelp, 65, kSpan),
    Help(62, kExtHelp, 65, kSpan),       Help(66, kExtHelp, 66, kSection), Help(59, kExtHelp, 66, kSection),
    Help(63, kExtHelp, 63, kLines),      Help(64, kExtHelp, 64, kFactorA),
};


// Kcd = 1 takes the fast-front Urp over; the statistical method computes from
// the arrester's Upl and the tab's inputs, so a new Urp leaves its result
// standing. "Ignored" is computed from nothing and stands until the tab's
// result is written again. Each tab's "Next >>" passes its Ucw on; the
// external one commits both.
constexpr std::size_t kIgnoringTabs = std::count_if(std::begin(kTabs), std::end(kTabs),
                                                    [](const FastFrontTab& tab) { return tab.ignore != platform::kNoIndex; });
constexpr auto kDependencies = [] {
  std::array<frame::Dependency, 2 * std::size(kTabs) + kIgnoringTabs> rows{};
  std::size_t row = 0;
  const ControlRef commit{"Command29", kTabs[1].next};
  for (const FastFrontTab& tab : kTabs) {
    const ControlRef result = Box(tab.result), next{"Command29", tab.next};
    const std::array<ControlRef, 2> publishers{next, tab.next == commit.index ? ControlRef{} : commit};
    // Only a tab with an "Ignore" takes an ignored Urp over.
    const char* word = tab.ignore != platform::kNoIndex ? surge::kIgnored : nullptr;
    rows[row++] = {result, {{Box(surge::UrpFfPe)}}, publishers, {{frame::Option(tab.deterministic)}}, false, word};
    frame::Dependency& statistical = rows[row++];
    statistical = {result, {{Box(surge::ArresterUpl)}}, publishers, {{frame::Option(tab.statistical)}}, false, word};
    std::copy(tab.inputs.begin(), tab.inputs.end(), statistical.from.begin() + 1);
    if (tab.ignore != platform::kNoIndex)
      rows[row++] = {.result = result, .publishers = publishers, .when = {{frame::Option(tab.ignore)}}, .word = word,
                     .standing = true};
  }
  return rows;
}();

}  // namespace

std::span<const frame::Dependency> FastFrontTabs::Dependencies() const { return kDependencies; }

void FastFrontTabs::Build(platform::Window& w) { w.createAll(Design()); }

void FastFrontTabs::ShowResultRow(const FastFrontTab& tab, bool shown) {
  frame::SetVisible(app_, tab.resultRow, shown);
}

void FastFrontTabs::MoveResultRow(const FastFrontTab& tab, int top) {
  for (std::size_t i = 0; i < tab.resultRow.size(); ++i) {
    frame::Get(app_, tab.resultRow[i]).setTop(i == kRowSubscript ? top + kSubscriptDrop : top);
  }
}

void FastFrontTabs::ClearResult(const FastFrontTab& tab) {
  ShowResultRow(tab, false);
  app_.text1(tab.result).setText("");
}

void FastFrontTabs::ShowResultWithoutInputs(const FastFrontTab& tab, bool kcdFormula, int rowTop) {
  app_.control(tab.table).setVisible(false);
  app_.control("Frame30", tab.frame).setVisible(true);
  frame::SetVisible(app_, tab.captions, false);
  for (const ControlRef& input : tab.inputs) {
    frame::Get(app_, input).setVisible(false);
    frame::Get(app_, input).setText("");
  }
  frame::SetVisible(app_, tab.statisticalFormula, false);
  frame::SetVisible(app_, tab.deterministicFormula, kcdFormula);
  ShowResultRow(tab, true);
  MoveResultRow(tab, rowTop);
}

void FastFrontTabs::SelectDeterministic(const FastFrontTab& tab) {
  ShowResultWithoutInputs(tab, true, kDeterministicRowTop);

  // Kcd = 1: the fast-front Urp as it stands, cut to the box. An ignored Urp
  // is a word, not a voltage: only the external tab of Range II, which can
  // ignore Ucw, takes it over.
  platform::Control& result = app_.text1(tab.result);
  const std::string urp = app_.text1(surge::UrpFfPe).text();
  const std::optional<double> value = platform::TextToNumber(urp);
  const bool takesIgnored = urp == surge::kIgnored && tab.ignore != platform::kNoIndex && !app_.IsRange1();
  const bool usable = value && *value > 0.0 && platform::NumberTextForBox(*value, result.maxLength());
  if (!takesIgnored && !usable) {
    app_.InvalidValueGroup();
    ClearResult(tab);
    return;
  }
  result.setText(urp);
}

void FastFrontTabs::SelectIgnore(const FastFrontTab& tab) {
  ShowResultWithoutInputs(tab, false, kIgnoredRowTop);
  app_.text1(tab.result).setText(surge::kIgnored);
  frame::Get(app_, tab.resultRow[kRowUnit]).setVisible(false);  // no unit beside a word
}

void FastFrontTabs::SelectStatistical(const FastFrontTab& tab) {
  app_.control(tab.table).setVisible(true);
  frame::SetVisible(app_, tab.captions, true);
  frame::SetVisible(app_, tab.inputs, true);
  frame::SetVisible(app_, tab.deterministicFormula, false);
  frame::SetVisible(app_, tab.statisticalFormula, true);
  app_.control("Frame30", tab.frame).setVisible(true);
  frame::Clear(app_, tab.inputs);
  ClearResult(tab);
  MoveResultRow(tab, kStatisticalRowTop);
}

void FastFrontTabs::CheckInput(const FastFrontTab& tab, int slot) {
  frame::RunFilledRule(app_, {.box = Box(slot), .group = tab.inputs, .button = {"Command28", tab.ok},
                              .checkNumber = tab.checksTyping});
}

void FastFrontTabs::RefuseStatistical(const FastFrontTab& tab) {
  app_.InvalidValueGroup();
  frame::Clear(app_, tab.inputs);
  ClearResult(tab);
}

bool FastFrontTabs::RefuseZeroDivisors(const FastFrontTab& tab, double n, double lsp, double la) {
  if (n != 0.0 && la + lsp != 0.0) return false;
  if (!tab.checksTyping) {
    // The internal inputs have no check of their own: the OK's refusal.
    RefuseStatistical(tab);
    return true;
  }
  // A value the box cannot take: its own check's refusal.
  app_.InvalidValueBox();
  if (n == 0.0) app_.text1(tab.n).setText("");
  if (la + lsp == 0.0) frame::Clear(app_, {Box(tab.la), Box(tab.lsp)});
  ClearResult(tab);
  return true;
}

void FastFrontTabs::CalculateStatistical(const FastFrontTab& tab) {
  if (!frame::AllFilled(app_, tab.inputs)) return;
  for (const ControlRef& input : tab.inputs) {
    if (!frame::IsUsableNumber(frame::Get(app_, input))) {
      RefuseStatistical(tab);
      return;
    }
  }
  // Each input rewritten with decimal commas, in index order, then read.
  for (const ControlRef& input : tab.inputs) app_.ReadNumber(frame::Get(app_, input));
  const auto value = [this](int slot) { return frame::NumberAsTyped(app_.text1(slot)); };
  const std::optional<double> a = value(tab.a), l = value(tab.l), lsp = value(tab.lsp), la = value(tab.la),
                              n = value(tab.n), upl = value(surge::ArresterUpl);
  if (!a || !l || !lsp || !la || !n || !upl) {
    RefuseStatistical(tab);
    return;
  }
  if (RefuseZeroDivisors(tab, *n, *lsp, *la)) return;
  // A Ucw of zero or below, or one the box cannot show whole, is no result.
  const double ucw = UcwFastFrontStatistical(*upl, *a, *l, *n, *lsp, *la);
  if (!(ucw > 0.0) || !frame::WriteAll(app_, {{&app_.text1(tab.result), ucw}})) {
    RefuseStatistical(tab);
    return;
  }
  ShowResultRow(tab, true);
}

void FastFrontTabs::OpenCwFastFrontExtTab() { frame::OpenPage(app_.control("SSTab1", 5), kExternal.page); }

void FastFrontTabs::CloseCwFastFrontTabs() { app_.control("SSTab1", 5).setVisible(false); }

void FastFrontTabs::BackToCwFastFrontIntTab() { frame::OpenPage(app_.control("SSTab1", 5), kInternal.page); }

void FastFrontTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  for (const FastFrontTab& tab : kTabs) {
    routes.on(tab.table, platform::EventType::Click, [this, &tab] {
      frame::ShowTableWindow(app_, {tab.aCaption, Box(tab.a), {"Command28", tab.ok}, {"Command29", tab.next}});
    });
    routes.on(Option1Click, tab.deterministic, [this, &tab] { SelectDeterministic(tab); });
    routes.on(Option1Click, tab.statistical, [this, &tab] { SelectStatistical(tab); });
    for (const ControlRef& input : tab.inputs)
      routes.on(Text1Change, input.index, [this, &tab, slot = input.index] { CheckInput(tab, slot); });
    routes.on(Command28Click, tab.ok, [this, &tab] { CalculateStatistical(tab); });
    // EnableCwFastFrontIntNext and EnableCwFastFrontExtNext.
    routes.on(Text1Change, tab.result, [this, &tab] {
      app_.control("Command29", tab.next).setEnabled(frame::IsFilled(app_.text1(tab.result)));
    });
  }
  routes.on(Option1Click, kExternal.ignore, [this] { SelectIgnore(kExternal); });

  routes.on(Command29Click, kInternal.next, [this] { OpenCwFastFrontExtTab(); });
  routes.on(Command29Click, 13, [this] { CloseCwFastFrontTabs(); });
  routes.on(Command29Click, 15, [this] { BackToCwFastFrontIntTab(); });

  for (const frame::HelpText& help : kHelp)
    routes.on(Label33MouseMove, help.hovered.index, [this, &help] { frame::ShowHelpText(app_, help); });
}

}  // namespace coordination
