#include "frame/stage.hpp"

namespace frame {

void Stage::Build(platform::Window& w) {
  for (const auto& page : pages_) page->Build(w);
}

void Stage::DeclareRoutes(Routes& routes) {
  for (const auto& page : pages_) page->DeclareRoutes(routes);
}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const {
  std::vector<std::span<const platform::ControlDesign>> rows;
  for (const auto& page : pages_)
    if (const auto boxes = page->ValueStoreRows(); !boxes.empty()) rows.push_back(boxes);
  return rows;
}

std::vector<std::span<const Dependency>> Stage::Dependencies() const {
  std::vector<std::span<const Dependency>> rows;
  for (const auto& page : pages_)
    if (const auto declared = page->Dependencies(); !declared.empty()) rows.push_back(declared);
  return rows;
}

}  // namespace frame
