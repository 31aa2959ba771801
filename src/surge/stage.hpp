#pragma once
// The switching and lightning overvoltage stage: the surge arrester page, the
// slow-front page with its Range I and Range II tabs, and the fast-front page
// with its formula tabs (pages 1 to 3 of tabSubGeneral1).

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace surge {

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);

  const char* Name() const override { return "switching and lightning overvoltages"; }
};

}  // namespace surge
