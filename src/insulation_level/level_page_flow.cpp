#include "insulation_level/level_page_flow.hpp"

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "insulation_level/results_tables.hpp"

namespace insulation_level {

namespace {

constexpr int kRequiredWithstandPage = 2, kResultsPage = 4;
constexpr int kInternalTab = 0, kExternalTab = 1;
constexpr int kRange2Table = 13, kRange1Table = 14;

}  // namespace

void LevelPageFlow::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command21Click, 33, [this] { OpenResultsRange1(); });
  routes.on(Command21Click, 34, [this] { BackToRequiredFromRange1(); });
  routes.on(Command29Click, 38, [this] { BackToRequiredFromRange2(); });
  routes.on(Command29Click, 39, [this] { OpenRange2ExternalTab(); });
  routes.on(Command29Click, 40, [this] { OpenResultsRange2(); });
  routes.on(Command29Click, 41, [this] { BackToRange2InternalTab(); });
}

void LevelPageFlow::WriteDate() { app_.control("Label23", 8).setCaption(app_.platform.clock().shortDate()); }

void LevelPageFlow::OpenResults(int shownTable, int hiddenTable) {
  frame::OpenPage(app_.control("tabGeneral"), kResultsPage);
  if (shownTable == kRange1Table) results_.FillResultsRange1();
  else results_.FillResultsRange2();
  app_.control("SSTab1", shownTable).setVisible(true);
  app_.control("SSTab1", hiddenTable).setVisible(false);
}

void LevelPageFlow::OpenResultsRange1() { OpenResults(kRange1Table, kRange2Table); }

void LevelPageFlow::BackToRequiredFromRange1() {
  frame::SetVisible(app_, {{"Frame37", 7}, {"Frame37", 8}, {"Frame37", 9}, {"Frame37", 10}}, false);
  frame::Deselect(app_, {{"Option1", 85}, {"Option1", 86}});
  frame::OpenPage(app_.control("tabGeneral"), kRequiredWithstandPage);
}

void LevelPageFlow::BackToRequiredFromRange2() {
  frame::OpenPage(app_.control("tabGeneral"), kRequiredWithstandPage);
}

void LevelPageFlow::OpenRange2ExternalTab() {
  WriteDate();
  frame::OpenPage(app_.control("SSTab1", 12), kExternalTab);
}

void LevelPageFlow::OpenResultsRange2() {
  WriteDate();
  frame::OpenPage(app_.control("SSTab1", 12), kInternalTab);
  OpenResults(kRange2Table, kRange1Table);
}

void LevelPageFlow::ClearRange2ExternalMode() {
  frame::SetVisible(app_, {{"Frame37", 12}, {"Frame37", 13}}, false);
  frame::Deselect(app_, {{"Option1", 89}, {"Option1", 90}});
}

void LevelPageFlow::BackToRange2InternalTab() {
  ClearRange2ExternalMode();
  frame::OpenPage(app_.control("SSTab1", 12), kInternalTab);
}

}  // namespace insulation_level
