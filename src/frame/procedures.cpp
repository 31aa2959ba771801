#include "frame/procedures.hpp"

#include <stdexcept>

namespace frame {

void Procedures::add(std::string name, std::function<void()> procedure) {
  procedures_[std::move(name)] = std::move(procedure);
}

const std::function<void()>* Procedures::find(std::string_view name) const {
  auto it = procedures_.find(name);
  return it == procedures_.end() ? nullptr : &it->second;
}

void Procedures::run(std::string_view name) const {
  const auto* p = find(name);
  if (p == nullptr) throw std::out_of_range("no procedure " + std::string(name));
  (*p)();
}

}  // namespace frame
