#include "platform/window.hpp"

#include <stdexcept>

#include "platform/platform.hpp"

namespace platform {

Window::Window(Platform& platform, const WindowDefinition& d)
    : platform_(platform), name_(d.name), caption_(d.caption), clientWidth_(d.clientWidth),
      clientHeight_(d.clientHeight) {}

void Window::setCaption(const std::string& c) {
  if (caption_ == c) return;
  caption_ = c;
  platform_.notifyCaption(*this);
}

Control& Window::create(const ControlDesign& design) {
  Control* container = nullptr;
  if (design.container != nullptr) {
    container = find(design.container, design.containerIndex);
    if (container == nullptr)
      throw std::logic_error(name_ + ": container " + design.container + " of " + design.name +
                             " does not exist yet");
  }
  // A single control stands at kNoIndex, an array's elements from 0 on: a row
  // below them has no place among its name's controls.
  if (design.index < kNoIndex)
    throw std::logic_error(name_ + ": control " + design.name + "(" + std::to_string(design.index) +
                           ") has a negative index");
  auto it = names_.find(std::string_view(design.name));
  if (it == names_.end()) it = names_.try_emplace(design.name).first;
  Named& named = it->second;
  const auto at = static_cast<std::size_t>(design.index - kNoIndex);
  if (at < named.byIndex.size() && named.byIndex[at] != nullptr)
    throw std::logic_error(name_ + ": control " + design.name + "(" + std::to_string(design.index) +
                           ") created twice");
  if (at >= named.byIndex.size()) named.byIndex.resize(at + 1, nullptr);
  controls_.push_back(std::make_unique<Control>(*this, design, container));
  Control& c = *controls_.back();
  named.byIndex[at] = &c;
  if (c.kind() == Kind::OptionButton) optionGroups_[{container, c.containerPage()}].push_back(&c);
  platform_.notifyCreated(c);
  return c;
}

void Window::createAll(std::span<const ControlDesign> designs) {
  for (const auto& d : designs) create(d);
}

Control* Window::find(std::string_view name, int index) const {
  if (index < kNoIndex) return nullptr;
  const auto it = names_.find(name);
  if (it == names_.end()) return nullptr;
  const auto at = static_cast<std::size_t>(index - kNoIndex);
  return at < it->second.byIndex.size() ? it->second.byIndex[at] : nullptr;
}

const std::vector<Control*>& Window::optionGroup(const Control& option) const {
  return optionGroups_.at({option.container(), option.containerPage()});
}

bool Window::has(std::string_view name) const {
  const auto it = names_.find(name);
  if (it == names_.end()) return false;
  for (const Control* c : it->second.byIndex)
    if (c != nullptr) return true;
  return false;
}

Control& Window::get(std::string_view name, int index) const {
  Control* c = find(name, index);
  if (c == nullptr)
    throw std::out_of_range(name_ + " has no control " + std::string(name) +
                            (index == kNoIndex ? "" : "(" + std::to_string(index) + ")"));
  return *c;
}

void Window::on(std::string_view name, EventType type, Handler handler) {
  auto it = names_.find(name);
  if (it == names_.end()) it = names_.try_emplace(std::string(name)).first;
  it->second.procedures[static_cast<std::size_t>(type)] = std::move(handler);
}

const Handler* Window::handler(std::string_view name, EventType type) const {
  const auto it = names_.find(name);
  if (it == names_.end()) return nullptr;
  const Handler& h = it->second.procedures[static_cast<std::size_t>(type)];
  return h ? &h : nullptr;
}

}  // namespace platform
