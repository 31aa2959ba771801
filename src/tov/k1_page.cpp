#include "tov/k1_page.hpp"

#include <initializer_list>
#include <optional>
#include <string>

#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "platform/numbers.hpp"
#include "platform/window.hpp"
#include "tov/factor_formulas.hpp"
#include "tov/factor_entry.hpp"

namespace tov {

namespace {

using frame::AllFilled;
using frame::Clear;
using frame::ControlRef;
using frame::FilledRule;
using frame::SetVisible;
using platform::Control;
using platform::EventType;

constexpr ControlRef kFactorEntrySet[] = {"lblK1", "lblK1H", "txtK1"};
constexpr ControlRef kUrpEntrySet[] = {"lblUrppea", "lblrppea", "txtEnterpe1", {"lblKV", 0},
                                       "lblUrpppa", "lblrpppa", "txtEnterpp1", {"lblKV", 1}};
constexpr ControlRef kSystemSet[] = {"lblQL1", {"lblLQ1", 2}, {"lblPL1", 2}, "lblLP1", "lblSSC1", "lblSC1",
                                     "txtQL1", "txtPL1", "txtSSC1"};
constexpr ControlRef kUnitSet[] = {"lblXd1", "lblUk1", "Label73", "lblSG1", "lblG1", "lblSTr1", "lblTr1", "lblCos1",
                                   "txtXd1", "txtUk1", "txtSG1", "txtSTr1", "txtCos1"};
constexpr ControlRef kDataBoxes[] = {"txtQL1", "txtPL1", "txtSSC1", "txtXd1", "txtUk1", "txtSG1", "txtSTr1", "txtCos1"};
constexpr ControlRef kEntryBoxes[] = {"txtK1", "txtEnterpe1", "txtEnterpp1"};
constexpr ControlRef kFactorBox[] = {"txtK1"};
constexpr ControlRef kUrpBoxes[] = {"txtEnterpe1", "txtEnterpp1"};
constexpr ControlRef kSystemBoxes[] = {"txtQL1", "txtPL1", "txtSSC1"};
constexpr ControlRef kUnitBoxes[] = {"txtXd1", "txtUk1", "txtSG1", "txtSTr1", "txtCos1"};
constexpr ControlRef kResults[] = {"txtUrppe1", "txtUrppp1"};
constexpr ControlRef kResultDisplay[] = {"Label12", {"Label1", 2}, "txtUrppe1", {"Label13", 0},
                                         "Label14", {"Label1", 1}, "txtUrppp1", {"Label13", 1}};
constexpr ControlRef kSubOptions[] = {"optFactorK1", "optUrpK1", "optK11", "optK12"};

// The box checks: each box's own number check, then its group's "OK" shown
// exactly while every box of the group holds text (txtK1_Change to
// txtSTr1_Change); the two results enable "Next >>" (txtUrppe1_Change,
// txtUrppp1_Change). txtCos1_Change has a range check of its own.
constexpr FilledRule kBoxRules[] = {
    {"txtK1", kFactorBox, "cmdEnterOK1"},
    {"txtEnterpe1", kUrpBoxes, "cmdEnterOK1"},
    {"txtEnterpp1", kUrpBoxes, "cmdEnterOK1"},
    {"txtQL1", kSystemBoxes, "cmdCalculateOK1"},
    {"txtPL1", kSystemBoxes, "cmdCalculateOK1"},
    {"txtSSC1", kSystemBoxes, "cmdCalculateOK1"},
    {"txtXd1", kUnitBoxes, "cmdCalculateOK1"},
    {"txtUk1", kUnitBoxes, "cmdCalculateOK1"},
    {"txtSG1", kUnitBoxes, "cmdCalculateOK1"},
    {"txtSTr1", kUnitBoxes, "cmdCalculateOK1"},
    {"txtUrppe1", kResults, "Command3", FilledRule::Action::Enable, false},
    {"txtUrppp1", kResults, "Command3", FilledRule::Action::Enable, false},
};
// cos phi checks its number and its range itself, then shows "OK" by the same rule.
constexpr FilledRule kCosOk{"txtCos1", kUnitBoxes, "cmdCalculateOK1", FilledRule::Action::Show, false};

void ClearResults(frame::App& app) { Clear(app, kResults); }

constexpr ControlRef kEntryFrame[] = {"fraEnterK1"};
constexpr ControlRef kDataFrame[] = {"fraCalculateK1"};

constexpr RowChoice kFactorChoice{"fraEnterK1", kFactorEntrySet, kUrpEntrySet, kEntryBoxes,
                                  "cmdEnterOK1", "txtK1", true, kDataFrame};
constexpr RowChoice kUrpChoice{"fraEnterK1", kUrpEntrySet, kFactorEntrySet, kEntryBoxes,
                               "cmdEnterOK1", "txtEnterpp1", false, kDataFrame};
constexpr RowChoice kSystemChoice{"fraCalculateK1", kSystemSet, kUnitSet, kDataBoxes,
                                  "cmdCalculateOK1", "txtSSC1", false, kEntryFrame};
constexpr RowChoice kUnitChoice{"fraCalculateK1", kUnitSet, kSystemSet, kDataBoxes,
                                "cmdCalculateOK1", "txtCos1", false, kEntryFrame};

// "Enter" and "Calculate": the frame of the chosen way comes up over the
// others with nothing chosen in it, and the results go.
void OpenWay(frame::App& app, const char* frame, std::initializer_list<ControlRef> otherFrames, bool picture) {
  app.control(frame).setVisible(true);
  SetVisible(app, otherFrames, false);
  app.control("Image1").setVisible(picture);
  ClearResults(app);
  SetVisible(app, kResultDisplay, false);
  frame::Deselect(app, kSubOptions);
  app.control("Command3").setEnabled(false);
}

// A choice of entry or case; the generator-transformer unit is shown
// beside all of them but the system case.
void OpenChoice(frame::App& app, const RowChoice& choice, bool picture) {
  OpenRows(app, choice);
  app.control("Image1").setVisible(picture);
  ClearResults(app);
  SetVisible(app, kResultDisplay, false);
  app.control("Command3").setEnabled(false);
}

}  // namespace

// ---- build and routes -----------------------------------------------------

void K1Page::Build(platform::Window& w) { w.createAll(Design()); }

void K1Page::DeclareRoutes(frame::Routes& routes) {
  routes.on("optEnterK1", EventType::Click, [this] { optEnterK1_Click(); });
  routes.on("optCalculateK1", EventType::Click, [this] { optCalculateK1_Click(); });
  routes.on("optIgnoreK1", EventType::Click, [this] { optIgnoreK1_Click(); });
  routes.on("optFactorK1", EventType::Click, [this] { optFactorK1_Click(); });
  routes.on("optUrpK1", EventType::Click, [this] { optUrpK1_Click(); });
  routes.on("optK11", EventType::Click, [this] { optK11_Click(); });
  routes.on("optK12", EventType::Click, [this] { optK12_Click(); });
  routes.on("cmdEnterOK1", EventType::Click, [this] { cmdEnterOK1_Click(); });
  routes.on("cmdCalculateOK1", EventType::Click, [this] { cmdCalculateOK1_Click(); });
  routes.on("txtCos1", EventType::Change, [this] { txtCos1_Change(); });
  for (const FilledRule& rule : kBoxRules)
    routes.on(rule.box.name, EventType::Change, [this, &rule] { frame::RunFilledRule(app_, rule); });
}

// ---- results --------------------------------------------------------------

// Both or neither: a half-written pair would let "Next >>" through with a stale value.
bool K1Page::WriteUrp(double pe, double pp) { return frame::WriteAll(app_, {{&app_.control("txtUrppe1"), pe}, {&app_.control("txtUrppp1"), pp}}); }

bool K1Page::WriteUrpFromK1(double k1) {
  const UrpPair urp = UrpFromK1(app_.Um(), k1);
  return WriteUrp(urp.pe, urp.pp);
}

void K1Page::RefuseResult() {
  app_.InvalidValueGroup();
  ClearResults(app_);
}

// ---- modes ----------------------------------------------------------------

void K1Page::optEnterK1_Click() {
  OpenWay(app_, "fraEnterChoose1", {"fraCalculateChoose1", "fraEnterK1", "fraCalculateK1"}, true);
}

void K1Page::optCalculateK1_Click() {
  OpenWay(app_, "fraCalculateChoose1", {"fraEnterChoose1", "fraEnterK1", "fraCalculateK1"}, false);
}

void K1Page::optIgnoreK1_Click() {
  SetVisible(app_, {"fraEnterChoose1", "fraCalculateChoose1", "fraEnterK1", "fraCalculateK1"}, false);
  app_.control("Image1").setVisible(false);
  SetVisible(app_, kResultDisplay, true);
  ClearResults(app_);
  const bool written = WriteUrpFromK1(1.0);
  if (!written) {
    RefuseResult();
    SetVisible(app_, kResultDisplay, false);
  } else {
    SetVisible(app_, {"txtUrppe1", "txtUrppp1"}, true);
  }
  frame::Deselect(app_, kSubOptions);
  app_.control("Command3").setEnabled(written);
}

void K1Page::optFactorK1_Click() { OpenChoice(app_, kFactorChoice, true); }
void K1Page::optUrpK1_Click() { OpenChoice(app_, kUrpChoice, true); }
void K1Page::optK11_Click() { OpenChoice(app_, kSystemChoice, false); }
void K1Page::optK12_Click() { OpenChoice(app_, kUnitChoice, true); }

// ---- OK buttons -----------------------------------------------------------

void K1Page::cmdEnterOK1_Click() {
  bool success = true;
  Control& k1Box = app_.control("txtK1");
  if (frame::IsFilled(k1Box)) {
    if (!platform::TextToNumber(k1Box.text())) {
      app_.InvalidValueGroup();
      k1Box.setText("");
      success = false;
    } else {
      frame::ReplaceDotWithComma(app_.module1, k1Box);
      const std::optional<double> k1 = platform::TextToNumber(k1Box.text());
      if (!k1 || !WriteUrpFromK1(*k1)) {
        RefuseResult();
        success = false;
      }
    }
  } else {
    Control& peBox = app_.control("txtEnterpe1");
    Control& ppBox = app_.control("txtEnterpp1");
    if (platform::TextToNumber(peBox.text()) && platform::TextToNumber(ppBox.text())) {
      frame::ReplaceDotWithComma(app_.module1, peBox);
      frame::ReplaceDotWithComma(app_.module1, ppBox);
      const std::optional<double> pe = platform::TextToNumber(peBox.text());
      const std::optional<double> pp = platform::TextToNumber(ppBox.text());
      if (!pe || !pp || !WriteUrp(*pe, *pp)) {
        RefuseResult();
        success = false;
      } else {
        app_.control("fraEnterK1").setVisible(false);
      }
    } else {
      app_.InvalidValueGroup();
      peBox.setText("");
      ppBox.setText("");
      success = false;
    }
  }
  SetVisible(app_, kResultDisplay, success);
}

void K1Page::cmdCalculateOK1_Click() {
  bool success = true;
  const bool inSystem = AllFilled(app_, kSystemBoxes);
  const frame::ControlRefs set = inSystem ? frame::ControlRefs(kSystemBoxes) : frame::ControlRefs(kUnitBoxes);

  bool allNumbers = true;
  for (const ControlRef& box : set)
    if (!platform::TextToNumber(frame::Get(app_, box).text())) allNumbers = false;

  if (!allNumbers) {
    app_.InvalidValueGroup();
    Clear(app_, set);
    success = false;
  } else {
    for (const ControlRef& box : set) frame::ReplaceDotWithComma(app_.module1, frame::Get(app_, box));
    double data[5] = {};
    int count = 0;
    for (const ControlRef& box : set) {
      const std::optional<double> value = platform::TextToNumber(frame::Get(app_, box).text());
      if (!value) allNumbers = false;
      data[count++] = value.value_or(0);
    }
    const std::optional<double> k1 =
        !allNumbers ? std::nullopt
        : inSystem  ? K1InSystem(data[0], data[1], data[2])
                    : K1OnGeneratorUnit(data[0], data[1], data[2], data[3], data[4]);
    if (!k1 || !WriteUrpFromK1(*k1)) {
      RefuseResult();
      success = false;
    }
  }
  SetVisible(app_, kResultDisplay, success);
}

// ---- box checks -----------------------------------------------------------

void K1Page::txtCos1_Change() {
  Control& box = app_.control("txtCos1");
  frame::RefuseUnlessNumber(app_, box);
  if (frame::IsFilled(box)) {
    const std::optional<double> cosPhi = platform::TextToNumber(box.text());
    if (cosPhi && *cosPhi > 1) {
      app_.platform.messageBox("Enter a valid value or use ',' instead of '.'",
                               frame::PaddedTitle("Invalid value", 34));
      box.setText("");
    }
  }
  frame::RunFilledRule(app_, kCosOk);
}

}  // namespace tov
