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

void Front::Attach(support::Driver& driver) { platform_ = &driver.platform; }

std::string Front::Click(Control& c) {
  std::string why = WhyNotUsable(c);
  if (why.empty()) platform_->click(c);
  return why;
}

std::string Front::Type(Control& box, const std::string& text) {
  platform_->typeText(box, text);
  return "";
}

std::string Front::Replace(Control& box, const std::string& text) {
  platform_->setTextByUser(box, text);
  return "";
}

std::string Front::Key(Control& box, int code) {
  platform_->keyPress(box, code);
  return "";
}

std::string Front::Focus(Control& c) {
  platform_->focus(c);
  return "";
}

std::string Front::Hover(Control& c) {
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
