#include "insulation_level/range2_level_page.hpp"

#include <array>
#include <optional>

#include "frame/app.hpp"
#include "frame/dependencies.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "insulation_level/level_search.hpp"
#include "insulation_level/results_tables.hpp"
#include "insulation_level/slots.hpp"
#include "platform/window.hpp"
#include "required/slots.hpp"
#include "surge/slots.hpp"

namespace insulation_level {

namespace {

using frame::Box;

constexpr int kRequiredWithstandPage = 2, kStandardLevelPage = 3;
constexpr int kInternalTab = 0, kExternalTab = 1;
constexpr int kIntSpecialTest = 295, kExtSpecialTest = 324, kPeClearanceSpecialTest = 337;

// The boxes of a selected level, in the order they are written.
struct LevelBoxes {
  int siwPe, siwPp, liw;
};
constexpr LevelBoxes kInternal{SiwPeIntRange2, SiwPpIntRange2, LiwIntRange2};
constexpr LevelBoxes kExternal{SiwPeExtRange2, SiwPpExtRange2, LiwExtRange2};

// A level is one row of the table, found by all of its requirements together:
// each of its boxes stands only while every box a requirement is read from
// holds what it held then.
using Sources = std::array<frame::ControlRef, frame::kMaxSources>;
constexpr Sources kInternalRequirements{{Box(required::UrwSfPeInt), Box(required::SiwPeInt),
                                         Box(required::UrwSfPpInt), Box(required::SiwPpInt),
                                         Box(required::UrwFfPpInt)}};
constexpr Sources kExternalRequirements{{Box(required::UrwSfPeExt), Box(required::SiwPeExt),
                                         Box(required::UrwSfPpExt), Box(required::SiwPpExt),
                                         Box(required::UrwFfPpExt)}};
// The page selects the internal level anew each time it opens, so only the
// way on to the external page waits for it; the results wait for the
// external level.
constexpr frame::ControlRef kToExternalPage{"Command29", 39}, kToResults{"Command29", 40};
constexpr frame::Dependency kDependencies[] = {
    {Box(SiwPeIntRange2), kInternalRequirements, {{kToExternalPage}}},
    {Box(SiwPpIntRange2), kInternalRequirements, {{kToExternalPage}}},
    {Box(LiwIntRange2), kInternalRequirements, {{kToExternalPage}}},
    {Box(SiwPeExtRange2), kExternalRequirements, {{kToResults}}},
    {Box(SiwPpExtRange2), kExternalRequirements, {{kToResults}}},
    {Box(LiwExtRange2), kExternalRequirements, {{kToResults}}},
};

void WriteLevel(frame::App& app, const LevelBoxes& boxes, const Range2Level& level, int specialTest) {
  app.WriteNumber(app.text1(boxes.siwPe), gRange2SiwPe[level.row]);
  app.WriteNumber(app.text1(boxes.siwPp), gRange2SiwPp[level.row]);
  app.WriteNumber(app.text1(boxes.liw), gRange2Liw[level.row]);
  app.control("Label4", specialTest).setVisible(level.specialTest);
}

}  // namespace

std::span<const frame::Dependency> Range2LevelPage::Dependencies() const { return kDependencies; }

void Range2LevelPage::Build(platform::Window& w) {
  w.createAll(Design());
  // The page's requirement variables belong to the main window: a new one starts them afresh.
  vars_ = {};
}

void Range2LevelPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command21Click, 31, [this] { OpenStandardLevelPage(); });
  routes.on(Option1Click, 89, [this] { SelectRange2ExtLevel(); });
  routes.on(Option1Click, 90, [this] { SelectRange2ExtLevelWithClearances(); });
  routes.on(Command29Click, 38, [this] { BackToRequiredFromRange2(); });
  routes.on(Command29Click, 39, [this] { OpenRange2ExternalTab(); });
  routes.on(Command29Click, 40, [this] { OpenResultsRange2(); });
  routes.on(Command29Click, 41, [this] { BackToRange2InternalTab(); });
}

void Range2LevelPage::OpenStandardLevelPage() {
  frame::OpenPage(app_.control("tabGeneral"), kStandardLevelPage);
  if (app_.IsRange1()) {
    LayOutRange1();
    return;
  }
  LayOutRange2();
  SelectRange2IntLevel();
}

void Range2LevelPage::LayOutRange1() {
  app_.control("Frame37", 6).setVisible(true);
  app_.control("SSTab1", 12).setVisible(false);
  frame::SetVisible(app_, {{"Command21", 33}, {"Command21", 34}}, true);
  frame::SetVisible(app_, {{"Command29", 38}, {"Command29", 39}}, false);
}

void Range2LevelPage::LayOutRange2() {
  app_.control("Frame37", 6).setVisible(false);
  platform::Control& strip = app_.control("SSTab1", 12);
  strip.setVisible(true);
  frame::OpenPage(strip, kInternalTab);
  frame::SetVisible(app_, {{"Command21", 33}, {"Command21", 34}}, false);
  frame::SetVisible(app_, {{"Command29", 38}, {"Command29", 39}}, true);
}

void Range2LevelPage::SelectRange2IntLevel() {
  const std::optional<double> pe = Largest({required::UrwSfPeInt, required::SiwPeInt});
  const std::optional<double> pp = Largest({required::UrwSfPpInt, required::SiwPpInt});
  const std::optional<double> liw = Largest({required::UrwFfPpInt});
  // The way on waits for an internal level that stands for the values on screen.
  app_.control("Command29", 39).setEnabled(pe && pp && liw);
  if (!pe || !pp || !liw) {
    RefuseSelection({SiwPeIntRange2, SiwPpIntRange2, LiwIntRange2}, {kIntSpecialTest});
    return;
  }
  WriteLevel(app_, kInternal, SearchRange2Level(*pe, *pp, *liw, fits_), kIntSpecialTest);
}

bool Range2LevelPage::SelectRange2ExtLevel() {
  SetRunVisible("Label4", 326, 334, false);
  frame::SetVisible(
      app_, {Box(ClearancePeTableA2), Box(U50Pe), Box(LiwFromClearancePe), {"Label4", kPeClearanceSpecialTest}}, false);
  app_.control("Frame37", 12).setVisible(true);
  app_.control("Frame37", 13).setVisible(false);
  platform::Control& next = app_.control("Command29", 40);
  next.setEnabled(true);

  const std::optional<double> pe = Largest({required::UrwSfPeExt, required::SiwPeExt});
  const std::optional<double> pp = Largest({required::UrwSfPpExt, required::SiwPpExt});
  // An ignored fast-front value sets no lightning requirement.
  const bool liwIgnored = app_.text1(required::UrwFfPpExt).text() == surge::kIgnored;
  const std::optional<double> liw = liwIgnored ? std::nullopt : Largest({required::UrwFfPpExt});
  if (!pe || !pp || (!liwIgnored && !liw)) {
    next.setEnabled(false);
    RefuseSelection({SiwPeExtRange2, SiwPpExtRange2, LiwExtRange2}, {kExtSpecialTest});
    return false;
  }
  WriteLevel(app_, kExternal, SearchRange2Level(*pe, *pp, liw, fits_), kExtSpecialTest);
  return true;
}

void Range2LevelPage::SelectRange2ExtLevelWithClearances() {
  if (!SelectRange2ExtLevel()) return;
  app_.text1(ClearancePpEquation).setText("");
  app_.control("Frame37", 13).setVisible(true);
  app_.control("Command29", 40).setEnabled(false);
  app_.control("Frame37", 16).setVisible(false);
  frame::Deselect(app_, {frame::Option(91), frame::Option(92)});
  frame::Clear(app_, {Box(ClearancePeTableA2), Box(U50Pe), Box(LiwFromClearancePe)});
  app_.control("Label4", kPeClearanceSpecialTest).setVisible(false);
}

void Range2LevelPage::WriteDate() { app_.control("Label23", 8).setCaption(app_.platform.clock().shortDate()); }

void Range2LevelPage::BackToRequiredFromRange2() {
  frame::OpenPage(app_.control("tabGeneral"), kRequiredWithstandPage);
}

void Range2LevelPage::OpenRange2ExternalTab() {
  WriteDate();
  frame::OpenPage(app_.control("SSTab1", 12), kExternalTab);
}

void Range2LevelPage::OpenResultsRange2() {
  WriteDate();
  frame::OpenPage(app_.control("SSTab1", 12), kInternalTab);
  results_.OpenResultsTableRange2();
}

void Range2LevelPage::ClearRange2ExternalMode() {
  frame::SetVisible(app_, {{"Frame37", 12}, {"Frame37", 13}}, false);
  frame::Deselect(app_, {frame::Option(89), frame::Option(90)});
}

void Range2LevelPage::BackToRange2InternalTab() {
  ClearRange2ExternalMode();
  frame::OpenPage(app_.control("SSTab1", 12), kInternalTab);
}

}  // namespace insulation_level
