#include "coordination/slow_front_tabs.hpp"

#include "coordination/slow_front_tab_groups.hpp"
#include "frame/app.hpp"
#include "frame/caption_click.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "surge/slots.hpp"

namespace coordination {

namespace {

using namespace tabs;

// A subscript stands this much below the top of its caption.
constexpr int kSubscriptDrop = 60;

// Each typed box and the "OK" its check shows.
struct EntryCheck {
  int slot;
  int ok;  // Command28(ok)
};
constexpr EntryCheck kEntryChecks[] = {
    {Ue2PeCwInt, 12}, {KcdPeEntered, 28}, {RiskPe, 10},       {FactorPeExtEntered, 29},
    {Ue2PeCwExt, 30}, {KcdPpEntered, 31}, {FactorPpExtEntered, 32}, {RiskPp, 11},
};

// The caption labels of the Ue2 unit options and their subscripts.
constexpr frame::CaptionOption kCaptionClicks[] = {
    {171, 68}, {173, 68}, {170, 69}, {172, 69}, {174, 73}, {176, 73}, {175, 72}, {177, 72},
};

// What each ratio, factor and Ucw of the tabs is computed from. Ups is the
// arrester's, taken over when its page moves on. The factor boxes of the ways
// not taken stay empty, so a Ucw lists the factor box of every way; curve b
// also reads the run's per-unit Ue2, which the last phase-to-earth "OK", of
// either insulation, took from its Ue2 and unit.
// The commit (the phase-to-phase tab's "Next >>") passes all four Ucw on into
// the page's summary; the phase-to-earth tab's waits for its external one.
constexpr ControlRef kUps = Box(surge::ArresterUps);
// A Ue2 in per unit, and Up2, are turned into kV by Um.
constexpr ControlRef kUm{"txtUm"};
constexpr ControlRef kPeNext{"Command29", 9}, kCommit{"Command29", 11};
using frame::Option;
constexpr frame::Dependency kDependencies[] = {
    {Box(UpsUe2RatioPe), {{Box(Ue2PeCwInt), Option(68), Option(69), kUps, kUm}}},
    {Box(KcdPe), {{Box(UpsUe2RatioPe)}}},
    {Box(UcwSfPeIntCalc), {{Box(surge::UrpSfPeInt), Box(KcdPe), Box(KcdPeEntered)}}, {{kCommit}}},
    {Box(UpsUe2RatioPeExt), {{Box(Ue2PeCwExt), Option(73), Option(72), kUps, kUm}}},
    {Box(KcdPeExt), {{Box(UpsUe2RatioPeExt)}}},
    {Box(KcsPe), {{Box(RiskPe)}}},
    {Box(UcwSfPeExtCalc),
     {{Box(surge::UrpSfPeExt), Box(KcdPeExt), Box(KcsPe), Box(FactorPeExtEntered)}},
     {{kPeNext, kCommit}}},
    {Box(UpsUp2RatioPp),
     {{Option(43), Option(42), kUps, kUm, Box(Ue2PeCwInt), Option(68), Option(69), Box(Ue2PeCwExt), Option(73),
       Option(72)}}},
    {Box(KcdPp), {{Box(UpsUp2RatioPp)}}},
    {Box(UcwSfPpIntCalc), {{Box(surge::UrpSfPpInt), Box(KcdPp), Box(KcdPpEntered)}}, {{kCommit}}},
    {Box(UpsUp2RatioPpExt),
     {{Option(80), Option(81), kUps, kUm, Box(Ue2PeCwInt), Option(68), Option(69), Box(Ue2PeCwExt), Option(73),
       Option(72)}}},
    {Box(KcdPpExt), {{Box(UpsUp2RatioPpExt)}}},
    {Box(KcsPp), {{Box(RiskPp)}}},
    {Box(UcwSfPpExtCalc),
     {{Box(surge::UrpSfPpExt), Box(KcdPpExt), Box(KcsPp), Box(FactorPpExtEntered)}},
     {{kCommit}}},
};

}  // namespace

std::span<const frame::Dependency> SlowFrontTabs::Dependencies() const { return kDependencies; }

void SlowFrontTabs::Build(platform::Window& w) {
  factors_.Reset();
  w.createAll(Design());
}

void SlowFrontTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  using enum SwitchingCase;
  routes.on(Option1Click, 67, [this] { SelectKcdEntryPeInt(); });
  routes.on(Option1Click, 66, [this] { SelectKcdCalculationPeInt(); });
  routes.on(Option1Click, 68, [this] { SelectUe2PeInt(); });
  routes.on(Option1Click, 69, [this] { SelectUe2PeInt(); });
  routes.on(Command28Click, 12, [this] { CalculateKcdPeInt(); });
  routes.on(Command28Click, 28, [this] { AcceptKcdPeInt(); });

  routes.on(Option1Click, 70, [this] { SelectCwSlowFrontExtMethod(ExternalMethod::Deterministic); });
  routes.on(Option1Click, 71, [this] { SelectCwSlowFrontExtMethod(ExternalMethod::Statistical); });
  routes.on(Option1Click, 74, [this] { SelectFactorEntryPeExt(); });
  routes.on(Option1Click, 75, [this] { SelectFactorCalculationPeExt(); });
  routes.on(Option1Click, 72, [this] { SelectUe2PeExt(); });
  routes.on(Option1Click, 73, [this] { SelectUe2PeExt(); });
  routes.on(Command28Click, 10, [this] { CalculateKcsPeExt(); });
  routes.on(Command28Click, 29, [this] { AcceptFactorPeExt(); });
  routes.on(Command28Click, 30, [this] { CalculateKcdPeExt(); });
  routes.on(Command29Click, 8, [this] { CloseCwSlowFrontTabs(); });
  routes.on(Command29Click, 9, [this] { OpenCwSlowFrontPpTab(); });

  routes.on(Option1Click, 76, [this] { SelectKcdEntryPpInt(); });
  routes.on(Option1Click, 77, [this] { SelectKcdCalculationPpInt(); });
  routes.on(Option1Click, 43, [this] { CalculateKcdPpInt(Reenergization); });
  routes.on(Option1Click, 42, [this] { CalculateKcdPpInt(Energization); });
  routes.on(Command28Click, 31, [this] { AcceptKcdPpInt(); });

  routes.on(Option1Click, 79, [this] { ResetCwSlowFrontPpExt(); });
  routes.on(Option1Click, 78, [this] { ResetCwSlowFrontPpExt(); });
  routes.on(Option1Click, 83, [this] { SelectFactorEntryPpExt(); });
  routes.on(Option1Click, 82, [this] { SelectFactorCalculationPpExt(); });
  routes.on(Option1Click, 80, [this] { CalculateKcdPpExt(Reenergization); });
  routes.on(Option1Click, 81, [this] { CalculateKcdPpExt(Energization); });
  routes.on(Command28Click, 32, [this] { AcceptFactorPpExt(); });
  routes.on(Command28Click, 11, [this] { CalculateKcsPpExt(); });
  routes.on(Command29Click, 10, [this] { BackToCwSlowFrontPeTab(); });

  for (const EntryCheck& check : kEntryChecks)
    routes.on(Text1Change, check.slot, [this, check] { ValidateEntry(check.slot, check.ok); });
  routes.on(Text1Change, UcwSfPeExtCalc, [this] { EnableNext(UcwSfPeExtCalc, 9); });
  routes.on(Text1Change, UcwSfPpExtCalc, [this] { EnableNext(UcwSfPpExtCalc, 11); });
  frame::DeclareCaptionClicks(routes, app_, kCaptionClicks);
}

void SlowFrontTabs::ValidateEntry(int slot, int ok) {
  const frame::ControlRef box = Box(slot);
  frame::RunFilledRule(app_, {.box = box, .group = {&box, 1}, .button = {"Command28", ok}});
}

void SlowFrontTabs::EnableNext(int slot, int next) {
  const frame::ControlRef box = Box(slot);
  frame::RunFilledRule(app_, {.box = box,
                              .group = {&box, 1},
                              .button = {"Command29", next},
                              .action = frame::FilledRule::Action::Enable,
                              .checkNumber = false});
}

void SlowFrontTabs::PlaceRow(frame::ControlRefs row, frame::ControlRef subscript, int top) {
  for (const frame::ControlRef& control : row) frame::Get(app_, control).setTop(top);
  frame::Get(app_, subscript).setTop(top + kSubscriptDrop);
}

void SlowFrontTabs::RefuseTypedFactor(int slot, frame::ControlRefs ucwRow) {
  app_.text1(slot).setText("");
  frame::SetVisible(app_, ucwRow, false);
}

void SlowFrontTabs::FollowNewUe2PerUnit(std::optional<double> before) {
  if (before == factors_.Ue2PerUnit()) return;
  if (app_.control("Option1", 77).value()) WithdrawPpIntCase();
  if (app_.control("Option1", 82).value() && app_.control("Option1", 79).value()) WithdrawPpExtCase();
}

}  // namespace coordination
