#include "required/summary_page.hpp"

#include <cmath>
#include <map>
#include <vector>

#include "frame/app.hpp"
#include "frame/enter_question.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"

namespace required {

namespace {

constexpr int kPageStrip = 6;
constexpr int kInternalTab = 0, kExternalTab = 1;
constexpr std::size_t kInvalidTitleLength = 32;

}  // namespace

void OpenStrip(frame::App& app, int strip) {
  platform::Control& tabs = app.control("SSTab1", strip);
  frame::OpenPage(tabs, kInternalTab);
  tabs.setVisible(true);
}

void CloseStrip(frame::App& app, int strip) { app.control("SSTab1", strip).setVisible(false); }

void OpenExternalTab(frame::App& app, int strip) { frame::OpenPage(app.control("SSTab1", strip), kExternalTab); }

void BackToInternalTab(frame::App& app, int strip) { frame::OpenPage(app.control("SSTab1", strip), kInternalTab); }

void SummaryPage::OpenPage(int page) { frame::OpenPage(app_.control("SSTab1", kPageStrip), page); }

void SummaryPage::Accept(const StripAccept& strip) {
  // The labels stand before the values are copied, so the units that follow
  // their boxes are left as the copied values ask.
  for (const SummaryGroup& group : strip.groups) {
    for (int label = group.firstLabel; label <= group.lastLabel; ++label)
      app_.control("Label4", label).setVisible(true);
    for (const SummaryCopy& copy : group.copies) {
      platform::Control& box = app_.text1(copy.summary);
      box.setVisible(true);
      box.setText(app_.text1(copy.result).text());
      // A copy of the text the box holds runs no change: the page follows it here too.
      FollowBox(copy.summary);
    }
  }
  CloseStrip(app_, strip.strip);
  if (strip.flag != platform::kNoIndex) app_.text1(strip.flag).setText("1");
  app_.control("Command25", strip.calculate).setCaption(strip.recalculated);
}

void SummaryPage::Enter(const SummaryEntry& entry, int button) {
  const bool calculated = entry.flag != platform::kNoIndex && app_.text1(entry.flag).text() == "1";
  for (const Question& asked : entry.questions) {
    const frame::EnterQuestion question{asked.prompt,
                                        frame::Box(asked.slot),
                                        asked.phaseToEarth ? std::sqrt(3.0) : 1.0,
                                        entry.invalidTitle,
                                        kInvalidTitleLength,
                                        calculated,
                                        asked.notChangedTitle};
    if (frame::AskEnterQuestion(app_, question) == frame::EnterOutcome::Written && asked.copyTo != platform::kNoIndex) {
      // The copy is the person's entry as much as the value it copies.
      platform::Control& copy = app_.text1(asked.copyTo);
      copy.setText(app_.text1(asked.slot).text());
      app_.dependencies.Entered(copy);
    }
  }
  bool any = false;
  for (const SummaryCopy& copy : entry.summary.copies) any = any || !app_.text1(copy.summary).text().empty();
  for (int label = entry.summary.firstLabel; label <= entry.summary.lastLabel; ++label)
    app_.control("Label4", label).setVisible(any);
  for (const SummaryCopy& copy : entry.summary.copies) app_.text1(copy.summary).setVisible(any);
  app_.control("Command25", button).setCaption(any ? "RE-ENTER" : "ENTER");
}

void SummaryPage::DeclareNextRules(frame::Routes& routes, std::span<const NextRule> rules) {
  // A box may be waited for by more than one rule: its change runs each.
  std::map<int, std::vector<const NextRule*>> watchers;
  for (const NextRule& rule : rules)
    for (int slot : rule.watched) watchers[slot].push_back(&rule);
  for (const auto& [slot, watching] : watchers)
    routes.on(frame::Text1Change, slot, [this, slot, watching] {
      FollowBox(slot);
      for (const NextRule* rule : watching) FollowNext(*rule);
    });
}

bool SummaryPage::IsGiven(int slot) const { return frame::IsUsableNumber(app_.text1(slot)); }

void SummaryPage::FollowNext(const NextRule& rule) {
  bool given = true;
  for (int slot : rule.watched) given = given && IsGiven(slot);
  app_.control(rule.array, rule.button).setEnabled(given);
}

}  // namespace required
