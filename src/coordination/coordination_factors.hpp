#pragma once
// The co-ordination factors that turn a representative overvoltage Urp into a
// co-ordination withstand voltage Ucw = Urp × factor on the slow-front
// co-ordination tabs:
//
// - Kcd for phase-to-earth insulation, curve a, from the ratio Ups/Ue2, with
//   the intake of Ue2 in kV or per unit and its notice when the value differs
//   from the Ue2 typed on the representative slow-front page;
// - Kcd for phase-to-phase insulation, curve b, from the ratio 2·Ups/Up2, Up2
//   following from the per-unit Ue2 that the last phase-to-earth calculation
//   of this run left;
// - Kcs, the statistical factor, from the risk of failure R;
// - the withstand voltage itself, for a calculated or a typed factor.
//
// Each ratio, factor and Ucw is written into its box as number text, cut to
// the box's length (four characters for ratios and factors), and the next
// step reads the box back: Kcd follows from the ratio as its box holds it
// (0,8748... is carried as 0,87), Ucw from the factor as its box holds it.
//
// A step that cannot give a value its box can show (not finite, too long for
// the box, a Ue2 of zero or below, a withstand of zero or below, no per-unit
// Ue2 in this run) is refused with its message; the results it would have
// written are cleared, so no earlier value stands for other inputs.

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

#include "frame/control_ref.hpp"
#include "frame/kept.hpp"
#include "surge/slow_front_fits.hpp"

namespace frame {
class App;
}

namespace platform {
class Control;
}

namespace coordination {

using SwitchingCase = surge::slow_front_fits::SwitchingCase;

namespace factors {

// Each constant is the decimal quotient of two integers.
inline constexpr double kCurveALow = 7.0 / 10.0;
inline constexpr double kCurveAHigh = 118.0 / 100.0;
inline constexpr double kCurveAIntercept = 1245.0 / 1000.0;
inline constexpr double kCurveASlope = 2083.0 / 10000.0;
inline constexpr double kCurveBLow = 5.0 / 10.0;
inline constexpr double kCurveBHigh = 9.0 / 10.0;
inline constexpr double kCurveBIntercept = 1225.0 / 1000.0;
inline constexpr double kCurveBSlope = 25.0 / 100.0;
inline constexpr double kBelowTheLine = 11.0 / 10.0;  // 1,1 left of both curves
inline constexpr double kAboveTheLine = 1.0;          // 1 right of both curves
inline constexpr double kKcsScale = 7310.0 / 10000.0;
inline constexpr double kKcsExponent = -492.0 / 10000.0;

// Kcd of phase-to-earth insulation from r = Ups/Ue2; both bounds belong to the
// sloping line, which steps slightly where it meets the constants.
inline double CurveA(double r) {
  if (r < kCurveALow) return kBelowTheLine;
  if (r > kCurveAHigh) return kAboveTheLine;
  return kCurveAIntercept - kCurveASlope * r;
}

// Kcd of phase-to-phase insulation from r = 2·Ups/Up2; here the line meets the
// constants exactly.
inline double CurveB(double r) {
  if (r < kCurveBLow) return kBelowTheLine;
  if (r > kCurveBHigh) return kAboveTheLine;
  return kCurveBIntercept - kCurveBSlope * r;
}

// Kcs from the risk of failure per year, R > 0.
inline double Kcs(double risk) { return kKcsScale * std::pow(risk, kKcsExponent); }

// Ue2 in kV from per unit, and in per unit from kV, in the order of their
// operations (one per unit is Um·√2/√3).
inline double Ue2KvFromPu(double pu, double um) { return um * (pu * std::sqrt(2.0)) / std::sqrt(3.0); }
inline double Ue2PuFromKv(double kv, double um) { return ((kv * std::sqrt(3.0)) / std::sqrt(2.0)) / um; }

// Up2 in kV for the switching case, from the per-unit Ue2 x.
inline double Up2Kv(double x, double um, SwitchingCase c) {
  const double ue2Kv = (x * std::sqrt(2.0) * um) / std::sqrt(3.0);
  return ue2Kv * surge::slow_front_fits::RatioFit(x, c);
}

}  // namespace factors

enum class FactorOutcome {
  Written,      // every box of the step holds its value
  Refused,      // a message was shown; the step's results are cleared
  NotComputed,  // an empty Ue2 box or no unit chosen: nothing to do
};

// The boxes and options of one deterministic phase-to-earth calculation.
struct Ue2IntakeBoxes {
  frame::ControlRef ue2, kvOption, puOption, ratio, factor, urp, ucw;
};

// The boxes of one curve-b calculation.
struct CurveBBoxes {
  frame::ControlRef ratio, factor, urp, ucw;
};

class CoordinationFactors {
 public:
  explicit CoordinationFactors(frame::App& app) : app_(app) {}

  // A new run: no per-unit Ue2, no Up2, no texts.
  void Reset();

  // The Ue2 intake, the ratio Ups/Ue2, curve a and Ucw, then the per-unit Ue2.
  FactorOutcome CalculateKcdPhaseToEarth(const Ue2IntakeBoxes& boxes);
  // Whether a phase-to-earth calculation of this run has left the per-unit Ue2
  // that curve b needs; without it curve b refuses.
  bool HasUe2PerUnit() const { return mUe2PuCw.Held(); }
  // That per-unit Ue2, as a step reads it; nullopt before the first.
  std::optional<double> Ue2PerUnit() const;
  // Up2 from the per-unit Ue2, the ratio 2·Ups/Up2, curve b and Ucw.
  FactorOutcome CalculateKcdPhaseToPhase(SwitchingCase switching, const CurveBBoxes& boxes);
  // Kcs from the risk box, then Ucw.
  FactorOutcome CalculateKcs(frame::ControlRef risk, frame::ControlRef factor, frame::ControlRef urp,
                             frame::ControlRef ucw);
  // Ucw = Urp × the factor as its box holds it.
  FactorOutcome WithstandVoltage(frame::ControlRef urp, frame::ControlRef factor, frame::ControlRef ucw);

  // The run's values. The per-unit Ue2 of the last successful phase-to-earth
  // calculation; Up2 of the last curve-b calculation (kV); the Ue2 text as
  // typed at the last intake and the earlier entry it was compared with.
  frame::Kept<double> mUe2PuCw{"mUe2PuCw"};
  double mUp2KvCw = 0;
  std::string mUe2EnteredCw;
  std::string mUe2PreviousEntry;

 private:
  void NoticeDifferentUe2(const Ue2IntakeBoxes& boxes);
  // Writes a ratio or factor and reads it back as its box holds it.
  std::optional<double> WriteAndReadBack(frame::ControlRef box, double value);
  // Ucw into its box; false, writing nothing, when it cannot be shown.
  bool WriteWithstand(frame::ControlRef urp, frame::ControlRef factor, frame::ControlRef ucw);
  // The message of a refused step, and its results cleared.
  FactorOutcome Refuse(std::initializer_list<frame::ControlRef> results);

  frame::App& app_;
};

}  // namespace coordination
