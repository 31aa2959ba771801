// What the program must show, one check each. A failed check says what was seen.

#include <algorithm>

#include "scenario/steps.hpp"

namespace scenario {

namespace {

using platform::Control;

std::string YesNo(bool b) { return b ? "yes" : "no"; }

// The caption check also reads a window's caption, written without a prefix.
void ExpectCaption(Session& s, const Step& step, const std::string& name, const std::string& want) {
  std::string seen;
  if (Control* c = s.FindControl(name)) {
    seen = c->caption();
  } else if (platform::Window* w = s.FindWindow(name)) {
    seen = w->caption();
  } else {
    s.Fail(step, "no control " + name);
    return;
  }
  if (seen != want) s.Fail(step, name + " caption is " + Quoted(seen) + ", expected " + Quoted(want));
}

std::string PagesText(const Control& strip) {
  std::string out;
  for (int i = 0; i < strip.tabCount(); ++i) out += strip.tabEnabled(i) ? '1' : '0';
  return out;
}

void Expect(Session& s, const Step& step) {
  const auto& w = step.words;
  if (w.size() < 4) return s.Fail(step, "expect needs a control, a property and a value");
  const std::string& name = w[1];
  const std::string& property = w[2];
  const std::size_t want = property == "pagecaption" ? 5 : 4;
  if (w.size() != want)
    return s.Fail(step, "expect " + property + " takes " + std::to_string(want - 3) + " value(s)");
  if (property == "caption") return ExpectCaption(s, step, name, w[3]);

  Control* c = ControlOrFail(s, step, name);
  if (c == nullptr) return;
  auto differs = [&](const std::string& seen, const std::string& expected) {
    if (seen != expected)
      s.Fail(step, name + " " + property + " is " + Quoted(seen) + ", expected " + Quoted(expected));
  };
  auto flag = [&](bool seen) {
    if (auto expected = YesNoOrFail(s, step, w[3])) differs(YesNo(seen), YesNo(*expected));
  };
  auto number = [&](int seen) {
    if (auto expected = IntegerOrFail(s, step, w[3])) differs(std::to_string(seen), std::to_string(*expected));
  };

  if (property == "text") return differs(c->text(), w[3]);
  if (property == "visible") return flag(c->visible());
  if (property == "shown") return flag(c->isShown());
  if (property == "enabled") return flag(c->enabled());
  if (property == "locked") return flag(c->locked());
  if (property == "value") return flag(c->value());
  if (property == "left") return number(c->left());
  if (property == "top") return number(c->top());
  if (property == "width") return number(c->width());
  if (property == "height") return number(c->height());
  if (property == "tab") return number(c->tab());
  if (property == "pages") return differs(PagesText(*c), w[3]);
  if (property == "pagecaption") {
    const auto page = IntegerOrFail(s, step, w[3]);
    if (!page) return;
    if (*page < 0 || *page >= c->tabCount()) return s.Fail(step, name + " has no page " + w[3]);
    return differs(c->tabCaption(*page), w[4]);
  }
  s.Fail(step, "unknown property " + Quoted(property));
}

void ExpectWindow(Session& s, const Step& step) {
  const std::string& want = step.words[2];
  platform::Window* w = s.FindWindow(step.words[1]);
  std::string seen = "unloaded";
  if (w != nullptr) seen = w->shown() ? "shown" : "hidden";
  bool ok = false;
  if (want == "loaded") ok = w != nullptr;
  else if (want == "shown" || want == "hidden" || want == "unloaded") ok = seen == want;
  else return s.Fail(step, "a window is loaded, shown, hidden or unloaded, not " + Quoted(want));
  if (!ok) s.Fail(step, "window " + step.words[1] + " is " + seen + ", expected " + want);
}

void ExpectWindowCaption(Session& s, const Step& step) {
  platform::Window* w = s.FindWindow(step.words[1]);
  if (w == nullptr) return s.Fail(step, "window " + step.words[1] + " is not loaded");
  if (w->caption() != step.words[2])
    s.Fail(step, "window " + step.words[1] + " caption is " + Quoted(w->caption()) + ", expected " +
                          Quoted(step.words[2]));
}

// Message and input boxes are checked in the order they appeared.
void ExpectBox(Session& s, const Step& step, const std::vector<platform::ShownBox>& boxes, std::size_t& checked,
               const char* what) {
  if (checked >= boxes.size()) return s.Fail(step, std::string("no ") + what + " waiting to be checked");
  const auto& box = boxes[checked++];
  if (box.prompt != step.words[1] || box.title != step.words[2])
    s.Fail(step, std::string(what) + " showed " + Quoted(box.prompt) + " " + Quoted(box.title) +
                          ", expected " + Quoted(step.words[1]) + " " + Quoted(step.words[2]));
}

void ExpectMessage(Session& s, const Step& step) {
  ExpectBox(s, step, s.headless().dialogs.messages, s.checkedMessages, "message box");
}

void ExpectInput(Session& s, const Step& step) {
  ExpectBox(s, step, s.headless().dialogs.inputs, s.checkedInputs, "input box");
}

void ExpectNoMessage(Session& s, const Step& step) { s.FailUncheckedMessages(step); }

void ExpectPrinted(Session& s, const Step& step) {
  const auto n = IntegerOrFail(s, step, step.words[1]);
  if (!n) return;
  const auto& pages = s.headless().printer.printedPages;
  if (static_cast<int>(pages.size()) != *n)
    return s.Fail(step, std::to_string(pages.size()) + " page(s) printed, expected " + step.words[1]);
  const auto portrait = std::count(pages.begin(), pages.end(), platform::Orientation::Portrait);
  if (portrait > 0) s.Fail(step, std::to_string(portrait) + " page(s) printed in portrait");
}

void ExpectPointer(Session& s, const Step& step) {
  const std::string& want = step.words[1];
  if (want != "default" && want != "hourglass")
    return s.Fail(step, "the pointer is default or hourglass, not " + Quoted(want));
  const std::string seen =
      s.platform().mousePointer() == platform::MousePointer::Hourglass ? "hourglass" : "default";
  if (seen != want) s.Fail(step, "the pointer is " + seen + ", expected " + want);
}

void ExpectExited(Session& s, const Step& step) {
  const auto want = YesNoOrFail(s, step, step.words[1]);
  if (want && s.platform().exited() != *want)
    s.Fail(step, "the process has " + std::string(s.platform().exited() ? "" : "not ") + "exited");
}

}  // namespace

const StepTable& Checks() {
  static const StepTable table = {
      {"expect", {kAnyWords, Expect}},
      {"expect-window", {2, ExpectWindow}},
      {"expect-window-caption", {2, ExpectWindowCaption}},
      {"expect-message", {2, ExpectMessage}},
      {"expect-no-message", {0, ExpectNoMessage}},
      {"expect-input", {2, ExpectInput}},
      {"expect-printed", {1, ExpectPrinted}},
      {"expect-pointer", {1, ExpectPointer}},
      {"expect-exited", {1, ExpectExited}},
  };
  return table;
}

}  // namespace scenario
