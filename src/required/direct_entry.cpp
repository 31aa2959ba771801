#include "required/direct_entry.hpp"

#include <cmath>

#include "frame/app.hpp"
#include "frame/enter_question.hpp"
#include "frame/routes.hpp"
#include "required/summary_page.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

using Question = RwDirectEntry::Question;
constexpr int kNone = platform::kNoIndex;
constexpr const char* kUrwNotChanged = "Urw value not changed";

constexpr Question kUrwQuestions[][4] = {
    {{"Enter internal Urw(p-e) value", UrwTovPeInt, true, kNone, kUrwNotChanged},
     {"Enter internal Urw(p-p) value", UrwTovPpInt, false, kNone, kUrwNotChanged},
     {"Enter external Urw(p-e) value", UrwTovPeExt, true, kNone, kUrwNotChanged},
     {"Enter external Urw(p-p) value", UrwTovPpExt, false, kNone, kUrwNotChanged}},
    {{"Enter internal Urw(p-e) value", UrwSfPeInt, true, kNone, kUrwNotChanged},
     {"Enter internal Urw(p-p) value", UrwSfPpInt, false, kNone, kUrwNotChanged},
     {"Enter external Urw(p-e) value", UrwSfPeExt, true, kNone, kUrwNotChanged},
     {"Enter external Urw(p-p) value", UrwSfPpExt, false, kNone, kUrwNotChanged}},
};

// Fast-front overvoltages have one value per insulation, standing in both its boxes.
constexpr Question kFastFrontQuestions[] = {
    {"Enter internal Urw value", UrwFfPeInt, false, UrwFfPpInt, kUrwNotChanged},
    {"Enter external Urw value", UrwFfPeExt, false, UrwFfPpExt, "Ur value not changed"},
};

constexpr Question kSiwQuestions[] = {
    {"Enter internal SIW(p-e) value", SiwPeInt, true, kNone, ""},
    {"Enter internal SIW(p-p) value", SiwPpInt, false, kNone, ""},
    {"Enter external SIW(p-e) value", SiwPeExt, true, kNone, ""},
    {"Enter external SIW(p-p) value", SiwPpExt, false, kNone, ""},
};
constexpr Question kSdwQuestions[] = {
    {"Enter internal SDW(p-e) value", SdwPeInt, true, kNone, ""},
    {"Enter internal SDW(p-p) value", SdwPpInt, false, kNone, ""},
    {"Enter external SDW(p-e) value", SdwPeExt, true, kNone, ""},
    {"Enter external SDW(p-p) value", SdwPpExt, false, kNone, ""},
};
constexpr Question kLiwQuestions[] = {
    {"Enter internal LIW(p-e) value", LiwPeInt, true, kNone, ""},
    {"Enter internal LIW(p-p) value", LiwPpInt, false, kNone, ""},
    {"Enter external LIW(p-e) value", LiwPeExt, true, kNone, ""},
    {"Enter external LIW(p-p) value", LiwPpExt, false, kNone, ""},
};

constexpr std::size_t kInvalidTitleLength = 32;

}  // namespace

void RwDirectEntry::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command25Click, 12, [this] { EnterUrwTov(); });
  routes.on(Command25Click, 13, [this] { EnterUrwSlowFront(); });
  routes.on(Command25Click, 16, [this] { EnterUrwFastFront(); });
  routes.on(Command25Click, 17, [this] { EnterConvertedUrw(); });
}

void RwDirectEntry::EnterGroup(const Group& group, int button) {
  const bool calculated = group.flag != kNone && app_.text1(group.flag).text() == "1";
  for (const Question& q : group.questions) {
    const frame::EnterQuestion question{q.prompt,         {"Text1", q.slot},  q.phaseToEarth ? std::sqrt(3.0) : 1.0,
                                        group.invalidTitle, kInvalidTitleLength, calculated,
                                        q.notChangedTitle};
    if (frame::AskEnterQuestion(app_, question) == frame::EnterOutcome::Written && q.copyTo != kNone) {
      // The copy is the person's entry as much as the value it copies.
      platform::Control& copy = app_.text1(q.copyTo);
      copy.setText(app_.text1(q.slot).text());
      app_.dependencies.Entered(copy);
    }
  }
  bool any = false;
  for (const RwCopy& copy : group.summary.copies) any = any || !app_.text1(copy.summary).text().empty();
  for (int label = group.summary.firstLabel; label <= group.summary.lastLabel; ++label)
    app_.control("Label4", label).setVisible(any);
  for (const RwCopy& copy : group.summary.copies) app_.text1(copy.summary).setVisible(any);
  app_.control("Command25", button).setCaption(any ? "RE-ENTER" : "ENTER");
}

void RwDirectEntry::EnterUrwTov() {
  EnterGroup({kUrwQuestions[0], RwTovStrip().groups[0], UrwTovAcceptedFlag, "Invalid Urw"}, 12);
}

void RwDirectEntry::EnterUrwSlowFront() {
  EnterGroup({kUrwQuestions[1], RwSlowFrontStrip().groups[0], UrwSfAcceptedFlag, "Invalid Urw"}, 13);
}

void RwDirectEntry::EnterUrwFastFront() {
  EnterGroup({kFastFrontQuestions, RwFastFrontStrip().groups[0], UrwFfAcceptedFlag, "Invalid Urw"}, 16);
  // "kV" beside an external value only, never beside "Ignored".
  flow_.ShowExternalUnit(UrwFfPeExt);
  flow_.ShowExternalUnit(UrwFfPpExt);
}

void RwDirectEntry::EnterConvertedUrw() {
  if (!app_.IsRange1()) {
    EnterGroup({kSiwQuestions, RwSiwStrip().groups[0], kNone, "Invalid SIW"}, 17);
    return;
  }
  EnterGroup({kSdwQuestions, RwSdwLiwStrip().groups[0], kNone, "Invalid SDW"}, 17);
  EnterGroup({kLiwQuestions, RwSdwLiwStrip().groups[1], kNone, "Invalid LIW"}, 17);
}

}  // namespace required
