#include "tov/k1_page.hpp"

#include <initializer_list>
#include <optional>
#include <string>

#include "frame/number_text.hpp"
#include "platform/numbers.hpp"
#include "tov/k1_formulas.hpp"

namespace tov {

namespace {

using platform::Control;
using platform::EventType;
using platform::kNoIndex;

// A control of the page by name and, for the arrays, index.
struct Ref {
  Ref(const char* n, int i = kNoIndex) : name(n), index(i) {}
  const char* name;
  int index;
};

using Refs = std::initializer_list<Ref>;

const Refs kFactorEntrySet = {"lblK1", "lblK1H", "txtK1"};
const Refs kUrpEntrySet = {"lblUrppea", "lblrppea", "txtEnterpe1", {"lblKV", 0},
                           "lblUrpppa", "lblrpppa", "txtEnterpp1", {"lblKV", 1}};
const Refs kSystemSet = {"lblQL1", {"lblLQ1", 2}, {"lblPL1", 2}, "lblLP1", "lblSSC1", "lblSC1",
                         "txtQL1", "txtPL1", "txtSSC1"};
const Refs kUnitSet = {"lblXd1", "lblUk1", "Label73", "lblSG1", "lblG1", "lblSTr1", "lblTr1", "lblCos1",
                       "txtXd1", "txtUk1", "txtSG1", "txtSTr1", "txtCos1"};
const Refs kDataBoxes = {"txtQL1", "txtPL1", "txtSSC1", "txtXd1", "txtUk1", "txtSG1", "txtSTr1", "txtCos1"};
const Refs kEntryBoxes = {"txtK1", "txtEnterpe1", "txtEnterpp1"};
const Refs kSystemBoxes = {"txtQL1", "txtPL1", "txtSSC1"};
const Refs kUnitBoxes = {"txtXd1", "txtUk1", "txtSG1", "txtSTr1", "txtCos1"};
const Refs kResultDisplay = {"Label12", {"Label1", 2}, "txtUrppe1", {"Label13", 0},
                             "Label14", {"Label1", 1}, "txtUrppp1", {"Label13", 1}};
const Refs kSubOptions = {"optFactorK1", "optUrpK1", "optK11", "optK12"};

bool Filled(const Control& box) { return !box.text().empty(); }

}  // namespace

Control& K1Page::c(const char* name, int index) const { return app_.control(name, index); }

// ---- helpers over groups of controls --------------------------------------

namespace {

void SetVisible(frame::App& app, Refs refs, bool visible) {
  for (const Ref& r : refs) app.control(r.name, r.index).setVisible(visible);
}

void Clear(frame::App& app, Refs refs) {
  for (const Ref& r : refs) app.control(r.name, r.index).setText("");
}

bool AllFilled(frame::App& app, Refs refs) {
  for (const Ref& r : refs)
    if (!Filled(app.control(r.name, r.index))) return false;
  return true;
}

// The OK button of a group is there exactly while every box of the group holds text.
void ShowOkWhenFilled(frame::App& app, Refs group, const char* ok) {
  app.control(ok).setVisible(AllFilled(app, group));
}

void ClearResults(frame::App& app) { Clear(app, {"txtUrppe1", "txtUrppp1"}); }

void Unselect(frame::App& app, Refs options) {
  for (const Ref& r : options) app.control(r.name, r.index).setValue(false);
}

void MoveBeside(Control& ok, const Control& box) { ok.setGeometry(box.left() + box.width() + 60, box.top(), ok.width(), ok.height()); }
void MoveBelow(Control& ok, const Control& box) { ok.setGeometry(box.left(), box.top() + box.height() + 150, ok.width(), ok.height()); }

}  // namespace

// ---- build ----------------------------------------------------------------

void K1Page::Build(platform::Window& w) {
  w.createAll(Design());
  auto bind = [&w](const char* name, EventType type, void (K1Page::*procedure)(), K1Page* self) {
    w.on(name, type, [self, procedure](platform::Event&) { (self->*procedure)(); });
  };
  bind("optEnterK1", EventType::Click, &K1Page::optEnterK1_Click, this);
  bind("optCalculateK1", EventType::Click, &K1Page::optCalculateK1_Click, this);
  bind("optIgnoreK1", EventType::Click, &K1Page::optIgnoreK1_Click, this);
  bind("optFactorK1", EventType::Click, &K1Page::optFactorK1_Click, this);
  bind("optUrpK1", EventType::Click, &K1Page::optUrpK1_Click, this);
  bind("optK11", EventType::Click, &K1Page::optK11_Click, this);
  bind("optK12", EventType::Click, &K1Page::optK12_Click, this);
  bind("cmdEnterOK1", EventType::Click, &K1Page::cmdEnterOK1_Click, this);
  bind("cmdCalculateOK1", EventType::Click, &K1Page::cmdCalculateOK1_Click, this);
  bind("txtK1", EventType::Change, &K1Page::txtK1_Change, this);
  bind("txtEnterpe1", EventType::Change, &K1Page::txtEnterpe1_Change, this);
  bind("txtEnterpp1", EventType::Change, &K1Page::txtEnterpp1_Change, this);
  bind("txtQL1", EventType::Change, &K1Page::txtQL1_Change, this);
  bind("txtPL1", EventType::Change, &K1Page::txtPL1_Change, this);
  bind("txtSSC1", EventType::Change, &K1Page::txtSSC1_Change, this);
  bind("txtXd1", EventType::Change, &K1Page::txtXd1_Change, this);
  bind("txtUk1", EventType::Change, &K1Page::txtUk1_Change, this);
  bind("txtSG1", EventType::Change, &K1Page::txtSG1_Change, this);
  bind("txtSTr1", EventType::Change, &K1Page::txtSTr1_Change, this);
  bind("txtCos1", EventType::Change, &K1Page::txtCos1_Change, this);
  bind("txtUrppe1", EventType::Change, &K1Page::txtUrppe1_Change, this);
  bind("txtUrppp1", EventType::Change, &K1Page::txtUrppp1_Change, this);
}

// The page's controls are named, not elements of the routed arrays: Build binds them.
void K1Page::Register(frame::Procedures&) {}

// ---- results --------------------------------------------------------------

bool K1Page::WriteUrp(double pe, double pp) {
  Control& peBox = c("txtUrppe1");
  Control& ppBox = c("txtUrppp1");
  // Both or neither: a half-written pair would let "Next >>" through with a stale value.
  if (!platform::NumberTextForBox(pe, peBox.maxLength()) || !platform::NumberTextForBox(pp, ppBox.maxLength()))
    return false;
  return app_.WriteNumber(peBox, pe) && app_.WriteNumber(ppBox, pp);
}

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
  c("fraEnterChoose1").setVisible(true);
  SetVisible(app_, {"fraCalculateChoose1", "fraEnterK1", "fraCalculateK1"}, false);
  c("Image1").setVisible(true);
  ClearResults(app_);
  SetVisible(app_, kResultDisplay, false);
  Unselect(app_, kSubOptions);
  c("Command3").setEnabled(false);
}

void K1Page::optCalculateK1_Click() {
  c("fraCalculateChoose1").setVisible(true);
  SetVisible(app_, {"fraEnterChoose1", "fraEnterK1", "fraCalculateK1"}, false);
  c("Image1").setVisible(false);
  ClearResults(app_);
  SetVisible(app_, kResultDisplay, false);
  Unselect(app_, kSubOptions);
  c("Command3").setEnabled(false);
}

void K1Page::optIgnoreK1_Click() {
  SetVisible(app_, {"fraEnterChoose1", "fraCalculateChoose1", "fraEnterK1", "fraCalculateK1"}, false);
  c("Image1").setVisible(false);
  SetVisible(app_, kResultDisplay, true);
  ClearResults(app_);
  const bool written = WriteUrpFromK1(1.0);
  if (!written) {
    RefuseResult();
    SetVisible(app_, kResultDisplay, false);
  } else {
    SetVisible(app_, {"txtUrppe1", "txtUrppp1"}, true);
  }
  Unselect(app_, kSubOptions);
  c("Command3").setEnabled(written);
}

void K1Page::optFactorK1_Click() {
  c("fraEnterK1").setVisible(true);
  c("fraCalculateK1").setVisible(false);
  SetVisible(app_, kUrpEntrySet, false);
  SetVisible(app_, kFactorEntrySet, true);
  c("Image1").setVisible(true);
  Clear(app_, kEntryBoxes);
  ClearResults(app_);
  Control& ok = c("cmdEnterOK1");
  MoveBeside(ok, c("txtK1"));
  ok.setVisible(false);
  SetVisible(app_, kResultDisplay, false);
  c("Command3").setEnabled(false);
}

void K1Page::optUrpK1_Click() {
  c("fraEnterK1").setVisible(true);
  c("fraCalculateK1").setVisible(false);
  SetVisible(app_, kFactorEntrySet, false);
  SetVisible(app_, kUrpEntrySet, true);
  c("Image1").setVisible(true);
  Clear(app_, kEntryBoxes);
  ClearResults(app_);
  Control& ok = c("cmdEnterOK1");
  MoveBelow(ok, c("txtEnterpp1"));
  ok.setVisible(false);
  SetVisible(app_, kResultDisplay, false);
  c("Command3").setEnabled(false);
}

void K1Page::optK11_Click() {
  c("fraCalculateK1").setVisible(true);
  c("fraEnterK1").setVisible(false);
  SetVisible(app_, kUnitSet, false);
  SetVisible(app_, kSystemSet, true);
  c("Image1").setVisible(false);
  Clear(app_, kDataBoxes);
  ClearResults(app_);
  Control& ok = c("cmdCalculateOK1");
  MoveBelow(ok, c("txtSSC1"));
  ok.setVisible(false);
  SetVisible(app_, kResultDisplay, false);
  c("Command3").setEnabled(false);
}

void K1Page::optK12_Click() {
  c("fraCalculateK1").setVisible(true);
  c("fraEnterK1").setVisible(false);
  SetVisible(app_, kSystemSet, false);
  SetVisible(app_, kUnitSet, true);
  c("Image1").setVisible(true);
  Clear(app_, kDataBoxes);
  ClearResults(app_);
  Control& ok = c("cmdCalculateOK1");
  MoveBelow(ok, c("txtCos1"));
  ok.setVisible(false);
  SetVisible(app_, kResultDisplay, false);
  c("Command3").setEnabled(false);
}

// ---- OK buttons -----------------------------------------------------------

void K1Page::cmdEnterOK1_Click() {
  bool success = true;
  Control& k1Box = c("txtK1");
  if (Filled(k1Box)) {
    if (!platform::TextToNumber(k1Box.text())) {
      app_.InvalidValueGroup();
      k1Box.setText("");
      success = false;
    } else {
      frame::ReplaceDotWithComma(app_.g, k1Box);
      const std::optional<double> k1 = platform::TextToNumber(k1Box.text());
      if (!k1 || !WriteUrpFromK1(*k1)) {
        RefuseResult();
        success = false;
      }
    }
  } else {
    Control& peBox = c("txtEnterpe1");
    Control& ppBox = c("txtEnterpp1");
    if (platform::TextToNumber(peBox.text()) && platform::TextToNumber(ppBox.text())) {
      frame::ReplaceDotWithComma(app_.g, peBox);
      frame::ReplaceDotWithComma(app_.g, ppBox);
      const std::optional<double> pe = platform::TextToNumber(peBox.text());
      const std::optional<double> pp = platform::TextToNumber(ppBox.text());
      if (!pe || !pp || !WriteUrp(*pe, *pp)) {
        RefuseResult();
        success = false;
      } else {
        c("fraEnterK1").setVisible(false);
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
  const Refs set = inSystem ? kSystemBoxes : kUnitBoxes;

  bool allNumbers = true;
  for (const Ref& r : set)
    if (!platform::TextToNumber(c(r.name, r.index).text())) allNumbers = false;

  if (!allNumbers) {
    app_.InvalidValueGroup();
    Clear(app_, set);
    success = false;
  } else {
    for (const Ref& r : set) frame::ReplaceDotWithComma(app_.g, c(r.name, r.index));
    double v[5] = {};
    int n = 0;
    for (const Ref& r : set) {
      const std::optional<double> x = platform::TextToNumber(c(r.name, r.index).text());
      if (!x) allNumbers = false;
      v[n++] = x.value_or(0);
    }
    const std::optional<double> k1 =
        !allNumbers ? std::nullopt
        : inSystem  ? K1InSystem(v[0], v[1], v[2])
                    : K1OnGeneratorUnit(v[0], v[1], v[2], v[3], v[4]);
    if (!k1 || !WriteUrpFromK1(*k1)) {
      RefuseResult();
      success = false;
    }
  }
  SetVisible(app_, kResultDisplay, success);
}

// ---- box checks -----------------------------------------------------------

void K1Page::CheckBox(Control& box) {
  if (Filled(box) && !platform::TextToNumber(box.text())) {
    app_.InvalidValueBox();
    box.setText("");
  }
}

void K1Page::txtK1_Change() {
  CheckBox(c("txtK1"));
  ShowOkWhenFilled(app_, {"txtK1"}, "cmdEnterOK1");
}

void K1Page::txtEnterpe1_Change() {
  CheckBox(c("txtEnterpe1"));
  ShowOkWhenFilled(app_, {"txtEnterpe1", "txtEnterpp1"}, "cmdEnterOK1");
}

void K1Page::txtEnterpp1_Change() {
  CheckBox(c("txtEnterpp1"));
  ShowOkWhenFilled(app_, {"txtEnterpe1", "txtEnterpp1"}, "cmdEnterOK1");
}

void K1Page::txtQL1_Change() {
  CheckBox(c("txtQL1"));
  ShowOkWhenFilled(app_, kSystemBoxes, "cmdCalculateOK1");
}

void K1Page::txtPL1_Change() {
  CheckBox(c("txtPL1"));
  ShowOkWhenFilled(app_, kSystemBoxes, "cmdCalculateOK1");
}

void K1Page::txtSSC1_Change() {
  CheckBox(c("txtSSC1"));
  ShowOkWhenFilled(app_, kSystemBoxes, "cmdCalculateOK1");
}

void K1Page::txtXd1_Change() {
  CheckBox(c("txtXd1"));
  ShowOkWhenFilled(app_, kUnitBoxes, "cmdCalculateOK1");
}

void K1Page::txtUk1_Change() {
  CheckBox(c("txtUk1"));
  ShowOkWhenFilled(app_, kUnitBoxes, "cmdCalculateOK1");
}

void K1Page::txtSG1_Change() {
  CheckBox(c("txtSG1"));
  ShowOkWhenFilled(app_, kUnitBoxes, "cmdCalculateOK1");
}

void K1Page::txtSTr1_Change() {
  CheckBox(c("txtSTr1"));
  ShowOkWhenFilled(app_, kUnitBoxes, "cmdCalculateOK1");
}

void K1Page::txtCos1_Change() {
  Control& box = c("txtCos1");
  CheckBox(box);
  if (Filled(box)) {
    const std::optional<double> cosPhi = platform::TextToNumber(box.text());
    if (cosPhi && *cosPhi > 1) {
      app_.platform.messageBox("Enter a valid value or use ',' instead of '.'",
                               frame::PaddedTitle("Invalid value", 34));
      box.setText("");
    }
  }
  ShowOkWhenFilled(app_, kUnitBoxes, "cmdCalculateOK1");
}

// "Next >>" is there for the flow exactly while both results stand.
void K1Page::txtUrppe1_Change() { c("Command3").setEnabled(AllFilled(app_, {"txtUrppe1", "txtUrppp1"})); }
void K1Page::txtUrppp1_Change() { c("Command3").setEnabled(AllFilled(app_, {"txtUrppe1", "txtUrppp1"})); }

}  // namespace tov
