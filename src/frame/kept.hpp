#pragma once
// A value a page keeps for a later step (the arrester's Ups, the per-unit
// Ue2 of the last phase-to-earth calculation), with the boxes and options it
// was taken from. A result computed from it is computed from them: a read of
// the value is told to the platform's tracer as a read of a value taken from
// those controls, so that what the pages declare is held against it as
// against a box read.

#include <initializer_list>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "frame/control_ref.hpp"
#include "platform/numbers.hpp"

namespace frame {

class App;

// Whether a test has set a tracer on the program's platform; then
// TraceKeptRead tells it of a read and gives its answer, or nullptr.
bool Traced(const App& app);
const std::string* TraceKeptRead(const App& app, const char* name, const std::string& text,
                                 std::span<const ControlRef> from);

// T is a number or a text.
template <class T>
class Kept {
  static_assert(std::is_same_v<T, double> || std::is_same_v<T, std::string>);

 public:
  explicit Kept(const char* name) : name_(name) {}

  void Keep(T value, std::initializer_list<ControlRef> from) {
    value_ = std::move(value);
    held_ = true;
    from_.assign(from);
  }
  // Back to the start of a run: nothing kept.
  void Forget() {
    value_ = T{};
    held_ = false;
    from_.clear();
  }
  bool Held() const { return held_; }
  // What is kept, untold: for a test's look, never for a step (it reads with Read).
  const T& Value() const { return value_; }

  // The value as a procedure reads it.
  T Read(const App& app) const {
    if (!Traced(app)) return value_;
    if constexpr (std::is_same_v<T, double>) {
      const std::string* answered = Tell(app, platform::NumberToText(value_));
      if (answered == nullptr) return value_;
      return platform::TextToNumber(*answered).value_or(value_);
    } else {
      const std::string* answered = Tell(app, value_);
      return answered == nullptr ? value_ : *answered;
    }
  }

 private:
  const std::string* Tell(const App& app, const std::string& text) const {
    return TraceKeptRead(app, name_, text, from_);
  }

  const char* name_;
  T value_{};
  bool held_ = false;
  std::vector<ControlRef> from_;
};

}  // namespace frame
