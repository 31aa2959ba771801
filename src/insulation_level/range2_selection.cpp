#include "insulation_level/range2_selection.hpp"

#include <array>
#include <optional>

#include "frame/app.hpp"
#include "frame/dependencies.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "insulation_level/clearance_parts.hpp"
#include "insulation_level/level_search.hpp"
#include "insulation_level/slots.hpp"
#include "insulation_level/level_vars.hpp"
#include "insulation_level/requirements.hpp"
#include "required/slots.hpp"
#include "surge/slots.hpp"

namespace insulation_level {

namespace {

constexpr int kStandardLevelPage = 3, kInternalTab = 0;
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
constexpr Sources kInternalRequirements{{{"Text1", required::UrwSfPeInt},
                                         {"Text1", required::SiwPeInt},
                                         {"Text1", required::UrwSfPpInt},
                                         {"Text1", required::SiwPpInt},
                                         {"Text1", required::UrwFfPpInt}}};
constexpr Sources kExternalRequirements{{{"Text1", required::UrwSfPeExt},
                                         {"Text1", required::SiwPeExt},
                                         {"Text1", required::UrwSfPpExt},
                                         {"Text1", required::SiwPpExt},
                                         {"Text1", required::UrwFfPpExt}}};
// The page selects the internal level anew each time it opens, so only the
// way on to the external page waits for it; the results wait for the
// external level.
constexpr frame::ControlRef kToExternalPage{"Command29", 39}, kToResults{"Command29", 40};
constexpr frame::Dependency kDependencies[] = {
    {{"Text1", SiwPeIntRange2}, kInternalRequirements, {{kToExternalPage}}},
    {{"Text1", SiwPpIntRange2}, kInternalRequirements, {{kToExternalPage}}},
    {{"Text1", LiwIntRange2}, kInternalRequirements, {{kToExternalPage}}},
    {{"Text1", SiwPeExtRange2}, kExternalRequirements, {{kToResults}}},
    {{"Text1", SiwPpExtRange2}, kExternalRequirements, {{kToResults}}},
    {{"Text1", LiwExtRange2}, kExternalRequirements, {{kToResults}}},
};

void WriteLevel(frame::App& app, const LevelBoxes& boxes, const Range2Level& level, int specialTest) {
  app.WriteNumber(app.text1(boxes.siwPe), gRange2SiwPe[level.row]);
  app.WriteNumber(app.text1(boxes.siwPp), gRange2SiwPp[level.row]);
  app.WriteNumber(app.text1(boxes.liw), gRange2Liw[level.row]);
  app.control("Label4", specialTest).setVisible(level.specialTest);
}

}  // namespace

std::span<const frame::Dependency> Range2Selection::Dependencies() { return kDependencies; }

void Range2Selection::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command21Click, 31, [this] { OpenStandardLevelPage(); });
  routes.on(Option1Click, 89, [this] { SelectRange2ExtLevel(); });
  routes.on(Option1Click, 90, [this] { SelectRange2ExtLevelWithClearances(); });
}

void Range2Selection::OpenStandardLevelPage() {
  frame::OpenPage(app_.control("tabGeneral"), kStandardLevelPage);
  if (app_.IsRange1()) {
    LayOutRange1();
    return;
  }
  LayOutRange2();
  SelectRange2IntLevel();
}

void Range2Selection::LayOutRange1() {
  app_.control("Frame37", 6).setVisible(true);
  app_.control("SSTab1", 12).setVisible(false);
  frame::SetVisible(app_, {{"Command21", 33}, {"Command21", 34}}, true);
  frame::SetVisible(app_, {{"Command29", 38}, {"Command29", 39}}, false);
}

void Range2Selection::LayOutRange2() {
  app_.control("Frame37", 6).setVisible(false);
  platform::Control& strip = app_.control("SSTab1", 12);
  strip.setVisible(true);
  frame::OpenPage(strip, kInternalTab);
  frame::SetVisible(app_, {{"Command21", 33}, {"Command21", 34}}, false);
  frame::SetVisible(app_, {{"Command29", 38}, {"Command29", 39}}, true);
}

void Range2Selection::SelectRange2IntLevel() {
  const std::optional<double> pe = Largest(app_, {required::UrwSfPeInt, required::SiwPeInt});
  const std::optional<double> pp = Largest(app_, {required::UrwSfPpInt, required::SiwPpInt});
  const std::optional<double> liw = Largest(app_, {required::UrwFfPpInt});
  // The way on waits for an internal level that stands for the values on screen.
  app_.control("Command29", 39).setEnabled(pe && pp && liw);
  if (!pe || !pp || !liw) {
    RefuseSelection(app_, {SiwPeIntRange2, SiwPpIntRange2, LiwIntRange2}, {kIntSpecialTest});
    return;
  }
  vars_.mRequiredSiwPe = *pe;
  vars_.mRequiredSiwPp = *pp;
  vars_.mRequiredLiw = *liw;
  WriteLevel(app_, kInternal, SearchRange2Level(*pe, *pp, *liw, fits_), kIntSpecialTest);
}

bool Range2Selection::SelectRange2ExtLevel() {
  HideClearanceCaptions(app_, 326, 334);
  frame::SetVisible(app_, {{"Text1", ClearancePeTableA2}, {"Text1", U50Pe}, {"Text1", LiwFromClearancePe},
                           {"Label4", kPeClearanceSpecialTest}},
                    false);
  app_.control("Frame37", 12).setVisible(true);
  app_.control("Frame37", 13).setVisible(false);
  platform::Control& next = app_.control("Command29", 40);
  next.setEnabled(true);

  const std::optional<double> pe = Largest(app_, {required::UrwSfPeExt, required::SiwPeExt});
  const std::optional<double> pp = Largest(app_, {required::UrwSfPpExt, required::SiwPpExt});
  // An ignored fast-front value sets no lightning requirement.
  const bool liwIgnored = app_.text1(required::UrwFfPpExt).text() == surge::kIgnored;
  const std::optional<double> liw = liwIgnored ? std::nullopt : Largest(app_, {required::UrwFfPpExt});
  if (!pe || !pp || (!liwIgnored && !liw)) {
    next.setEnabled(false);
    RefuseSelection(app_, {SiwPeExtRange2, SiwPpExtRange2, LiwExtRange2}, {kExtSpecialTest});
    return false;
  }
  vars_.mRequiredSiwPe = *pe;
  vars_.mRequiredSiwPp = *pp;
  if (liw) vars_.mRequiredLiw = *liw;
  WriteLevel(app_, kExternal, SearchRange2Level(*pe, *pp, liw, fits_), kExtSpecialTest);
  return true;
}

void Range2Selection::SelectRange2ExtLevelWithClearances() {
  if (!SelectRange2ExtLevel()) return;
  app_.text1(ClearancePpEquation).setText("");
  app_.control("Frame37", 13).setVisible(true);
  app_.control("Command29", 40).setEnabled(false);
  app_.control("Frame37", 16).setVisible(false);
  frame::Deselect(app_, {{"Option1", 91}, {"Option1", 92}});
  frame::Clear(app_, {{"Text1", ClearancePeTableA2}, {"Text1", U50Pe}, {"Text1", LiwFromClearancePe}});
  app_.control("Label4", kPeClearanceSpecialTest).setVisible(false);
}

}  // namespace insulation_level
