#pragma once
// The requirements of the level selection, variables of the main window: each
// run writes the ones it uses before it reads them. The external lightning
// requirements up to 245 kV are kept for the clearances of that layout.

namespace insulation_level {

struct LevelVars {
  double mRequiredSiwPe = 0;  // up to 245 kV: the internal short-duration requirement
  double mRequiredSiwPp = 0;
  double mRequiredLiw = 0;
  double mRequiredLiwPeInt = 0;
  double mRequiredLiwPpInt = 0;
  double mRequiredSdwExt = 0;
  double mRequiredLiwPpExt = 0;
  double mRequiredLiwPeExt = 0;
};

}  // namespace insulation_level
