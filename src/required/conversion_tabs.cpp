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
                                    Box(KtSdwPeExt), Box(KtSdwPpExt)};
constexpr ControlRef kLiwKtRow[] = {{"Label4", 228}, {"Label4", 229}, {"Label4", 237}, {"Label4", 238},
                                    Box(KtLiwPeExt), Box(KtLiwPpExt)};
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
  for (const KtConversion& conversion : kConversions) {
    const std::array<ControlRef, 2> publishers{
        ControlRef{"Command29", conversion.accept},
        conversion.next == kNone ? ControlRef{} : ControlRef{"Command29", conversion.next}};
    rows.at(row++) = {Box(conversion.resultPe), {Box(conversion.ktPe), Box(conversion.sourcePe)}, publishers};
    rows.at(row++) = {Box(conversion.resultPp), {Box(conversion.ktPp), Box(conversion.sourcePp)}, publishers};
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

void ConversionTabs::ShowResults(const KtConversion& conversion, bool shown) {
  for (int label = conversion.firstLabel; label <= conversion.lastLabel; ++label)
    app_.control("Label4", label).setVisible(shown);
  app_.text1(conversion.resultPe).setVisible(shown);
  app_.text1(conversion.resultPp).setVisible(shown);
}

void ConversionTabs::ClearResults(const KtConversion& conversion) {
  ShowResults(conversion, false);
  frame::Clear(app_, {Box(conversion.resultPe), Box(conversion.resultPp)});
}

void ConversionTabs::ValidateKt(const KtConversion& conversion, int slot) {
  const ControlRef kts[] = {Box(conversion.ktPe), Box(conversion.ktPp)};
  frame::RunFilledRule(app_, {.box = Box(slot), .group = kts, .button = {"Command28", conversion.ok}});
}

void ConversionTabs::Refuse(const KtConversion& conversion) {
  app_.InvalidValueGroup();
  frame::Clear(app_, {Box(conversion.ktPe), Box(conversion.ktPp)});
  ClearResults(conversion);
  if (conversion.laterFrame != kNone) app_.control("Frame37", conversion.laterFrame).setVisible(false);
}

bool ConversionTabs::WriteResults(const KtConversion& conversion, double ktPe, double ktPp) {
  const std::optional<double> uPe = frame::NumberAsTyped(app_.text1(conversion.sourcePe));
  const std::optional<double> uPp = frame::NumberAsTyped(app_.text1(conversion.sourcePp));
  if (!uPe || !uPp) return false;
  const double pe = ConvertedWithstand(ktPe, *uPe), pp = ConvertedWithstand(ktPp, *uPp);
  // A factor of 0 ignores the conversion; a negative withstand is none.
  if (pe < 0.0 || pp < 0.0) return false;
  return frame::WriteAll(app_, {{&app_.text1(conversion.resultPe), pe}, {&app_.text1(conversion.resultPp), pp}});
}

void ConversionTabs::Calculate(const KtConversion& conversion) {
  platform::Control& pe = app_.text1(conversion.ktPe);
  platform::Control& pp = app_.text1(conversion.ktPp);
  if (!frame::IsUsableNumber(pe) || !frame::IsUsableNumber(pp)) {
    Refuse(conversion);
    return;
  }
  // Each factor is written back with its decimal comma, phase to earth first.
  const std::optional<double> ktPe = app_.ReadNumber(pe);
  const std::optional<double> ktPp = app_.ReadNumber(pp);
  if (!ktPe || !ktPp || !WriteResults(conversion, *ktPe, *ktPp)) {
    Refuse(conversion);
    return;
  }
  ShowResults(conversion, true);
  if (conversion.laterFrame != kNone) app_.control("Frame37", conversion.laterFrame).setVisible(true);
}

void ConversionTabs::SelectKtEntry(const KtChoice& choice) {
  const KtConversion& conversion = choice.conversion;
  if (conversion.laterFrame != kNone) app_.control("Frame37", conversion.laterFrame).setVisible(false);
  frame::Deselect(app_, choice.laterOptions);
  frame::Clear(app_, {Box(conversion.ktPp), Box(conversion.resultPe), Box(conversion.resultPp), Box(conversion.ktPe)});
  frame::SetVisible(app_, choice.ktRow, true);
  ClearResults(conversion);
}

void ConversionTabs::CalculateWithTable2Kt(const KtChoice& choice) {
  const KtConversion& conversion = choice.conversion;
  frame::Deselect(app_, choice.laterOptions);
  frame::Clear(app_, {Box(conversion.ktPp), Box(conversion.ktPe)});
  frame::SetVisible(app_, choice.ktRow, false);
  const std::optional<double> uPe = frame::NumberAsTyped(app_.text1(conversion.sourcePe));
  const std::optional<double> uPp = frame::NumberAsTyped(app_.text1(conversion.sourcePp));
  if (uPe && uPp) {
    mKtPe = choice.ktPe(*uPe);
    mKtPp = choice.ktPp(*uPp);
  }
  if (!uPe || !uPp || !WriteResults(conversion, mKtPe, mKtPp)) {
    // No withstand to show: the choice is left to be made again.
    app_.InvalidValueGroup();
    ClearResults(conversion);
    if (conversion.laterFrame != kNone) app_.control("Frame37", conversion.laterFrame).setVisible(false);
    frame::Deselect(app_, {frame::Option(choice.calculateOption)});
    return;
  }
  if (conversion.laterFrame != kNone) app_.control("Frame37", conversion.laterFrame).setVisible(true);
  ShowResults(conversion, true);
}

void ConversionTabs::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  for (const KtConversion& conversion : kConversions) {
    routes.on(Text1Change, conversion.ktPe, [this, &conversion] { ValidateKt(conversion, conversion.ktPe); });
    if (conversion.ktPp != conversion.ktPe)
      routes.on(Text1Change, conversion.ktPp, [this, &conversion] { ValidateKt(conversion, conversion.ktPp); });
    routes.on(Command28Click, conversion.ok, [this, &conversion] { Calculate(conversion); });
  }
  for (const KtChoice& choice : kChoices) {
    routes.on(Option1Click, choice.enterOption, [this, &choice] { SelectKtEntry(choice); });
    routes.on(Option1Click, choice.calculateOption, [this, &choice] { CalculateWithTable2Kt(choice); });
  }
}

}  // namespace required
