#pragma once
// A top-level window: its controls in creation order and the event procedures bound to them.

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/control.hpp"
#include "platform/design.hpp"
#include "platform/events.hpp"

namespace platform {

class Platform;
class Window;

// What a window is at design time: its caption and size, how its controls are
// created and its procedures bound, and what runs when it is loaded.
struct WindowDefinition {
  std::string name;
  std::string caption;
  int clientWidth = 0;   // twips
  int clientHeight = 0;  // twips
  std::function<void(Window&)> build;
  std::function<void(Window&)> onLoad;
};

enum class WindowState { Loaded, Shown, Hidden, Unloaded };

class Window {
 public:
  Window(Platform& platform, const WindowDefinition& definition);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  Platform& platform() const { return platform_; }
  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& c);
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  WindowState state() const { return state_; }
  bool loaded() const { return state_ != WindowState::Unloaded; }
  bool shown() const { return state_ == WindowState::Shown; }

  Control& create(const ControlDesign& design);
  void createAll(std::span<const ControlDesign> designs);

  // Lookup by name and index; get() throws std::out_of_range when there is none.
  Control* find(std::string_view name, int index = kNoIndex) const;
  Control& get(std::string_view name, int index = kNoIndex) const;
  Control& operator()(std::string_view name, int index = kNoIndex) const { return get(name, index); }
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  // Binds the event procedure of every control called `name` (a whole array).
  void on(std::string_view name, EventType type, Handler handler);
  const Handler* handler(std::string_view name, EventType type) const;

 private:
  friend class Platform;
  Platform& platform_;
  std::string name_;
  std::string caption_;
  int clientWidth_, clientHeight_;
  WindowState state_ = WindowState::Loaded;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::pair<std::string, int>, Control*, std::less<>> byName_;
  std::map<std::pair<std::string, EventType>, Handler, std::less<>> handlers_;
};

}  // namespace platform
