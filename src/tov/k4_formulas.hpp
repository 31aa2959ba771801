#pragma once
// Resonance factor K4: when the ratios of transformer rating and capacitive
// load to the short-circuit power call for a resonance factor.

namespace tov {

enum class TransformerKind { None, StepDown, StepUp };
enum class OvervoltageLevel { None, At12Pu, At15Pu };

// The ratios are the quotients of the numbers as typed (S_Tr in MVA and Q_L
// in MVAr over S_SC in GVA), read back from their boxes. A threshold met with
// equality counts. Without a transformer kind or a level nothing is required.
bool ResonanceFactorRequired(TransformerKind transformers, OvervoltageLevel level, double powerRatio,
                             double loadRatio);

}  // namespace tov
