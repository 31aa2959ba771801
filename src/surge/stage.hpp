#pragma once

#include "frame/stage.hpp"

namespace surge {

// The switching and lightning overvoltage stage: the surge arrester page, the
// slow-front page with its Range I and Range II tabs, and the fast-front page
// with its formula tabs (pages 1 to 3 of tabSubGeneral1).
class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
};

}  // namespace surge
