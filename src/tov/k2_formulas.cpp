#include "tov/k2_formulas.hpp"

#include <cmath>

namespace tov {

namespace {

bool Finite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

std::optional<double> ChargingPowerOfLine(double f, double l, double c1, double u2) {
  const double q = (((f * kK2TwoPi) * l) * c1) * u2;
  if (!std::isfinite(q)) return std::nullopt;
  return q;
}

std::optional<K2Ends> K2Analytical(const K2LineData& d) {
  if (d.sSC == 0 || d.qOL == 0 || d.f == 0 || d.l == 0 || d.sOL == 0) return std::nullopt;
  const double lc = d.l1 * d.c1;
  if (!(lc > 0)) return std::nullopt;

  const double a = (d.qSE * d.qOL + d.qRE * d.qOL) / (d.qOL * d.sSC) + 1;
  const double r = std::sqrt(lc);
  const double x = d.qOL / d.sSC / 2 / kK2Pi / d.f / d.l / r;
  const double b = d.sSC / d.qOL + d.qSE / d.sOL;
  const double q = d.qRE / d.qOL;
  const double p = std::pow(d.l * (d.f * kK2TwoPi) * std::sqrt(lc), 2);
  const double betaL = std::sqrt(p);  // electrical length of the line (rad)
  const double s = std::sin(betaL);
  const double c = std::cos(betaL);
  // The receiving-end reactor's share of the sending-end voltage.
  const double e = (d.qRE * betaL / d.qOL) * s;
  if (!Finite({a, r, x, b, q, p, betaL, s, c, e})) return std::nullopt;

  const double denominator = a * c - x * (1 - b * q * p) * s;
  if (denominator == 0 || !std::isfinite(denominator)) return std::nullopt;
  const double receiving = 1 / denominator;
  // On the lossless line the sending end carries V1 = V2 (cos bl + Zc / X_RE sin bl),
  // and Zc / X_RE = Q_RE * bl / Q_OL since Q_OL = U^2 bl / Zc. With K2RE = V2 / E
  // this makes K2SE = V1 / E = K2RE (c + e).
  const double sending = receiving * (c + e);
  if (!Finite({receiving, sending})) return std::nullopt;
  return K2Ends{receiving, sending};
}

std::optional<double> K2Simplified(double qOL, double sSC) {
  if (sSC == 0) return std::nullopt;
  const double denominator = 1 - qOL / sSC;
  if (denominator == 0 || !std::isfinite(denominator)) return std::nullopt;
  const double k2 = 1 / denominator;
  if (!std::isfinite(k2)) return std::nullopt;
  return k2;
}

}  // namespace tov
