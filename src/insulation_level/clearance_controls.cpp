#include "insulation_level/clearance_controls.hpp"

#include "frame/app.hpp"
#include "platform/window.hpp"

namespace insulation_level {

void SetRunVisible(frame::App& app, const char* name, int first, int last, bool visible) {
  for (int i = first; i <= last; ++i)
    if (platform::Control* c = app.main().find(name, i)) c->setVisible(visible);
}

}  // namespace insulation_level
