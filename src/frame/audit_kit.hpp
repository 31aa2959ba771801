#pragma once
// What the audit's trials on copies of the program share.

#include <map>
#include <string>

#include "frame/dependencies.hpp"
#include "platform/platform.hpp"

namespace frame {

// Where a row is declared, from the program's source folder on.
inline std::string FileOf(const Dependency& d) {
  const std::string file = d.file;
  const auto at = file.rfind("/src/");
  return at == std::string::npos ? file : file.substr(at + 1);
}

// What the audit reads itself is no procedure's.
class Quiet {
 public:
  explicit Quiet(platform::Platform& p) : p_(p), tracer_(*p.tracerSlot()) { p.setTracer(nullptr); }
  ~Quiet() { p_.setTracer(tracer_); }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  platform::Platform& p_;
  platform::Tracer* tracer_;
};

// What the copies told, for every audit of the process: whether a read
// decides a result (the verdict of the same procedure reading the same
// values, never of another state), whether a hold is needed. A run of the
// walk sets out afresh many times and meets the same states again.
inline std::map<std::string, std::string>& Tried() {
  static std::map<std::string, std::string> tried;
  return tried;
}

}  // namespace frame
