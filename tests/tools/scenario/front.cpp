#include "scenario/front.hpp"

#include "platform/platform.hpp"
#include "platform/window.hpp"
#include "support/driver.hpp"

namespace scenario {

using platform::Control;

std::string WhyNotUsable(const Control& c) {
  if (!c.isShown()) return "it is not shown";
  for (const Control* k = &c; k != nullptr; k = k->container())
    if (!k->enabled()) return "it is not enabled";
  return "";
}

std::string WhyNotTypable(std::string_view text) {
  for (const char ch : text) {
    const auto code = static_cast<unsigned char>(ch);
    if (code < 0x20 || code == 0x7f)
      return "the text holds the control character " + std::to_string(code) + ", which no key types into a box";
  }
  return "";
}

void Front::Attach(support::Driver& driver) { platform_ = &driver.platform; }

std::string Front::Click(Control& c) {
  std::string why = WhyNotUsable(c);
  if (why.empty()) platform_->click(c);
  return why;
}

std::string Front::Type(Control& box, const std::string& text) {
  std::string why = WhyNotTypable(text);
  if (why.empty()) why = WhyNotUsable(box);
  if (why.empty()) platform_->typeText(box, text);
  return why;
}

std::string Front::Replace(Control& box, const std::string& text) {
  std::string why = WhyNotUsable(box);
  if (why.empty()) platform_->setTextByUser(box, text);
  return why;
}

std::string Front::Key(Control& box, int code) {
  std::string why = WhyNotUsable(box);
  if (why.empty()) platform_->keyPress(box, code);
  return why;
}

std::string Front::Focus(Control& c) {
  std::string why = WhyNotUsable(c);
  if (why.empty()) platform_->focus(c);
  return why;
}

std::string Front::Hover(Control& c) {
  // A person rests the pointer on what is on the screen, enabled or not, as
  // the widgets let the pointer enter a disabled control too.
  if (!c.isShown()) return "it is not shown";
  platform_->mouseMove(c);
  return "";
}

std::string Front::ClickTab(Control& strip, int page) {
  if (std::string why = WhyNotUsable(strip); !why.empty()) return why;
  return platform_->clickTab(strip, page) ? "" : "the page is disabled";
}

std::string Front::Close(platform::Window& w) {
  platform_->close(w);
  return "";
}

Measured Front::Measure(const Control& c, Edge edge, int twips) {
  const int seen = Pick(edge, c.left(), c.top(), c.width(), c.height());
  return {seen == twips, std::to_string(seen), std::to_string(twips)};
}

std::string Front::Pages(const Control& strip) {
  std::string out;
  for (int i = 0; i < strip.tabCount(); ++i) out += strip.tabEnabled(i) ? '1' : '0';
  return out;
}

std::string Front::WindowState(std::string_view name) {
  const platform::Window* w = platform_->window(name);
  if (w == nullptr) return "unloaded";
  return w->shown() ? "shown" : "hidden";
}

std::string Front::WindowCaption(const platform::Window& w) { return w.caption(); }

platform::MousePointer Front::Pointer() { return platform_->mousePointer(); }

std::string Front::Text(const Control& c) { return c.text(); }
std::string Front::Caption(const Control& c) { return c.caption(); }
bool Front::Visible(const Control& c) { return c.visible(); }
bool Front::Shown(const Control& c) { return c.isShown(); }
bool Front::Enabled(const Control& c) { return c.enabled(); }
bool Front::Locked(const Control& c) { return c.locked(); }
bool Front::Value(const Control& c) { return c.value(); }
int Front::Tab(const Control& strip) { return strip.tab(); }
std::string Front::PageCaption(const Control& strip, int page) { return strip.tabCaption(page); }

}  // namespace scenario
