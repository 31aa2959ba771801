// scenario-runner FILE...: runs each scenario file against a fresh headless
// program and prints one line per failed step, then "N passed, N failed".

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "scenario_steps.hpp"

namespace scenario {

platform::Control* ControlOrFail(Session& s, const Step& step, const std::string& name) {
  platform::Control* c = s.FindControl(name);
  if (c == nullptr) s.Fail(step.line, "no control " + name);
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
    s.Fail(step.line, Quoted(word) + " is not a whole number");
    return std::nullopt;
  }
  return word[0] == '-' ? -value : value;  // digits: word is not empty
}

std::optional<bool> YesNoOrFail(Session& s, const Step& step, const std::string& word) {
  if (word == "yes") return true;
  if (word == "no") return false;
  s.Fail(step.line, "expected yes or no, not " + Quoted(word));
  return std::nullopt;
}

namespace {

void RunStep(Session& s, const Step& step) {
  const std::string& verb = step.words[0];
  if (verb == "start") {
    if (step.words.size() != 1) return s.Fail(step.line, "start takes nothing");
    s.Start(step.line);
    return;
  }
  const StepKind* kind = nullptr;
  if (auto a = Actions().find(verb); a != Actions().end()) kind = &a->second;
  if (auto c = Checks().find(verb); c != Checks().end()) kind = &c->second;
  if (kind == nullptr) return s.Fail(step.line, "unknown step " + Quoted(verb));
  if (kind->words != kAnyWords && step.words.size() != kind->words + 1)
    return s.Fail(step.line, verb + " takes " + std::to_string(kind->words) + " word(s)");
  if (!s.started()) return s.Fail(step.line, "no program: the scenario must begin with start");
  kind->run(s, step);
}

// True when every step of the file passed.
bool RunFile(const std::string& file) {
  std::ifstream in(file);
  Session s(file);
  if (!in) {
    s.Fail(0, "cannot read the file");
    return false;
  }
  std::string text;
  int line = 0;
  int last = 0;
  while (std::getline(in, text)) {
    ++line;
    if (IsBlankOrComment(text)) continue;
    SplitResult split = SplitWords(text);
    if (!split.error.empty()) {
      s.Fail(line, split.error);
      continue;
    }
    last = line;
    const Step step{line, std::move(split.words)};
    try {
      RunStep(s, step);
    } catch (const std::exception& e) {
      s.Fail(line, std::string("the program failed: ") + e.what());
    }
    s.AfterStep(line);
  }
  if (line == 0 || last == 0) s.Fail(line, "the scenario holds no step");
  s.EndRun(last);
  return s.failures() == 0;
}

}  // namespace

}  // namespace scenario

int main(int argc, char** argv) {
  int passed = 0;
  int failed = 0;
  for (int i = 1; i < argc; ++i) (scenario::RunFile(argv[i]) ? passed : failed) += 1;
  std::cout << passed << " passed, " << failed << " failed\n";
  return failed == 0 && passed > 0 ? 0 : 1;
}
