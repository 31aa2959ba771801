#include "surge/formula_display.hpp"

#include <span>

namespace surge {

namespace {

using namespace frame::design;

constexpr int kFormulaSize = 12;

// The controls of a formula stand where they are drawn from the formula's
// first caption; DrawFormula places and names them.
constexpr Place kFromFirstCaption{};

constexpr Row FormulaCaption(const char* text, int left, int width) {
  return Label(kFromFirstCaption, "", 0, {left, 0, width, 375}, text).nowrap().font(kFormulaSize);
}
constexpr Row FormulaSubscript(const char* text, int left, int top, int width) {
  return Subscript(kFromFirstCaption, "", 0, {left, top, width, 210}, text);
}
// The fraction's numerator and denominator sit on either side of its line.
constexpr Row Numerator(const char* text, int left, int width) {
  return Label(kFromFirstCaption, "", 0, {left, -135, width, 285}, text).centered().nowrap().font(kFormulaSize);
}
constexpr Row Denominator(const char* text, int left, int width) {
  return Label(kFromFirstCaption, "", 0, {left, 165, width, 285}, text).nowrap().font(kFormulaSize);
}
constexpr Row FractionLine(int left, int width) { return Line(kFromFirstCaption, "", 0, {left, 150, width, 0}); }

// The subscripts stand in the middle of the blank runs of their captions, in
// the program's font; a subscript after a letter of a denominator follows it.
constexpr Row kFormula1[] = {
    FormulaCaption("U     = U     +", 0, 1500),
    FormulaSubscript("rp", 270, 120, 195),
    FormulaSubscript("pl", 990, 120, 180),
    Numerator("2LS", 1410, 510),
    Denominator("C", 1410, 510).centered(),
    FractionLine(1410, 510),
};

constexpr Row kFormula2[] = {
    FormulaCaption("U     = U     +", 0, 1500),
    FormulaSubscript("rp", 270, 120, 195),
    FormulaSubscript("pl", 990, 120, 180),
    Numerator("AL", 1410, 540),
    Denominator("nL", 1455, 285),
    FormulaSubscript("sp", 1740, 285, 195),
    FractionLine(1410, 540),
};

constexpr Row kFormula3[] = {
    FormulaCaption("U               =", 0, 1500),
    FormulaSubscript("rpmax", 480, 120, 480),
    Numerator("BIL", 1365, 540),
    Denominator("K", 1500, 180),
    FormulaSubscript("s", 1680, 285, 120),
    FractionLine(1365, 540),
};

std::span<const Row> Drawing(Formula formula) {
  switch (formula) {
    case Formula::I: return kFormula1;
    case Formula::II: return kFormula2;
    case Formula::III: return kFormula3;
  }
  return {};
}

}  // namespace

int FormulaLabelCount(Formula formula) {
  int labels = 0;
  for (const Row& drawn : Drawing(formula)) labels += drawn.kind == Kind::Label ? 1 : 0;
  return labels;
}

void DrawFormula(std::vector<ControlDesign>& rows, Formula formula, const FormulaPlace& place) {
  int label = place.firstLabel;
  for (const Row& drawn : Drawing(formula)) {
    const bool isLabel = drawn.kind == Kind::Label;
    const Rect at{place.left + drawn.left, place.top + drawn.top, drawn.width, drawn.height};
    rows.push_back(Control(drawn.kind, place.tab, isLabel ? place.labels : place.line,
                           isLabel ? label++ : place.lineIndex, at, drawn.caption, drawn.flags)
                       .font(drawn.fontSize));
  }
}

void DrawUrpLine(std::vector<ControlDesign>& rows, Place tab, int caption, int unit, int top) {
  rows.push_back(Label(tab, "Label79", caption, {5475, top, 1440, 255}, "           U      value =").hidden().nowrap());
  rows.push_back(Subscript(tab, "Label75", caption, {6173, top + 60, 150, 195}, "rp").hidden());
  rows.push_back(Label(tab, "lblKV", unit, {7920, top, 255, 255}, "kV").hidden());
}

void DrawTabButtons(std::vector<ControlDesign>& rows, Place tab, int back, int next) {
  rows.push_back(Button(tab, "Command29", back, {10800, 6480, 1335, 375}, "<<Back"));
  rows.push_back(Button(tab, "Command29", next, {12360, 6480, 1335, 375}, "Next >>").disabled());
}

}  // namespace surge
