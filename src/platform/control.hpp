#pragma once
// One control of a window: its identity, its own properties and their change reports.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/design.hpp"
#include "platform/tracer.hpp"

namespace platform {

class Window;

enum class Property {
  Visible, Enabled, Locked, Geometry, Caption, Text, Bold, ForeColor, BackColor,
  MaxLength, Value, Tab, TabEnabled, TabCaption, Picture, FontSize
};

class Control {
 public:
  Control(Window& window, const ControlDesign& design, Control* container);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }
  std::string displayName() const;  // "Text1(14)" or "txtUm"
  Window& window() const { return window_; }
  Control* container() const { return container_; }
  int containerPage() const { return page_; }

  // The control's own flag; isShown() says whether a person can see it.
  bool visible() const { return visible_; }
  void setVisible(bool v);
  bool isShown() const;
  // Enabled: the control's own flag, unless a rule of the program holds it
  // disabled (a button that would pass on a value not there yet); a person
  // can use it only while both allow it.
  bool enabled() const { return enabled_ && !held_; }
  void setEnabled(bool e);
  bool held() const { return held_; }
  // The Enabled flag as the program set it, whatever the rule holds.
  bool ownEnabled() const { return enabled_; }
  void setHeld(bool held);

  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setLeft(int v) { setGeometry(v, top_, width_, height_); }
  void setTop(int v) { setGeometry(left_, v, width_, height_); }
  void setGeometry(int left, int top, int width, int height);

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& c);
  bool bold() const { return bold_; }
  void setBold(bool b);
  int fontSize() const { return fontSize_; }
  std::uint32_t foreColor() const { return foreColor_; }
  std::uint32_t backColor() const { return backColor_; }
  void setBackColor(std::uint32_t c);
  unsigned designFlags() const { return flags_; }

  // Text boxes. setText keeps the first maxLength characters and raises Change
  // inside the write when the kept text differs from the old one.
  const std::string& text() const {
    if (*tracer_ != nullptr)
      if (const std::string* answered = tracedText()) return *answered;
    return text_;
  }
  void setText(const std::string& t);
  bool locked() const { return locked_; }
  void setLocked(bool l);
  int maxLength() const { return maxLength_; }
  void setMaxLength(int n);
  std::string cutToMaxLength(const std::string& t) const;

  // Option buttons. Selecting deselects the others of the same container and
  // runs Click; deselecting runs nothing.
  bool value() const {
    if (*tracer_ != nullptr)
      if (const std::optional<bool> answered = tracedValue()) return *answered;
    return value_;
  }
  void setValue(bool v);

  // Tab strips.
  int tabCount() const { return static_cast<int>(tabCaptions_.size()); }
  int tab() const { return tab_; }
  void setTab(int page);
  bool tabEnabled(int page) const;
  void setTabEnabled(int page, bool e);
  const std::string& tabCaption(int page) const;
  void setTabCaption(int page, const std::string& c);

  // Images: the name of the picture resource.
  const std::string& picture() const { return caption_; }
  void setPicture(const std::string& p) { setCaption(p); }

 private:
  friend class Platform;
  // What the tracer is told, and what it answers to a read.
  const std::string* tracedText() const;
  std::optional<bool> tracedValue() const;
  void tracedWrite() const;
  void changed(Property p);
  void checkPage(int page) const;
  void insertTypedText(const std::string& t);

  Window& window_;
  // The platform's tracer, if a test has set one.
  Tracer* const* tracer_;
  Kind kind_;
  std::string name_;
  int index_;
  Control* container_;
  int page_;
  bool visible_, enabled_, locked_, bold_, value_ = false, held_ = false;
  int left_, top_, width_, height_;
  std::string caption_, text_;
  unsigned flags_;
  int maxLength_;
  std::uint32_t backColor_, foreColor_;
  int fontSize_;
  std::vector<std::string> tabCaptions_;
  std::vector<bool> tabEnabled_;
  int tab_ = 0;
};

}  // namespace platform
