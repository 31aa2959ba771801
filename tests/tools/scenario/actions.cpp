// What a person does with the program, one step each, through the session's front.

#include "scenario/steps.hpp"

namespace scenario {

namespace {

using platform::Control;

void Click(Session& s, const Step& step) {
  Control* c = ControlOrFail(s, step, step.words[1]);
  if (c == nullptr) return;
  if (std::string why = s.front().Click(*c); !why.empty()) s.Fail(step, "cannot click " + step.words[1] + ": " + why);
}

// An action on a box, failed with the front's reason when the person cannot do it.
template <class Act>
void OnBox(Session& s, const Step& step, const char* verb, Act act) {
  Control* c = ControlOrFail(s, step, step.words[1]);
  if (c == nullptr) return;
  if (std::string why = act(*c); !why.empty())
    s.Fail(step, std::string("cannot ") + verb + " " + step.words[1] + ": " + why);
}

void Type(Session& s, const Step& step) {
  OnBox(s, step, "type into", [&](Control& c) { return s.front().Type(c, step.words[2]); });
}

void Set(Session& s, const Step& step) {
  OnBox(s, step, "set", [&](Control& c) { return s.front().Replace(c, step.words[2]); });
}

void Clear(Session& s, const Step& step) {
  OnBox(s, step, "clear", [&](Control& c) { return s.front().Replace(c, ""); });
}

void Key(Session& s, const Step& step) {
  const auto code = IntegerOrFail(s, step, step.words[2]);
  if (code) OnBox(s, step, "press a key in", [&](Control& c) { return s.front().Key(c, *code); });
}

void Focus(Session& s, const Step& step) {
  OnBox(s, step, "focus", [&](Control& c) { return s.front().Focus(c); });
}

void Hover(Session& s, const Step& step) {
  OnBox(s, step, "hover over", [&](Control& c) { return s.front().Hover(c); });
}

void Tab(Session& s, const Step& step) {
  Control* strip = ControlOrFail(s, step, step.words[1]);
  const auto page = IntegerOrFail(s, step, step.words[2]);
  if (strip == nullptr || !page) return;
  if (strip->kind() != platform::Kind::TabStrip) return s.Fail(step, step.words[1] + " is not a tab strip");
  if (*page < 0 || *page >= strip->tabCount()) return s.Fail(step, step.words[1] + " has no page " + step.words[2]);
  if (std::string why = s.front().ClickTab(*strip, *page); !why.empty())
    s.Fail(step, "cannot click page " + step.words[2] + " of " + step.words[1] + ": " + why);
}

void Answer(Session& s, const Step& step) { s.headless().dialogs.queueAnswer(step.words[1]); }
void Cancel(Session& s, const Step&) { s.headless().dialogs.queueCancel(); }

void Close(Session& s, const Step& step) {
  platform::Window* w = s.FindWindow(step.words[1]);
  if (w == nullptr) return s.Fail(step, "cannot close " + step.words[1] + ": it is not loaded");
  if (std::string why = s.front().Close(*w); !why.empty()) s.Fail(step, "cannot close " + step.words[1] + ": " + why);
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
