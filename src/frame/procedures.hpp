#pragma once
// The procedures of the main window by name, as the routing tables name them.
// Every stage registers its own; the routing only looks them up.

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace frame {

class Procedures {
 public:
  void add(std::string name, std::function<void()> procedure);
  const std::function<void()>* find(std::string_view name) const;
  bool has(std::string_view name) const { return find(name) != nullptr; }
  void run(std::string_view name) const;  // throws std::out_of_range for an unknown name
  const std::map<std::string, std::function<void()>, std::less<>>& all() const { return procedures_; }

 private:
  std::map<std::string, std::function<void()>, std::less<>> procedures_;
};

}  // namespace frame
