// What a person does with the program, one step each.

#include "scenario/steps.hpp"

namespace scenario {

namespace {

using platform::Control;

// A person can reach a control only while it is shown and it and every
// container around it are enabled.
bool Usable(const Control& c) {
  if (!c.isShown()) return false;
  for (const Control* k = &c; k != nullptr; k = k->container())
    if (!k->enabled()) return false;
  return true;
}

void Click(Session& s, const Step& step) {
  Control* c = ControlOrFail(s, step, step.words[1]);
  if (c == nullptr) return;
  if (!c->isShown()) return s.Fail(step, "cannot click " + step.words[1] + ": it is not shown");
  if (!Usable(*c)) return s.Fail(step, "cannot click " + step.words[1] + ": it is not enabled");
  s.platform().click(*c);
}

void Type(Session& s, const Step& step) {
  if (Control* c = ControlOrFail(s, step, step.words[1])) s.platform().typeText(*c, step.words[2]);
}

void Set(Session& s, const Step& step) {
  if (Control* c = ControlOrFail(s, step, step.words[1])) s.platform().setTextByUser(*c, step.words[2]);
}

void Clear(Session& s, const Step& step) {
  if (Control* c = ControlOrFail(s, step, step.words[1])) s.platform().setTextByUser(*c, "");
}

void Key(Session& s, const Step& step) {
  Control* c = ControlOrFail(s, step, step.words[1]);
  const auto code = IntegerOrFail(s, step, step.words[2]);
  if (c != nullptr && code) s.platform().keyPress(*c, *code);
}

void Focus(Session& s, const Step& step) {
  if (Control* c = ControlOrFail(s, step, step.words[1])) s.platform().focus(*c);
}

void Hover(Session& s, const Step& step) {
  if (Control* c = ControlOrFail(s, step, step.words[1])) s.platform().mouseMove(*c);
}

void Tab(Session& s, const Step& step) {
  Control* strip = ControlOrFail(s, step, step.words[1]);
  const auto page = IntegerOrFail(s, step, step.words[2]);
  if (strip == nullptr || !page) return;
  if (strip->kind() != platform::Kind::TabStrip)
    return s.Fail(step, step.words[1] + " is not a tab strip");
  if (!strip->isShown()) return s.Fail(step, "cannot click a page of " + step.words[1] + ": it is not shown");
  if (!Usable(*strip)) return s.Fail(step, "cannot click a page of " + step.words[1] + ": it is disabled");
  if (*page < 0 || *page >= strip->tabCount())
    return s.Fail(step, step.words[1] + " has no page " + step.words[2]);
  if (!s.platform().clickTab(*strip, *page))
    s.Fail(step, "cannot click page " + step.words[2] + " of " + step.words[1] + ": the page is disabled");
}

void Answer(Session& s, const Step& step) { s.headless().dialogs.queueAnswer(step.words[1]); }
void Cancel(Session& s, const Step&) { s.headless().dialogs.queueCancel(); }

void Close(Session& s, const Step& step) {
  platform::Window* w = s.FindWindow(step.words[1]);
  if (w == nullptr) return s.Fail(step, "cannot close " + step.words[1] + ": it is not loaded");
  s.platform().close(*w);
}

void Printer(Session& s, const Step& step) {
  const std::string& how = step.words[1];
  if (how != "ok" && how != "fail") return s.Fail(step, "printer takes ok or fail, not " + Quoted(how));
  s.headless().printer.failNext = how == "fail";
}

void Date(Session& s, const Step& step) { s.headless().clock.date = step.words[1]; }

}  // namespace

const StepTable& Actions() {
  static const StepTable table = {
      {"click", {1, Click}},   {"type", {2, Type}},     {"set", {2, Set}},        {"clear", {1, Clear}},
      {"key", {2, Key}},       {"focus", {1, Focus}},   {"hover", {1, Hover}},    {"tab", {2, Tab}},
      {"answer", {1, Answer}}, {"cancel", {0, Cancel}}, {"close", {1, Close}},    {"printer", {1, Printer}},
      {"date", {1, Date}},
  };
  return table;
}

}  // namespace scenario
