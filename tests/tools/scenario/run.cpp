#include "scenario/run.hpp"

#include <exception>
#include <string>

#include "scenario/steps.hpp"

namespace scenario {

platform::Control* ControlOrFail(Session& s, const Step& step, const std::string& name) {
  platform::Control* c = s.FindControl(name);
  if (c == nullptr) s.Fail(step, "no control " + name);
  return c;
}

std::optional<int> IntegerOrFail(Session& s, const Step& step, const std::string& word) {
  int value = 0;
  bool digits = !word.empty();
  std::size_t i = digits && word[0] == '-' ? 1 : 0;
  if (i == word.size()) digits = false;
  for (; digits && i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9' || value > 1'000'000) digits = false;
    else value = value * 10 + (word[i] - '0');
  }
  if (!digits) {
    s.Fail(step, Quoted(word) + " is not a whole number");
    return std::nullopt;
  }
  return word[0] == '-' ? -value : value;  // digits: word is not empty
}

std::optional<bool> YesNoOrFail(Session& s, const Step& step, const std::string& word) {
  if (word == "yes") return true;
  if (word == "no") return false;
  s.Fail(step, "expected yes or no, not " + Quoted(word));
  return std::nullopt;
}

namespace {

void RunStep(Session& s, const Step& step) {
  const std::string& verb = step.words[0];
  if (verb == "start") {
    if (step.words.size() != 1) return s.Fail(step, "start takes nothing");
    s.Start(step);
    return;
  }
  const StepKind* kind = nullptr;
  if (auto a = Actions().find(verb); a != Actions().end()) kind = &a->second;
  if (auto c = Checks().find(verb); c != Checks().end()) kind = &c->second;
  if (kind == nullptr) return s.Fail(step, "unknown step " + Quoted(verb));
  if (kind->words != kAnyWords && step.words.size() != kind->words + 1)
    return s.Fail(step, verb + " takes " + std::to_string(kind->words) + " word(s)");
  if (!s.started()) return s.Fail(step, "no program: the scenario must begin with start");
  kind->run(s, step);
}

// "expect <strip> pages <flags>".
bool ChecksPageFlags(const Step& step) {
  return step.words.size() == 4 && step.words[0] == "expect" && step.words[2] == "pages";
}

// Runs every step and gives the number of failures, less those of the page
// flags' checks unless they count.
int Failures(const Script& script, std::ostream& out, Front& front, const AfterStep& after, bool pageFlagsCount) {
  Session s(out, front);
  int leftOut = 0;
  for (const Step& step : script.steps) {
    if (!step.error.empty()) {
      s.Fail(step, step.error);
      continue;
    }
    const int before = s.failures();
    try {
      RunStep(s, step);
    } catch (const FrontFailure& e) {
      s.Fail(step, e.what());
    } catch (const std::exception& e) {
      s.Fail(step, std::string("the program failed: ") + e.what());
    }
    if (!pageFlagsCount && ChecksPageFlags(step)) leftOut += s.failures() - before;
    s.AfterStep(step);
    if (after && s.started()) after(s, step);
  }
  s.EndRun();
  return s.failures() - leftOut;
}

}  // namespace

bool Run(const Script& script, std::ostream& out, const AfterStep& after) {
  Front model;
  return Run(script, out, model, after);
}

bool Run(const Script& script, std::ostream& out, Front& front, const AfterStep& after) {
  return Failures(script, out, front, after, true) == 0;
}

bool RunRoad(const std::string& file, std::ostream& out, Front& front, const AfterStep& after) {
  return Failures(Load(file), out, front, after, false) == 0;
}

bool RunRoad(const std::string& file, std::ostream& out, const AfterStep& after) {
  Front model;
  return RunRoad(file, out, model, after);
}

}  // namespace scenario
