#include "insulation_level/clearance_parts.hpp"

#include "frame/app.hpp"
#include "platform/window.hpp"

namespace insulation_level {

void HideClearanceCaptions(frame::App& app, int first, int last) {
  for (int i = first; i <= last; ++i)
    if (platform::Control* label = app.main().find("Label4", i)) label->setVisible(false);
}

}  // namespace insulation_level
