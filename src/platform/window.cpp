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
  auto key = std::make_pair(std::string(design.name), design.index);
  if (byName_.count(key) != 0)
    throw std::logic_error(name_ + ": control " + design.name + "(" + std::to_string(design.index) +
                           ") created twice");
  controls_.push_back(std::make_unique<Control>(*this, design, container));
  Control& c = *controls_.back();
  byName_.emplace(std::move(key), &c);
  platform_.notifyCreated(c);
  return c;
}

void Window::createAll(std::span<const ControlDesign> designs) {
  for (const auto& d : designs) create(d);
}

Control* Window::find(std::string_view name, int index) const {
  auto it = byName_.find(std::make_pair(std::string(name), index));
  return it == byName_.end() ? nullptr : it->second;
}

Control& Window::get(std::string_view name, int index) const {
  Control* c = find(name, index);
  if (c == nullptr)
    throw std::out_of_range(name_ + " has no control " + std::string(name) +
                            (index == kNoIndex ? "" : "(" + std::to_string(index) + ")"));
  return *c;
}

void Window::on(std::string_view name, EventType type, Handler handler) {
  handlers_[std::make_pair(std::string(name), type)] = std::move(handler);
}

const Handler* Window::handler(std::string_view name, EventType type) const {
  auto it = handlers_.find(std::make_pair(std::string(name), type));
  return it == handlers_.end() ? nullptr : &it->second;
}

}  // namespace platform
