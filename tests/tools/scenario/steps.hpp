#pragma once
// The steps a scenario may hold: actions (what the person does) and checks
// (what the program must show). Each returns after reporting its own failures.

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "scenario/session.hpp"

namespace scenario {

constexpr std::size_t kAnyWords = static_cast<std::size_t>(-1);

struct StepKind {
  std::size_t words;  // the number of words after the step's own; kAnyWords: the step checks
  std::function<void(Session&, const Step&)> run;
};

using StepTable = std::map<std::string, StepKind, std::less<>>;

const StepTable& Actions();
const StepTable& Checks();

// Helpers the steps share.
platform::Control* ControlOrFail(Session& s, const Step& step, const std::string& name);
std::optional<int> IntegerOrFail(Session& s, const Step& step, const std::string& word);
std::optional<bool> YesNoOrFail(Session& s, const Step& step, const std::string& word);

}  // namespace scenario
