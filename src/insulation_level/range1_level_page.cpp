#include "insulation_level/range1_level_page.hpp"

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

namespace insulation_level {

namespace {

using frame::Box;

constexpr int kRequiredWithstandPage = 2;
constexpr int kIntSpecialTest = 291, kExtSpecialTest = 292, kClearanceSpecialTest = 293;
// Above this lightning requirement, phase to phase and phase to earth, the
// conductor structure may be asked for.
constexpr double kConductorStructureFrom = 650;

void WriteLevel(frame::App& app, int sdwBox, int liwBox, const Range1Level& level, int specialTest) {
  app.WriteNumber(app.text1(sdwBox), level.sdw);
  app.WriteNumber(app.text1(liwBox), level.liw);
  app.control("Label4", specialTest).setVisible(level.specialTest);
}

// Each level is one row of the table, found by its lightning and its
// short-duration requirement together; a minimum level by its lightning
// requirement alone. The results table takes the levels, not the minimum ones.
using Sources = std::array<frame::ControlRef, frame::kMaxSources>;
constexpr Sources kInternalLiw{{Box(required::UrwFfPpInt), Box(required::LiwPpInt)}};
constexpr Sources kInternalPeLiw{{Box(required::UrwFfPeInt), Box(required::LiwPeInt)}};
constexpr Sources kInternalLevel{{Box(required::UrwFfPpInt), Box(required::LiwPpInt), Box(required::UrwTovPpInt),
                                  Box(required::SdwPeInt), Box(required::SdwPpInt)}};
constexpr Sources kExternalLevel{{Box(required::UrwFfPpExt), Box(required::LiwPpExt), Box(required::UrwTovPpExt),
                                  Box(required::SdwPeExt), Box(required::SdwPpExt)}};
constexpr frame::ControlRef kToResults{"Command21", 33};
constexpr frame::Dependency kDependencies[] = {
    {Box(SdwIntSelected), kInternalLevel, {{kToResults}}},
    {Box(LiwIntSelected), kInternalLevel, {{kToResults}}},
    {Box(LiwIntMinPe), kInternalPeLiw, {}},
    {Box(LiwIntMinPp), kInternalLiw, {}},
    {Box(SdwExtSelected), kExternalLevel, {{kToResults}}},
    {Box(LiwExtSelected), kExternalLevel, {{kToResults}}},
};

// A requirement above every lightning level leaves no minimum level standing.
void WriteMinimum(frame::App& app, int box, double requirement) {
  if (const std::optional<double> level = MinimumStandardLiw(requirement)) app.WriteNumber(app.text1(box), *level);
  else app.text1(box).setText("");
}

}  // namespace

std::span<const frame::Dependency> Range1LevelPage::Dependencies() const { return kDependencies; }

void Range1LevelPage::Build(platform::Window& w) { w.createAll(Design()); }

void Range1LevelPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Option1Click, 85, [this] { SelectRange1LevelWithClearances(); });
  routes.on(Option1Click, 86, [this] { SelectRange1StandardLevel(); });
  routes.on(Command21Click, 33, [this] { OpenResultsRange1(); });
  routes.on(Command21Click, 34, [this] { BackToRequiredFromRange1(); });
}

void Range1LevelPage::Refuse() {
  app_.control("Command21", 33).setEnabled(false);
  RefuseSelection({SdwIntSelected, LiwIntSelected, LiwIntMinPe, LiwIntMinPp, SdwExtSelected, LiwExtSelected},
                  {kIntSpecialTest, kExtSpecialTest});
}

bool Range1LevelPage::SelectRange1StandardLevel() {
  frame::SetVisible(app_, {{"Frame37", 7}, {"Frame37", 8}, {"Frame37", 9}}, true);
  app_.control("Frame37", 10).setVisible(false);

  // The short-duration requirement of a level is the largest of the
  // temporary one and the converted ones, so the level meets every one.
  const std::optional<double> liwInt = Largest({required::UrwFfPpInt, required::LiwPpInt});
  const std::optional<double> sdwInt = Largest({required::UrwTovPpInt, required::SdwPeInt, required::SdwPpInt});
  const std::optional<double> liwPeInt = Largest({required::UrwFfPeInt, required::LiwPeInt});
  const std::optional<double> liwPpExt = Largest({required::UrwFfPpExt, required::LiwPpExt});
  const std::optional<double> sdwExt = Largest({required::UrwTovPpExt, required::SdwPeExt, required::SdwPpExt});
  if (!liwInt || !sdwInt || !liwPeInt || !liwPpExt || !sdwExt) {
    Refuse();
    return false;
  }
  app_.control("Command21", 33).setEnabled(true);

  WriteLevel(app_, SdwIntSelected, LiwIntSelected, SearchRange1Level(*liwInt, *sdwInt, fits_), kIntSpecialTest);
  WriteMinimum(app_, LiwIntMinPe, *liwPeInt);
  WriteMinimum(app_, LiwIntMinPp, *liwInt);
  vars_.mRequiredLiwPpExt.Keep(*liwPpExt, {Box(required::UrwFfPpExt), Box(required::LiwPpExt)});
  WriteLevel(app_, SdwExtSelected, LiwExtSelected, SearchRange1Level(*liwPpExt, *sdwExt, fits_), kExtSpecialTest);
  return true;
}

void Range1LevelPage::SelectRange1LevelWithClearances() {
  const std::optional<double> liwPeExt = Largest({required::LiwPeExt, required::UrwFfPeExt});
  if (!liwPeExt) {
    frame::SetVisible(app_, {{"Frame37", 7}, {"Frame37", 8}, {"Frame37", 9}}, true);
    app_.control("Frame37", 10).setVisible(false);
    Refuse();
    return;
  }
  if (!SelectRange1StandardLevel()) return;
  app_.control("Command21", 33).setEnabled(false);
  app_.control("Frame37", 10).setVisible(true);
  frame::Deselect(app_, {frame::Option(87), frame::Option(88)});
  SetRunVisible("Label4", 274, 277, false);
  app_.control("Label4", kClearanceSpecialTest).setVisible(false);
  frame::SetVisible(app_, {Box(ClearancePpTableA1), Box(ClearancePeTableA1)}, false);
  frame::Clear(app_, {Box(ClearancePpTableA1), Box(ClearancePeTableA1)});
  vars_.mRequiredLiwPeExt.Keep(*liwPeExt, {Box(required::LiwPeExt), Box(required::UrwFfPeExt)});
  app_.control("Option1", 87)
      .setEnabled(vars_.mRequiredLiwPpExt.Read(app_) > kConductorStructureFrom && *liwPeExt > kConductorStructureFrom);
}

void Range1LevelPage::OpenResultsRange1() { results_.OpenResultsTableRange1(); }

void Range1LevelPage::BackToRequiredFromRange1() {
  frame::SetVisible(app_, {{"Frame37", 7}, {"Frame37", 8}, {"Frame37", 9}, {"Frame37", 10}}, false);
  frame::Deselect(app_, {frame::Option(85), frame::Option(86)});
  frame::OpenPage(app_.control("tabGeneral"), kRequiredWithstandPage);
}

}  // namespace insulation_level
