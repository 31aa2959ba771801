// The load-rejection page (page 0 of tabCalculation1) as it stands when the
// main window is loaded. Its "<<Back" and "Next >>" belong to the factor flow.

#include "frame/design_kit.hpp"
#include "tov/factor_layout.hpp"
#include "tov/k1_page.hpp"

namespace tov {

namespace {

using namespace layout;

// Where the page's controls stand: the page and its frames.
constexpr Place kPage = OnFactorPage(0), kWays = Inside("fraK1"), kEntryChoice = Inside("fraEnterChoose1"),
                kCaseChoice = Inside("fraCalculateChoose1"), kEntry = Inside("fraEnterK1"),
                kData = Inside("fraCalculateK1");

// The page's options are named, not elements of Option1.
constexpr Row NamedOption(Place p, const char* name, Rect r, const char* caption) {
  return Control(platform::Kind::OptionButton, p, name, kNoIndex, r, caption);
}

// Three lines when the label's width breaks it: the heading, the system range,
// the unit range. The width must hold the longest line and no more than the
// blank runs allow, at every scale the window is drawn at.
constexpr const char* kTypicalValues =
    "Typical values                                                                       "
    "For  load  rejection  in  a  system 1,05<K1<1,15.                    "
    "For load rejection on generator-transformer unit 1,1<K1<1,5";

// The page draws its "rp" narrower than the other factor pages.
constexpr UrpLineLook kEntryLook{.caption = {0, 0, 1845, 285}, .subscript = {0, 0, 165, 225},
                                         .unit = {0, 0, 285, 285}};

// A box of the system data, hidden until its case is chosen.
constexpr Row DataBox(const char* name, int top, int maxLength) {
  return TextBox(kData, name, kNoIndex, {2490, top, 900, 285}).hidden().length(maxLength);
}
// A caption of the system data.
constexpr Row DataCaption(const char* name, int top, const char* caption) {
  return Label(kData, name, kNoIndex, {240, top, 2175, 255}, caption).hidden();
}

constexpr auto kDesign = Join(
    std::to_array<ControlDesign>({
        // The three ways to K1.
        Frame(kPage, "fraK1", kNoIndex, {180, 720, 14055, 675}, ""),
        NamedOption(kWays, "optEnterK1", {1590, 240, 1185, 255}, "Enter"),
        NamedOption(kWays, "optCalculateK1", {6450, 240, 1185, 255}, "Calculate"),
        NamedOption(kWays, "optIgnoreK1", {11310, 240, 1185, 255}, "Ignore"),

        // What to enter. The entry frames are a little wider than those of the
        // other factor pages, for the typical values below; the calculation
        // frames are never shown with them.
        Frame(kPage, "fraEnterChoose1", kNoIndex, {180, 1440, 4575, 675}, "").hidden(),
        NamedOption(kEntryChoice, "optFactorK1", {420, 240, 1425, 255}, "Enter Factor"),
        NamedOption(kEntryChoice, "optUrpK1", {2640, 240, 1185, 255}, "Enter Urp"),

        // Which case to calculate.
        Frame(kPage, "fraCalculateChoose1", kNoIndex, {4710, 1440, 6195, 675}, "").hidden(),
        NamedOption(kCaseChoice, "optK11", {330, 240, 1725, 255}, "In a system K1.1"),
        NamedOption(kCaseChoice, "optK12", {2610, 240, 3315, 255}, "On generator-transformer unit K1.2"),

        // Entry: the factor, or the two Urp values.
        Frame(kPage, "fraEnterK1", kNoIndex, {180, 2190, 4575, 1785}, "").hidden(),
        Label(kEntry, "lblK1", kNoIndex, {90, 360, 1305, 285}, "Enter K1 value").hidden(),
        TextBox(kEntry, "txtK1", kNoIndex, {1470, 330, 900, 285}).hidden().length(4),
        Label(kEntry, "lblK1H", kNoIndex, {90, 690, 4440, 975}, kTypicalValues).hidden().fore(platform::kRed),
    }),
    UrpEntry(kEntry, {"lblUrppea", "lblrppea", 0}, {"lblUrpppa", "lblrpppa", 1}, kEntryLook),
    std::to_array<ControlDesign>({
        TextBox(kEntry, "txtEnterpe1", kNoIndex, {2070, 330, 900, 285}).hidden().length(6),
        TextBox(kEntry, "txtEnterpp1", kNoIndex, {2070, 750, 900, 285}).hidden().length(6),
        Button(kEntry, "cmdEnterOK1", kNoIndex, {2490, 330, 900, 285}, "OK").hidden(),

        // System data: the K1.1 set and the K1.2 set share the upper places.
        Frame(kPage, "fraCalculateK1", kNoIndex, {4710, 2190, 6195, 3165}, "").hidden(),
        DataCaption("lblQL1", 270, "Enter Q   value (kVar)"),
        Subscript(kData, "lblLQ1", 2, {840, 330, 120, 225}, "L").hidden(),
        DataBox("txtQL1", 240, 7),
        Label(kData, "lblPL1", 2, {240, 780, 2175, 255}, "Enter P   value (kW)").hidden(),
        Subscript(kData, "lblLP1", kNoIndex, {825, 840, 120, 225}, "L").hidden(),
        DataBox("txtPL1", 750, 7),
        DataCaption("lblSSC1", 1290, "Enter S        value (MVA)"),
        Subscript(kData, "lblSC1", kNoIndex, {885, 1350, 240, 225}, "SC").hidden(),
        DataBox("txtSSC1", 1275, 0),
        DataCaption("lblXd1", 255, "Enter Xd\" value in p.u."),
        DataBox("txtXd1", 240, 5),
        DataCaption("lblUk1", 765, "Enter  u   value in p.u."),
        Subscript(kData, "Label73", kNoIndex, {855, 825, 120, 225}, "k").hidden(),
        DataBox("txtUk1", 750, 5),
        DataCaption("lblSG1", 1290, "Enter S     value (MVA)"),
        Subscript(kData, "lblG1", kNoIndex, {855, 1350, 150, 225}, "G").hidden(),
        DataBox("txtSG1", 1275, 7),
        DataCaption("lblSTr1", 1800, "Enter S     value (MVA)"),
        Subscript(kData, "lblTr1", kNoIndex, {840, 1860, 210, 225}, "Tr").hidden(),
        DataBox("txtSTr1", 1785, 7),
        DataCaption("lblCos1", 2310, "Enter cos\u03C6 value"),
        DataBox("txtCos1", 2295, 5),
        Button(kData, "cmdCalculateOK1", kNoIndex, {2490, 2760, 900, 285}, "OK").hidden(),
        // The page's help label; the help texts fill and place it on hover.
        Label(kData, "Label3", kNoIndex, {3450, 255, 2655, 255}, "").hidden().fore(platform::kBlue),

        // The generator-transformer unit whose breaker opens.
        Picture(kPage, "Image1", kNoIndex, {135, 5430, 4245, 1635}, "k1_generator_transformer").hidden(),
        Line(kPage, "Line1", 0, {120, 7200, 14160, 0}),

    }),
    // The results, their "rp" a little further left than on the other factor pages.
    UrpPeResult(kPage, "Label12", 2, 0, 5550, 7440, kUrpResultLook, 165),
    UrpPpResult(kPage, "Label14", 1, 1, 5550, 7920, kUrpResultLook, 165),
    std::to_array<ControlDesign>({
        Result(TextBox(kPage, "txtUrppe1", kNoIndex, {7605, 7425, 900, 285})),
        Result(TextBox(kPage, "txtUrppp1", kNoIndex, {7605, 7905, 900, 285})),
    }));

}  // namespace

std::span<const platform::ControlDesign> K1Page::Design() { return kDesign; }

}  // namespace tov
