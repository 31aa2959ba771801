#include "insulation_level/range1_selection.hpp"

#include <array>
#include <optional>

#include "frame/app.hpp"
#include "frame/dependencies.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "insulation_level/clearance_parts.hpp"
#include "insulation_level/level_search.hpp"
#include "insulation_level/slots.hpp"
#include "insulation_level/level_vars.hpp"
#include "insulation_level/requirements.hpp"
#include "required/slots.hpp"

namespace insulation_level {

namespace {

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
constexpr Sources kInternalLiw{{{"Text1", required::UrwFfPpInt}, {"Text1", required::LiwPpInt}}};
constexpr Sources kInternalPeLiw{{{"Text1", required::UrwFfPeInt}, {"Text1", required::LiwPeInt}}};
constexpr Sources kInternalLevel{{{"Text1", required::UrwFfPpInt},
                                  {"Text1", required::LiwPpInt},
                                  {"Text1", required::UrwTovPpInt},
                                  {"Text1", required::SdwPeInt},
                                  {"Text1", required::SdwPpInt}}};
constexpr Sources kExternalLevel{{{"Text1", required::UrwFfPpExt},
                                  {"Text1", required::LiwPpExt},
                                  {"Text1", required::UrwTovPpExt},
                                  {"Text1", required::SdwPeExt},
                                  {"Text1", required::SdwPpExt}}};
constexpr frame::ControlRef kToResults{"Command21", 33};
constexpr frame::Dependency kDependencies[] = {
    {{"Text1", SdwIntSelected}, kInternalLevel, {{kToResults}}},
    {{"Text1", LiwIntSelected}, kInternalLevel, {{kToResults}}},
    {{"Text1", LiwIntMinPe}, kInternalPeLiw, {}},
    {{"Text1", LiwIntMinPp}, kInternalLiw, {}},
    {{"Text1", SdwExtSelected}, kExternalLevel, {{kToResults}}},
    {{"Text1", LiwExtSelected}, kExternalLevel, {{kToResults}}},
};

// A requirement above every lightning level leaves no minimum level standing.
void WriteMinimum(frame::App& app, int box, double requirement) {
  if (const std::optional<double> level = MinimumStandardLiw(requirement)) app.WriteNumber(app.text1(box), *level);
  else app.text1(box).setText("");
}

}  // namespace

std::span<const frame::Dependency> Range1Selection::Dependencies() { return kDependencies; }

void Range1Selection::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Option1Click, 85, [this] { SelectRange1LevelWithClearances(); });
  routes.on(Option1Click, 86, [this] { SelectRange1StandardLevel(); });
}

void Range1Selection::Refuse() {
  app_.control("Command21", 33).setEnabled(false);
  RefuseSelection(app_, {SdwIntSelected, LiwIntSelected, LiwIntMinPe, LiwIntMinPp, SdwExtSelected, LiwExtSelected},
                  {kIntSpecialTest, kExtSpecialTest});
}

bool Range1Selection::SelectRange1StandardLevel() {
  frame::SetVisible(app_, {{"Frame37", 7}, {"Frame37", 8}, {"Frame37", 9}}, true);
  app_.control("Frame37", 10).setVisible(false);

  // The short-duration requirement of a level is the largest of the
  // temporary one and the converted ones, so the level meets every one.
  const std::optional<double> liwInt = Largest(app_, {required::UrwFfPpInt, required::LiwPpInt});
  const std::optional<double> sdwInt = Largest(app_, {required::UrwTovPpInt, required::SdwPeInt, required::SdwPpInt});
  const std::optional<double> liwPeInt = Largest(app_, {required::UrwFfPeInt, required::LiwPeInt});
  const std::optional<double> liwPpExt = Largest(app_, {required::UrwFfPpExt, required::LiwPpExt});
  const std::optional<double> sdwExt = Largest(app_, {required::UrwTovPpExt, required::SdwPeExt, required::SdwPpExt});
  if (!liwInt || !sdwInt || !liwPeInt || !liwPpExt || !sdwExt) {
    Refuse();
    return false;
  }
  app_.control("Command21", 33).setEnabled(true);

  vars_.mRequiredLiw = *liwInt;
  vars_.mRequiredSiwPe = *sdwInt;
  WriteLevel(app_, SdwIntSelected, LiwIntSelected, SearchRange1Level(*liwInt, *sdwInt, fits_), kIntSpecialTest);
  vars_.mRequiredLiwPeInt = *liwPeInt;
  WriteMinimum(app_, LiwIntMinPe, *liwPeInt);
  vars_.mRequiredLiwPpInt = *liwInt;
  WriteMinimum(app_, LiwIntMinPp, *liwInt);
  vars_.mRequiredLiwPpExt = *liwPpExt;
  vars_.mRequiredSdwExt = *sdwExt;
  WriteLevel(app_, SdwExtSelected, LiwExtSelected, SearchRange1Level(*liwPpExt, *sdwExt, fits_), kExtSpecialTest);
  return true;
}

void Range1Selection::SelectRange1LevelWithClearances() {
  const std::optional<double> liwPeExt = Largest(app_, {required::LiwPeExt, required::UrwFfPeExt});
  if (!liwPeExt) {
    frame::SetVisible(app_, {{"Frame37", 7}, {"Frame37", 8}, {"Frame37", 9}}, true);
    app_.control("Frame37", 10).setVisible(false);
    Refuse();
    return;
  }
  if (!SelectRange1StandardLevel()) return;
  app_.control("Command21", 33).setEnabled(false);
  app_.control("Frame37", 10).setVisible(true);
  frame::Deselect(app_, {{"Option1", 87}, {"Option1", 88}});
  HideClearanceCaptions(app_, 274, 277);
  app_.control("Label4", kClearanceSpecialTest).setVisible(false);
  frame::SetVisible(app_, {{"Text1", ClearancePpTableA1}, {"Text1", ClearancePeTableA1}}, false);
  frame::Clear(app_, {{"Text1", ClearancePpTableA1}, {"Text1", ClearancePeTableA1}});
  vars_.mRequiredLiwPeExt = *liwPeExt;
  app_.control("Option1", 87)
      .setEnabled(vars_.mRequiredLiwPpExt > kConductorStructureFrom && vars_.mRequiredLiwPeExt > kConductorStructureFrom);
}

}  // namespace insulation_level
