#pragma once
// A top-level window: its controls in creation order and the event procedures bound to them.

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/control.hpp"
#include "platform/design.hpp"
#include "platform/events.hpp"

namespace platform {

class Platform;
class Window;

// Names are a few letters and digits: a byte-wise hash of them is quick.
constexpr std::size_t HashName(std::string_view name) {
  std::size_t h = 14695981039346656037ull;
  for (const char ch : name) h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
  return h;
}

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

  // Throws std::logic_error for a row the window cannot hold: a negative index,
  // a container not created yet, a name and index created twice.
  Control& create(const ControlDesign& design);
  void createAll(std::span<const ControlDesign> designs);

  // Lookup by name and index; get() throws std::out_of_range when there is none.
  Control* find(std::string_view name, int index = kNoIndex) const;
  // The option buttons that exclude each other with `option`: those of its
  // container and page, itself included.
  const std::vector<Control*>& optionGroup(const Control& option) const;
  // Whether any control, of any index, bears the name.
  bool has(std::string_view name) const;
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
  // Every name of the window: its controls by index (a single control's at
  // kNoIndex first) and the procedure of each of its events. A procedure runs
  // on every event of a person's action, a lookup on most steps of one.
  struct Named {
    std::vector<Control*> byIndex;
    std::array<Handler, kEventTypes> procedures;
  };
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return HashName(name); }
  };
  std::unordered_map<std::string, Named, NameHash, std::equal_to<>> names_;
  // The option buttons of each container and page, which exclude each other.
  std::map<std::pair<const Control*, int>, std::vector<Control*>> optionGroups_;
};

}  // namespace platform
