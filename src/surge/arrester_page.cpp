#include "surge/arrester_page.hpp"

#include <cmath>
#include <optional>
#include <utility>

#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_kit.hpp"
#include "frame/page_rule.hpp"
#include "frame/routes.hpp"
#include "surge/slots.hpp"
#include "tov/slots.hpp"

namespace surge {

namespace {

using frame::Box;
constexpr int kArresterPage = 1, kTovPage = 0, kSlowFrontPage = 2;

// "Next >>" waits for these; the discharge class and the energy are optional.
constexpr frame::ControlRef kRequired[] = {
    Box(ArresterUr), Box(ArresterUc), Box(ArresterSteepResidual),
    Box(ArresterUpl), Box(ArresterUps),
};

// The range tabs' copies of Ups, in the order an acceptance writes them.
constexpr frame::ControlRef kUpsCopies[] = {
    Box(UpsCopySfPeRange1), Box(UpsCopySfPeRange2),
    Box(UpsCopySfPpRange1), Box(UpsCopySfPpRange2),
};

// The minimums follow Um and the temporary overvoltage phase to earth. A copy
// of Ups is Ups: the minimums only decide whether an arrester is accepted,
// so an arrester accepted again with the same Ups withdraws nothing. The two
// protective levels typed here are what "Next >>" passes on.
constexpr frame::Dependency UpsCopy(int slot) { return {Box(slot), {{Box(ArresterUps)}}}; }
constexpr frame::Dependency PassedOn(int slot) { return {.result = Box(slot), .publishers = {{{"Command21", 3}}}}; }
constexpr frame::Dependency kDependencies[] = {
    {Box(ArresterUm), {{"txtUm"}}},
    {Box(ArresterUcMin), {{Box(ArresterUm)}}},
    {Box(ArresterUrMin), {{tov::kUrpTovPeBox}}},
    UpsCopy(UpsCopySfPeRange1), UpsCopy(UpsCopySfPeRange2), UpsCopy(UpsCopySfPpRange1), UpsCopy(UpsCopySfPpRange2),
    PassedOn(ArresterUpl), PassedOn(ArresterUps),
};

}  // namespace

std::span<const frame::Dependency> ArresterPage::Dependencies() const { return kDependencies; }

void ArresterPage::Build(platform::Window& w) { w.createAll(Design()); }

void ArresterPage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  routes.on(Command21Click, 1, [this] { OpenSurgeArresterPage(); });
  routes.on(Command21Click, 2, [this] { cmdBackSurge(); });
  routes.on(Command21Click, 3, [this] { cmdNextSurge(); });
  routes.onEach(Text1Change, ArresterUr, ArresterUps, [this](int slot) { ValidateArresterRequired(slot); });
  routes.onEach(Text1Change, ArresterDischargeClass, ArresterEnergy,
                [this](int slot) { ValidateArresterOptional(slot); });
}

void ArresterPage::OpenSurgeArresterPage() {
  frame::OpenPage(app_.control("tabSubGeneral1"), kArresterPage);
  platform::Control& um = app_.text1(ArresterUm);
  um.setText(app_.control("txtUm").text());
  // The minimum Uc from Um as the box shows it: Um * 105 / 100 / sqrt(3),
  // cut (not rounded) by the box.
  if (const std::optional<double> v = frame::NumberAsTyped(um))
    app_.WriteNumber(app_.text1(ArresterUcMin), *v * 105 / 100 / std::sqrt(3.0));
  const std::string& tovPe = app_.control(tov::kUrpTovPeBox).text();
  app_.text1(ArresterUrMin).setText(tovPe);
  app_.platform.focus(app_.text1(ArresterUc));
  app_.mainVars.mUrpTovPe.Keep(tovPe, {tov::kUrpTovPeBox});
  app_.mainVars.mUrpTovPp.Keep(app_.control(tov::kUrpTovPpBox).text(), {tov::kUrpTovPpBox});
}

void ArresterPage::ValidateArresterRequired(int slot) {
  frame::RunFilledRule(app_, {.box = Box(slot),
                              .group = kRequired,
                              .button = {"Command21", 3},
                              .action = frame::FilledRule::Action::Enable});
}

void ArresterPage::ValidateArresterOptional(int slot) { frame::RefuseUnlessNumber(app_, app_.text1(slot)); }

void ArresterPage::cmdBackSurge() { frame::OpenPage(app_.control("tabSubGeneral1"), kTovPage); }

void ArresterPage::NormalizeArresterDecimals() {
  for (int slot = ArresterUm; slot <= ArresterEnergy; ++slot) {
    platform::Control& box = app_.text1(slot);
    if (frame::IsFilled(box)) frame::ReplaceDotWithComma(app_.module1, box);
  }
}

void ArresterPage::cmdNextSurge() {
  NormalizeArresterDecimals();
  // A box the normalisation emptied (its text held both "." and ","): its
  // check has refused it and disabled "Next >>"; nothing is accepted. Every
  // entry is read here, the ones only tested as numbers too: a number still
  // being typed ("-", "1,2E") is refused as that check refuses a text that
  // is no number; only the two optional ones may stay empty.
  for (int slot = ArresterUr; slot <= ArresterEnergy; ++slot) {
    platform::Control& box = app_.text1(slot);
    const bool optional = slot == ArresterDischargeClass || slot == ArresterEnergy;
    if (frame::IsUsableNumber(box) || (optional && !frame::IsFilled(box))) continue;
    if (frame::IsFilled(box)) {
      app_.InvalidValueBox();
      box.setText("");
    }
    return;
  }
  // The minimums as the boxes show them, cut to six characters.
  const std::optional<double> ucMin = frame::NumberAsTyped(app_.text1(ArresterUcMin));
  const std::optional<double> urMin = frame::NumberAsTyped(app_.text1(ArresterUrMin));
  if (!ucMin || !urMin) return;
  const double ur = *frame::NumberAsTyped(app_.text1(ArresterUr));
  const double uc = *frame::NumberAsTyped(app_.text1(ArresterUc));
  const double upl = *frame::NumberAsTyped(app_.text1(ArresterUpl));
  const double ups = *frame::NumberAsTyped(app_.text1(ArresterUps));

  if (ur < *urMin) {
    app_.platform.messageBox("Enter a valid value...", frame::PaddedTitle("Invalid Ur", 32));
    app_.text1(ArresterUr).setText("");
    return;
  }
  if (uc < *ucMin) {
    app_.platform.messageBox("Enter a valid value...", frame::PaddedTitle("Invalid Uc", 32));
    app_.text1(ArresterUc).setText("");
    return;
  }
  // The later stages calculate with both protective levels: a level of zero
  // or below is refused as the box's own check refuses a text that is no number.
  for (const auto& [slot, level] : {std::pair{ArresterUpl, upl}, std::pair{ArresterUps, ups}}) {
    if (level > 0) continue;
    app_.InvalidValueBox();
    app_.text1(slot).setText("");
    return;
  }

  app_.module1.gUps.Keep(ups, {Box(ArresterUps)});
  for (const frame::ControlRef& copy : kUpsCopies) app_.WriteNumber(app_.text1(copy.index), ups);
  frame::OpenPage(app_.control("tabSubGeneral1"), kSlowFrontPage);
}

}  // namespace surge
