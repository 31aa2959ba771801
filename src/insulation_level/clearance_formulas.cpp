#include "insulation_level/clearance_formulas.hpp"

#include <cmath>
#include <string>

#include "platform/numbers.hpp"

namespace insulation_level {

namespace {

constexpr double kOneMinus13z = 1 - 13.0 / 10 * (3.0 / 100);

}  // namespace

double U50OfPeClearance(double k, double clearanceMm) {
  const double kff = 26.0 / 100 * k + 74.0 / 100;
  return kff * 530 * (clearanceMm / 1000);
}

double WithstandOfU50(double u50) { return u50 * kOneMinus13z; }
double U50OfWithstand(double withstand) { return withstand / kOneMinus13z; }

double GapAngleDegrees(double r) {
  return 45575.0 / 1000 - 78926.0 / 10000 * r - 68556.0 / 1000 * r * r + 39728.0 / 1000 * r * r * r;
}

double GapFactorB(double r) { return std::tan(GapAngleDegrees(r) * (314.0 / 100) / 180); }

double ClearanceOfU50(double u50, double k) { return (std::exp(u50 / (1080 * k)) - 1) / 0.46; }

}  // namespace insulation_level

namespace insulation_level {

namespace {

// The number a box of this length shows for a value, as the next step reads it.
std::optional<double> AsShown(double value, int length) {
  const std::optional<std::string> text = platform::NumberTextForBox(value, length);
  if (!text) return std::nullopt;
  return platform::TextToNumber(*text);
}

}  // namespace

std::optional<PpEquationValues> PpClearanceByEquations(double dOverHt, double uPlus, double k) {
  // Beyond D / Ht of about 2,08 the fitted angle passes 90 degrees, where its
  // tangent repeats and turns negative: a U0 below U+ would lower the clearance.
  const double angle = GapAngleDegrees(dOverHt);
  if (angle < 0 || angle > 90) return std::nullopt;
  PpEquationValues v{};
  v.b = GapFactorB(dOverHt);
  v.uPlus = uPlus;
  const std::optional<double> b = AsShown(v.b, kEquationBoxLength);
  const std::optional<double> up = AsShown(v.uPlus, kEquationBoxLength);
  if (!b || !up) return std::nullopt;
  v.u0 = *up + *b * *up;
  const std::optional<double> u0 = AsShown(v.u0, kEquationBoxLength);
  if (!u0 || *u0 <= 0) return std::nullopt;
  v.u50 = U50OfWithstand(*u0);
  const std::optional<double> u50 = AsShown(v.u50, kEquationBoxLength);
  if (!u50 || *u50 <= 0) return std::nullopt;
  v.d = ClearanceOfU50(*u50, k);
  const std::optional<double> d = AsShown(v.d, kEquationClearanceLength);
  if (!d || *d <= 0) return std::nullopt;
  return v;
}

}  // namespace insulation_level
