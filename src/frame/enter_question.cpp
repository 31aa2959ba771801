#include "frame/enter_question.hpp"

#include <optional>
#include <string>

#include "platform/numbers.hpp"

namespace frame {

EnterOutcome AskEnterQuestion(App& app, const EnterQuestion& q) {
  const std::string answer = app.platform.inputBox(q.prompt, "Enter Data");
  if (answer.empty()) return EnterOutcome::Unanswered;

  // Read with its dots as decimal commas, also for the test against Um, so
  // "200.5" is never 2005 and a value below Um never passes through a dot.
  const std::optional<double> v = platform::TextToNumber(answer);
  if (!v) {
    app.platform.messageBox("Enter numeric value...", PaddedTitle("Invalid Value", 34));
    return EnterOutcome::Refused;
  }
  const auto refuseInvalid = [&] {
    app.platform.messageBox("Enter a valid value...", PaddedTitle(q.invalidTitle, q.invalidTitleLength));
    return EnterOutcome::Refused;
  };
  if (*v * q.umFactor < app.Um()) return refuseInvalid();

  platform::Control& box = app.control(q.box.name, q.box.index);
  if (q.mustRaise) {
    const std::optional<double> present = platform::TextToNumber(box.text());
    if (present && !(*present < *v)) {
      app.platform.messageBox("Calculated value is higher than the one entered", q.notChangedTitle);
      return EnterOutcome::Refused;
    }
  }
  if (!app.WriteNumber(box, *v)) return refuseInvalid();
  app.dependencies.Entered(box);
  return EnterOutcome::Written;
}

bool AskEnterQuestions(App& app, std::initializer_list<EnterQuestion> questions, ControlRefs summary,
                       ControlRef button) {
  for (const EnterQuestion& q : questions) AskEnterQuestion(app, q);
  bool any = false;
  for (const EnterQuestion& q : questions) any = any || IsFilled(app.control(q.box.name, q.box.index));
  SetVisible(app, summary, any);
  app.control(button.name, button.index).setCaption(any ? "RE-ENTER" : "ENTER");
  return any;
}

}  // namespace frame
