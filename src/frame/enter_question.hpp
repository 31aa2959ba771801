#pragma once
// One question of a page's "ENTER": a value asked in an input box titled
// "Enter Data" and written into its box. Every ENTER of the program asks its
// values through this one routine, so each answer is tested the same way:
//
// - an empty answer (also Cancel) leaves the box as it is;
// - an answer that is no usable number: "Enter numeric value...", title
//   "Invalid Value" padded to 34;
// - the answer read as typed, its dots as decimal commas, times `umFactor`
//   below Um: "Enter a valid value...", title `invalidTitle` padded to
//   `invalidTitleLength` (a value equal to Um passes);
// - under the calculated-value rule (`mustRaise`), a value not strictly higher
//   than the number the box holds: "Calculated value is higher than the one
//   entered", title `notChangedTitle` as it stands; an empty box takes any value;
// - otherwise the box receives the number text of the value, cut to its
//   length; a value whose integer part the box cannot hold is refused like a
//   value below Um.
//
// A refusal ends only this question; the page goes on with its next one.

#include <cstddef>
#include <initializer_list>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"

namespace frame {

struct EnterQuestion {
  const char* prompt;
  ControlRef box;
  double umFactor;  // sqrt(3) for a phase-to-earth value, 1 otherwise
  const char* invalidTitle;
  std::size_t invalidTitleLength;
  bool mustRaise = false;
  const char* notChangedTitle = "";
};

enum class EnterOutcome { Unanswered, Refused, Written };

EnterOutcome AskEnterQuestion(App& app, const EnterQuestion& question);

// A page's whole ENTER: its questions in order, each whatever became of the
// one before; then, while any of their boxes holds a value, the page's summary
// is shown and the button reads "RE-ENTER", otherwise the summary is hidden
// and it reads "ENTER". Returns whether a box holds a value.
bool AskEnterQuestions(App& app, std::initializer_list<EnterQuestion> questions, ControlRefs summary,
                       ControlRef button);

}  // namespace frame
