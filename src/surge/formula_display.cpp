#include "surge/formula_display.hpp"

#include <span>

namespace surge {

namespace {

using platform::Centered;
using platform::ControlDesign;
using platform::Kind;
using platform::NoWrap;

constexpr int kFormulaSize = 12;
constexpr int kSubscriptSize = platform::kSubscriptFontSize;

// One control of a formula, placed from the formula's first caption.
struct Part {
  Kind kind;
  const char* caption;
  int left, top, width, height;
  int fontSize;
  unsigned flags;
};

constexpr Part Caption(const char* text, int left, int width, unsigned flags = NoWrap) {
  return {Kind::Label, text, left, 0, width, 375, kFormulaSize, flags};
}
constexpr Part Subscript(const char* text, int left, int top, int width) {
  return {Kind::Label, text, left, top, width, 210, kSubscriptSize, NoWrap};
}
// The fraction's numerator and denominator sit on either side of its line.
constexpr Part Numerator(const char* text, int left, int width) {
  return {Kind::Label, text, left, -135, width, 285, kFormulaSize, Centered | NoWrap};
}
constexpr Part Denominator(const char* text, int left, int width, unsigned flags = NoWrap) {
  return {Kind::Label, text, left, 165, width, 285, kFormulaSize, flags};
}
constexpr Part FractionLine(int left, int width) { return {Kind::Line, "", left, 150, width, 0, 0, 0}; }

// The subscripts stand in the middle of the blank runs of their captions, in
// the program's font; a subscript after a letter of a denominator follows it.
constexpr Part kFormula1[] = {
    Caption("U     = U     +", 0, 1500),
    Subscript("rp", 270, 120, 195),
    Subscript("pl", 990, 120, 180),
    Numerator("2LS", 1410, 510),
    Denominator("C", 1410, 510, Centered | NoWrap),
    FractionLine(1410, 510),
};

constexpr Part kFormula2[] = {
    Caption("U     = U     +", 0, 1500),
    Subscript("rp", 270, 120, 195),
    Subscript("pl", 990, 120, 180),
    Numerator("AL", 1410, 540),
    Denominator("nL", 1455, 285),
    Subscript("sp", 1740, 285, 195),
    FractionLine(1410, 540),
};

constexpr Part kFormula3[] = {
    Caption("U               =", 0, 1500),
    Subscript("rpmax", 480, 120, 480),
    Numerator("BIL", 1365, 540),
    Denominator("K", 1500, 180),
    Subscript("s", 1680, 285, 120),
    FractionLine(1365, 540),
};

std::span<const Part> Parts(Formula formula) {
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
  for (const Part& part : Parts(formula)) labels += part.kind == Kind::Label ? 1 : 0;
  return labels;
}

void DrawFormula(std::vector<ControlDesign>& rows, Formula formula, const FormulaPlace& place) {
  int label = place.firstLabel;
  for (const Part& part : Parts(formula)) {
    ControlDesign& d = rows.emplace_back();
    d.kind = part.kind;
    const bool isLabel = part.kind == Kind::Label;
    d.name = isLabel ? place.labels : place.line;
    d.index = isLabel ? label++ : place.lineIndex;
    d.container = place.container;
    d.containerIndex = place.containerIndex;
    d.page = place.page;
    d.left = place.left + part.left;
    d.top = place.top + part.top;
    d.width = part.width;
    d.height = part.height;
    d.caption = part.caption;
    d.flags = part.flags;
    d.fontSize = part.fontSize;
  }
}

}  // namespace surge
