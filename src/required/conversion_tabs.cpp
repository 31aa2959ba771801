#include "required/conversion_tabs.hpp"

#include <array>
#include <iterator>
#include <optional>

#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "frame/routes.hpp"
#include "platform/window.hpp"
#include "required/conversion_formulas.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

using frame::Box;
using frame::ControlRef;
constexpr int kNone = platform::kNoIndex;

// The LIW frames, which appear once the SDW results of their tab stand.
constexpr int kLiwIntFrame = 3, kLiwExtFrame = 5;

constexpr KtConversion kConversions[] = {
    // Range II: one Kt per insulation for both results, converted from the temporary-overvoltage Urw.
    {KtSiwInt, KtSiwInt, 22, SiwPeIntCalc, UrwTovPeInt, SiwPpIntCalc, UrwTovPpInt, 196, 199, kNone, 30, 32},
    {KtSiwExt, KtSiwExt, 23, SiwPeExtCalc, UrwTovPeExt, SiwPpExtCalc, UrwTovPpExt, 200, 203, kNone, kNone, 32},
    // Range I: converted from the slow-front Urw; internal one Kt for both, external one Kt per result.
    {KtSdwInt, KtSdwInt, 24, SdwPeIntCalc, UrwSfPeInt, SdwPpIntCalc, UrwSfPpInt, 207, 210, kLiwIntFrame, 34, 36},
    {KtLiwInt, KtLiwInt, 25, LiwPeIntCalc, UrwSfPeInt, LiwPpIntCalc, UrwSfPpInt, 214, 217, kNone, 34, 36},
    {KtSdwPeExt, KtSdwPpExt, 26, SdwPeExtCalc, UrwSfPeExt, SdwPpExtCalc, UrwSfPpExt, 224, 227, kLiwExtFrame, kNone,
     36},
    {KtLiwPeExt, KtLiwPpExt, 27, LiwPeExtCalc, UrwSfPeExt, LiwPpExtCalc, UrwSfPpExt, 231, 234, kNone, kNone, 36},
};
const KtConversion& kSdwExt = kConversions[4];
const KtConversion& kLiwExt = kConversions[5];

constexpr ControlRef kSdwKtRow[] = {{"Label4", 221}, {"Label4", 222}, {"Label4", 235}, {"Label4", 236},
                                    {"Text1", KtSdwPeExt}, {"Text1", KtSdwPpExt}};
constexpr ControlRef kLiwKtRow[] = {{"Label4", 228}, {"Label4", 229}, {"Label4", 237}, {"Label4", 238},
                                    {"Text1", KtLiwPeExt}, {"Text1", KtLiwPpExt}};
constexpr ControlRef kLiwOptions[] = {{"Option1", 58}, {"Option1", 59}};

const KtChoice kChoices[] = {
    {kSdwExt, 50, 51, kSdwKtRow, KtSdwPhaseToEarth, KtSdwPhaseToPhase, kLiwOptions},
    {kLiwExt, 58, 59, kLiwKtRow, KtLiwPhaseToEarth, KtLiwPhaseToPhase, {}},
};

// The SDW choice deselects the LIW options and leaves the LIW results as they
// are, so no choice of Kt is a source: the Kt boxes and the Urw are.
constexpr std::array<frame::Dependency, 2 * std::size(kConversions)> MakeDependencies() {
  std::array<frame::Dependency, 2 * std::size(kConversions)> rows{};
  std::size_t row = 0;
  for (const KtConversion& c : kConversions) {
    const std::array<ControlRef, 2> publishers{
        ControlRef{"Command29", c.accept}, c.next == kNone ? ControlRef{} : ControlRef{"Command29", c.next}};
    rows.at(row++) = {Box(c.resultPe), {Box(c.ktPe), Box(c.sourcePe)}, publishers};
    rows.at(row++) = {Box(c.resultPp), {Box(c.ktPp), Box(c.sourcePp)}, publishers};
  }
  return rows;
}
constexpr auto kDependencies = MakeDependencies();

}  // namespace

std::span<const frame::Dependency> ConversionTabs::Dependencies() const { return kDependencies; }

void ConversionTabs::Build(platform::Window& w) {
  w.createAll(Design());
  mKtPe = mKtPp = 0.0;
}

void ConversionTabs::ShowResults(const KtConversion& c, bool shown) {
  for (int label = c.firstLabel; label <= c.lastLabel; ++label) app_.control("Label4", label).setVisible(shown);
  app_.text1(c.resultPe).setVisible(shown);
  app_.text1(c.resultPp).setVisible(shown);
}

void ConversionTabs::ClearResults(const KtConversion& c) {
  ShowResults(c, false);
  frame::Clear(app_, {Box(c.resultPe), Box(c.resultPp)});
}

void ConversionTabs::ValidateKt(const KtConversion& c, int slot) {
  const ControlRef kts[] = {Box(c.ktPe), Box(c.ktPp)};
  frame::RunFilledRule(app_, {.box = Box(slot), .group = kts, .button = {"Command28", c.ok}});
}

void ConversionTabs::Refuse(const KtConversion& c) {
  app_.InvalidValueGroup();
  frame::Clear(app_, {Box(c.ktPe), Box(c.ktPp)});
  ClearResults(c);
  if (c.laterFrame != kNone) app_.control("Frame37", c.laterFrame).setVisible(false);
}

bool ConversionTabs::WriteResults(const KtConversion& c, double ktPe, double ktPp) {
  const std::optional<double> uPe = frame::NumberAsTyped(app_.text1(c.sourcePe));
  const std::optional<double> uPp = frame::NumberAsTyped(app_.text1(c.sourcePp));
  if (!uPe || !uPp) return false;
  const double pe = ConvertedWithstand(ktPe, *uPe), pp = ConvertedWithstand(ktPp, *uPp);
  // A factor of 0 ignores the conversion; a negative withstand is none.
  if (pe < 0.0 || pp < 0.0) return false;
  return frame::WriteAll(app_, {{&app_.text1(c.resultPe), pe}, {&app_.text1(c.resultPp), pp}});
}

void ConversionTabs::Calculate(const KtConversion& c) {
  platform::Control& pe = app_.text1(c.ktPe);
  platform::Control& pp = app_.text1(c.ktPp);
  if (!frame::IsUsableNumber(pe) || !frame::IsUsableNumber(pp)) {
    Refuse(c);
    return;
  }
  // Each factor is written back with its decimal comma, phase to earth first.
  const std::optional<double> ktPe = app_.ReadNumber(pe);
  const std::optional<double> ktPp = app_.ReadNumber(pp);
  if (!ktPe || !ktPp || !WriteResults(c, *ktPe, *ktPp)) {
    Refuse(c);
    return;
  }
  ShowResults(c, true);
  if (c.laterFrame != kNone) app_.control("Frame37", c.laterFrame).setVisible(true);
}

void ConversionTabs::SelectKtEntry(const KtChoice& choice) {
  const KtConversion& c = choice.conversion;
  if (c.laterFrame != kNone) app_.control("Frame37", c.laterFrame).setVisible(false);
  frame::Deselect(app_, choice.laterOptions);
  frame::Clear(app_, {Box(c.ktPp), Box(c.resultPe), Box(c.resultPp), Box(c.ktPe)});
  frame::SetVisible(app_, choice.ktRow, true);
  ClearResults(c);
}

void ConversionTabs::CalculateWithTable2Kt(const KtChoice& choice) {
  const KtConversion& c = choice.conversion;
  frame::Deselect(app_, choice.laterOptions);
  frame::Clear(app_, {Box(c.ktPp), Box(c.ktPe)});
  frame::SetVisible(app_, choice.ktRow, false);
  const std::optional<double> uPe = frame::NumberAsTyped(app_.text1(c.sourcePe));
  const std::optional<double> uPp = frame::NumberAsTyped(app_.text1(c.sourcePp));
  if (uPe && uPp) {
    mKtPe = choice.ktPe(*uPe);
    mKtPp = choice.ktPp(*uPp);
  }
  if (!uPe || !uPp || !WriteResults(c, mKtPe, mKtPp)) {
    // No withstand to show: the choice is left to be made again.
    app_.InvalidValueGroup();
    ClearResults(c);
    if (c.laterFrame != kNone) app_.control("Frame37", c.laterFrame).setVisible(false);
    frame::Deselect(app_, {frame::Option(choice.calculateOption)});
    return;
  }
  if (c.laterFrame != kNone) app_.control("Frame37", c.laterFrame).setVisible(true);
  ShowResults(c, true);
}

void ConversionTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  for (const KtConversion& c : kConversions) {
    routes.on(Text1Change, c.ktPe, [this, &c] { ValidateKt(c, c.ktPe); });
    if (c.ktPp != c.ktPe) routes.on(Text1Change, c.ktPp, [this, &c] { ValidateKt(c, c.ktPp); });
    routes.on(Command28Click, c.ok, [this, &c] { Calculate(c); });
  }
  for (const KtChoice& choice : kChoices) {
    routes.on(Option1Click, choice.enterOption, [this, &choice] { SelectKtEntry(choice); });
    routes.on(Option1Click, choice.calculateOption, [this, &choice] { CalculateWithTable2Kt(choice); });
  }
}

}  // namespace required
