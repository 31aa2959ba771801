#include "coordination/coordination_factors.hpp"

#include "coordination/slots.hpp"
#include "frame/app.hpp"
#include "frame/page_kit.hpp"
#include "surge/slots.hpp"

namespace coordination {

namespace {

// The Ue2 typed on a range tab of the representative slow-front page, with
// the options that give its unit.
struct PreviousUe2 {
  int slot;
  int puOption;
  int kvOption;
};
constexpr PreviousUe2 kRange2Ue2{surge::Ue2PeRange2, 62, 63};
constexpr PreviousUe2 kRange1Ue2{surge::Ue2PeRange1, 65, 64};

}  // namespace

void CoordinationFactors::Reset() {
  mUe2PuCw.Forget();
  mUp2KvCw = 0;
  mUe2EnteredCw.clear();
  mUe2PreviousEntry.clear();
}

FactorOutcome CoordinationFactors::Refuse(std::initializer_list<frame::ControlRef> results) {
  app_.InvalidValueGroup();
  frame::Clear(app_, results);
  return FactorOutcome::Refused;
}

std::optional<double> CoordinationFactors::WriteAndReadBack(frame::ControlRef ref, double value) {
  platform::Control& box = frame::Get(app_, ref);
  if (!app_.WriteNumber(box, value)) return std::nullopt;
  return frame::NumberAsTyped(box);
}

bool CoordinationFactors::WriteWithstand(frame::ControlRef urp, frame::ControlRef factor, frame::ControlRef ucw) {
  const std::optional<double> urpKv = frame::NumberAsTyped(frame::Get(app_, urp));
  const std::optional<double> k = frame::NumberAsTyped(frame::Get(app_, factor));
  if (!urpKv || !k) return false;
  const double withstand = *urpKv * *k;
  // No withstand of zero or below is published.
  return withstand > 0 && app_.WriteNumber(frame::Get(app_, ucw), withstand);
}

FactorOutcome CoordinationFactors::WithstandVoltage(frame::ControlRef urp, frame::ControlRef factor,
                                                    frame::ControlRef ucw) {
  return WriteWithstand(urp, factor, ucw) ? FactorOutcome::Written : Refuse({ucw});
}

void CoordinationFactors::NoticeDifferentUe2(const Ue2IntakeBoxes& boxes) {
  const std::string typed = frame::Get(app_, boxes.ue2).text();
  mUe2EnteredCw = typed;
  // The Range II entry wins whenever it holds text, whatever its unit.
  const PreviousUe2* previous = nullptr;
  if (frame::IsFilled(app_.text1(kRange2Ue2.slot))) {
    previous = &kRange2Ue2;
  } else if (frame::IsFilled(app_.text1(kRange1Ue2.slot))) {
    previous = &kRange1Ue2;
  }
  mUe2PreviousEntry = previous != nullptr ? app_.text1(previous->slot).text() : typed;
  if (typed.empty() || previous == nullptr) return;

  // The range tabs' unit options exist only once their tabs are built.
  const auto selected = [this](int option) {
    const platform::Control* button = app_.main().find("Option1", option);
    return button != nullptr && button->value();
  };
  const bool kv = frame::Get(app_, boxes.kvOption).value();
  const bool pu = frame::Get(app_, boxes.puOption).value();
  const bool sameUnit = (pu && selected(previous->puOption)) || (kv && selected(previous->kvOption));
  // Texts are compared as they stand: 2,5 and 2,50 differ, and so do 2.5 and 2,5.
  if (!sameUnit || typed == mUe2PreviousEntry) return;
  app_.platform.messageBox("Previously entered value is " + mUe2PreviousEntry + (kv ? " kV " : " pu "),
                           "Value different than the one entered before");
}

std::optional<double> CoordinationFactors::Ue2PerUnit() const {
  if (!mUe2PuCw.Held()) return std::nullopt;
  return mUe2PuCw.Read(app_);
}

FactorOutcome CoordinationFactors::CalculateKcdPhaseToEarth(const Ue2IntakeBoxes& boxes) {
  // The notice only informs; it comes before any refusal of the same click.
  NoticeDifferentUe2(boxes);
  platform::Control& ue2Box = frame::Get(app_, boxes.ue2);
  if (!frame::IsFilled(ue2Box)) return FactorOutcome::NotComputed;

  const auto results = {boxes.ratio, boxes.factor, boxes.ucw};
  const std::optional<double> ue2 = app_.ReadNumber(ue2Box);
  if (!ue2) {
    app_.InvalidValueGroup();
    ue2Box.setText("");
    frame::Clear(app_, results);
    return FactorOutcome::Refused;
  }
  // Ups/Ue2 needs a Ue2 above zero: refused as the box's own check refuses.
  if (*ue2 <= 0) {
    app_.InvalidValueBox();
    ue2Box.setText("");
    frame::Clear(app_, results);
    return FactorOutcome::Refused;
  }
  const bool kv = frame::Get(app_, boxes.kvOption).value();
  const bool pu = frame::Get(app_, boxes.puOption).value();
  if (!kv && !pu) return FactorOutcome::NotComputed;

  const double um = app_.Um();
  const double ue2Kv = kv ? *ue2 : factors::Ue2KvFromPu(*ue2, um);
  if (!std::isfinite(ue2Kv)) return Refuse(results);
  const std::optional<double> ratio = WriteAndReadBack(boxes.ratio, app_.module1.gUps.Read(app_) / ue2Kv);
  if (!ratio) return Refuse(results);
  if (!WriteAndReadBack(boxes.factor, factors::CurveA(*ratio))) return Refuse(results);
  if (!WriteWithstand(boxes.urp, boxes.factor, boxes.ucw)) return Refuse(results);
  mUe2PuCw.Keep(kv ? factors::Ue2PuFromKv(*ue2, um) : *ue2, {boxes.ue2, boxes.kvOption, boxes.puOption, {"txtUm"}});
  return FactorOutcome::Written;
}

FactorOutcome CoordinationFactors::CalculateKcdPhaseToPhase(SwitchingCase switching, const CurveBBoxes& boxes) {
  const auto results = {boxes.ratio, boxes.factor, boxes.ucw};
  // Each case writes its results afresh, so that they are known as computed
  // for the case now chosen even where another case gave the same texts.
  frame::Clear(app_, results);
  // Without a phase-to-earth calculation of this run there is no Up2.
  if (!mUe2PuCw.Held()) return Refuse(results);
  mUp2KvCw = factors::Up2Kv(mUe2PuCw.Read(app_), app_.Um(), switching);
  if (!(mUp2KvCw > 0) || !std::isfinite(mUp2KvCw)) return Refuse(results);
  const std::optional<double> ratio = WriteAndReadBack(boxes.ratio, 2 * app_.module1.gUps.Read(app_) / mUp2KvCw);
  if (!ratio) return Refuse(results);
  if (!WriteAndReadBack(boxes.factor, factors::CurveB(*ratio))) return Refuse(results);
  if (!WriteWithstand(boxes.urp, boxes.factor, boxes.ucw)) return Refuse(results);
  return FactorOutcome::Written;
}

FactorOutcome CoordinationFactors::CalculateKcs(frame::ControlRef risk, frame::ControlRef factor,
                                                frame::ControlRef urp, frame::ControlRef ucw) {
  const auto results = {factor, ucw};
  const std::optional<double> r = frame::NumberAsTyped(frame::Get(app_, risk));
  if (!r || *r <= 0) return Refuse(results);
  if (!WriteAndReadBack(factor, factors::Kcs(*r))) return Refuse(results);
  if (!WriteWithstand(urp, factor, ucw)) return Refuse(results);
  return FactorOutcome::Written;
}

}  // namespace coordination
