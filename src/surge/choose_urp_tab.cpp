#include "surge/choose_urp_tab.hpp"

#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "surge/fast_front_page.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using frame::Box;
// A column of the tab: its "Accept" button, the caption it chooses with and
// the candidate box.
struct Column {
  int accept;  // Command28
  const char* chosen;
  int candidate;
};

constexpr Column kColumns[] = {
    {6, "Formula I chosen", UrpChoiceFormula1},
    {7, "Formula II chosen", UrpChoiceFormula2},
    {8, "Formula III chosen", UrpChoiceFormula3},
    {9, "Entered value chosen", UrpChoiceEntered},
};

// The column of the entered value, shown only while the page holds a Urp.
constexpr frame::ControlRef kEnteredColumn[] = {
    {"Label41", 56}, {"Label79", 9}, {"Label75", 9}, Box(UrpChoiceEntered), {"lblKV", 18}, {"Command28", 9},
};

constexpr frame::ControlRef kChosenRow[] = {
    {"Label41", 60}, {"Label79", 10}, {"Label75", 10}, {"lblKV", 19}, Box(UrpFfChosen),
};

// The candidates are copies of the formulas' results and of the Urp standing
// on the page; the chosen value is a copy of the candidate accepted.
// Each candidate is passed on by the "Accept" of its column.
constexpr frame::Dependency Candidate(int slot, int copied, int accept) {
  return {.result = Box(slot), .from = {{Box(copied)}}, .publishers = {{{"Command28", accept}}}, .word = kIgnored};
}
constexpr frame::Dependency kDependencies[] = {
    Candidate(UrpChoiceFormula1, UrpFormula1, 6),
    Candidate(UrpChoiceFormula2, UrpFormula2, 7),
    Candidate(UrpChoiceFormula3, UrpFormula3, 8),
    Candidate(UrpChoiceEntered, UrpFfPe, 9),
    {.result = Box(UrpFfChosen),
     .from = {{Box(UrpChoiceFormula1), Box(UrpChoiceFormula2), Box(UrpChoiceFormula3),
               Box(UrpChoiceEntered)}},
     .publishers = {{{"Command29", 6}}},
     .choice = true,
     .word = kIgnored},
};

}  // namespace

std::span<const frame::Dependency> ChooseUrpTab::Dependencies() const { return kDependencies; }

void ChooseUrpTab::Build(platform::Window& w) { w.createAll(Design()); }

void ChooseUrpTab::OpenChooseUrpTab() {
  frame::OpenPage(app_.control("SSTab1", 2), 3);
  // Copies of the texts, whatever they hold: a number, "Ignored" or nothing.
  app_.text1(UrpChoiceFormula1).setText(app_.text1(UrpFormula1).text());
  app_.text1(UrpChoiceFormula2).setText(app_.text1(UrpFormula2).text());
  app_.text1(UrpChoiceFormula3).setText(app_.text1(UrpFormula3).text());
  const std::string& standing = app_.text1(UrpFfPe).text();
  app_.text1(UrpChoiceEntered).setText(standing);
  frame::SetVisible(app_, kEnteredColumn, !standing.empty());
}

void ChooseUrpTab::Choose(int column) {
  const Column& c = kColumns[column];
  app_.control("Label41", 60).setCaption(c.chosen);
  // The box is written last: its change handling decides "Next >>". The rule
  // is told the column: two candidates may show the same text.
  app_.dependencies.CopiedFrom(Box(UrpFfChosen), Box(c.candidate));
  app_.text1(UrpFfChosen).setText(app_.text1(c.candidate).text());
  frame::SetVisible(app_, kChosenRow, true);
}

void ChooseUrpTab::EnableChooseUrpNext() {
  app_.control("Command29", 6).setEnabled(frame::IsFilled(app_.text1(UrpFfChosen)));
}

void ChooseUrpTab::BackToFormula3Tab() { frame::OpenPage(app_.control("SSTab1", 2), 2); }

void ChooseUrpTab::AcceptChosenFastFrontUrp() {
  const std::string chosen = app_.text1(UrpFfChosen).text();
  app_.text1(UrpFfPe).setText(chosen);
  app_.text1(UrpFfPp).setText(chosen);
  page_.ShowSummary(true);
  app_.control("SSTab1", 2).setVisible(false);
  app_.control("Command25", 2).setCaption("RE-CALCULATE");
}

void ChooseUrpTab::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command29Click, 5, [this] { OpenChooseUrpTab(); });
  routes.on(Command29Click, 6, [this] { AcceptChosenFastFrontUrp(); });
  routes.on(Command29Click, 7, [this] { BackToFormula3Tab(); });
  for (int column = 0; column < 4; ++column)
    routes.on(Command28Click, kColumns[column].accept, [this, column] { Choose(column); });
  routes.on(Text1Change, UrpFfChosen, [this] { EnableChooseUrpNext(); });
}

}  // namespace surge
