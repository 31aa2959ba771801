#include "platform/control.hpp"

#include <stdexcept>

#include "platform/characters.hpp"
#include "platform/platform.hpp"
#include "platform/window.hpp"

namespace platform {

namespace {

std::vector<std::string> splitTabs(const char* tabs) {
  std::vector<std::string> out;
  if (tabs == nullptr) return out;
  std::string current;
  for (const char* p = tabs; *p != '\0'; ++p) {
    if (*p == '|') {
      out.push_back(current);
      current.clear();
    } else {
      current += *p;
    }
  }
  out.push_back(current);
  return out;
}

}  // namespace

Control::Control(Window& window, const ControlDesign& d, Control* container)
    : window_(window),
      tracer_(window.platform().tracerSlot()),
      kind_(d.kind),
      name_(d.name),
      index_(d.index),
      container_(container),
      page_(d.page),
      visible_((d.flags & Hidden) == 0),
      enabled_((d.flags & Disabled) == 0),
      locked_((d.flags & Locked) != 0),
      bold_((d.flags & Bold) != 0),
      value_((d.flags & Selected) != 0),
      left_(d.left),
      top_(d.top),
      width_(d.width),
      height_(d.height),
      caption_(d.kind == Kind::TextBox ? "" : d.caption),
      flags_(d.flags),
      maxLength_(d.maxLength),
      backColor_(d.backColor),
      foreColor_(d.foreColor),
      fontSize_(d.fontSize),
      tabCaptions_(splitTabs(d.tabs)),
      tabEnabled_(tabCaptions_.size(), true),
      tab_(d.tab) {
  if (kind_ == Kind::TextBox) text_ = cutToMaxLength(d.caption);
}

std::string Control::displayName() const {
  if (index_ == kNoIndex) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

void Control::changed(Property p) { window_.platform().notify(*this, p); }

// What the tracer itself reads is no procedure's.
const std::string* Control::tracedText() const {
  return window_.platform().tellTracer([this](Tracer& t) { return t.textRead(*this); });
}

std::optional<bool> Control::tracedValue() const {
  return window_.platform().tellTracer([this](Tracer& t) { return t.valueRead(*this); });
}

void Control::tracedWrite() const {
  window_.platform().tellTracer([this](Tracer& t) { t.textWritten(*this); });
}

void Control::setVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  changed(Property::Visible);
}

bool Control::isShown() const {
  if (!window_.shown()) return false;
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->visible_) return false;
    const Control* parent = c->container_;
    if (parent != nullptr && parent->kind_ == Kind::TabStrip && parent->tab_ != c->page_) return false;
  }
  return true;
}

void Control::setEnabled(bool e) {
  if (enabled_ == e) return;
  enabled_ = e;
  changed(Property::Enabled);
}

void Control::setHeld(bool held) {
  if (held_ == held) return;
  held_ = held;
  if (enabled_) changed(Property::Enabled);
}

void Control::setGeometry(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed(Property::Geometry);
}

void Control::setCaption(const std::string& c) {
  if (caption_ == c) return;
  caption_ = c;
  changed(kind_ == Kind::Image ? Property::Picture : Property::Caption);
}

void Control::setBold(bool b) {
  if (bold_ == b) return;
  bold_ = b;
  changed(Property::Bold);
}

void Control::setBackColor(std::uint32_t c) {
  if (backColor_ == c) return;
  backColor_ = c;
  changed(Property::BackColor);
}

std::string Control::cutToMaxLength(const std::string& t) const {
  if (maxLength_ <= 0) return t;
  // MaxLength counts characters, not bytes: the cut keeps each one whole. A
  // box's every write is cut, so the count builds no list of them.
  std::size_t at = 0;
  for (int kept = 0; at < t.size() && kept < maxLength_; ++kept) at = CharacterEnd(t, at);
  return at < t.size() ? t.substr(0, at) : t;
}

void Control::setText(const std::string& t) {
  std::string kept = cutToMaxLength(t);
  if (kept == text_) {
    window_.platform().notifyRewritten(*this);
    if (*tracer_ != nullptr) tracedWrite();
    return;
  }
  text_ = std::move(kept);
  changed(Property::Text);
  if (*tracer_ != nullptr) tracedWrite();
  window_.platform().raise(*this, EventType::Change);
}

void Control::insertTypedText(const std::string& t) { setText(text_ + t); }

void Control::setLocked(bool l) {
  if (locked_ == l) return;
  locked_ = l;
  changed(Property::Locked);
}

void Control::setMaxLength(int n) {
  if (maxLength_ == n) return;
  maxLength_ = n;
  changed(Property::MaxLength);
}

void Control::setValue(bool v) {
  if (!v) {
    if (!value_) return;
    value_ = false;
    changed(Property::Value);
    return;
  }
  // Selecting one option of a container deselects the others, silently.
  for (Control* other : window_.optionGroup(*this)) {
    if (other != this && other->value_) {
      other->value_ = false;
      other->changed(Property::Value);
    }
  }
  if (!value_) {
    value_ = true;
    changed(Property::Value);
  }
  window_.platform().raise(*this, EventType::Click);
}

void Control::checkPage(int page) const {
  if (page < 0 || page >= tabCount())
    throw std::out_of_range(displayName() + ": no tab page " + std::to_string(page));
}

void Control::setTab(int page) {
  checkPage(page);
  if (tab_ == page) return;
  tab_ = page;
  changed(Property::Tab);
}

bool Control::tabEnabled(int page) const {
  checkPage(page);
  return tabEnabled_[page];
}

void Control::setTabEnabled(int page, bool e) {
  checkPage(page);
  if (tabEnabled_[page] == e) return;
  tabEnabled_[page] = e;
  changed(Property::TabEnabled);
}

const std::string& Control::tabCaption(int page) const {
  checkPage(page);
  return tabCaptions_[page];
}

void Control::setTabCaption(int page, const std::string& c) {
  checkPage(page);
  if (tabCaptions_[page] == c) return;
  tabCaptions_[page] = c;
  changed(Property::TabCaption);
}

}  // namespace platform
