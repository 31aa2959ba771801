#include "frame/help_text.hpp"

namespace frame {

void ShowHelpText(App& app, const HelpText& help) {
  platform::Control& label = app.control(help.label.name, help.label.index);
  const platform::Control& anchor = app.control(help.anchor.name, help.anchor.index);
  label.setCaption(help.text);
  const int height = help.height == kKeepHeight ? label.height() : help.height;
  label.setGeometry(label.left(), anchor.top() - help.raise, label.width(), height);
  label.setVisible(true);
}

}  // namespace frame
