#include "qt/control_widgets.hpp"

#include <QSignalBlocker>
#include <QStyle>
#include <QStringList>

#include "qt/button_widget.hpp"
#include "qt/colors.hpp"
#include "qt/drawing_widgets.hpp"
#include "qt/frame_widget.hpp"
#include "qt/indicator_style.hpp"
#include "qt/label_widget.hpp"
#include "qt/option_widget.hpp"
#include "qt/picture_widget.hpp"
#include "qt/reading_order.hpp"
#include "qt/tab_strip_widget.hpp"
#include "qt/text_box_widget.hpp"

namespace qt {

using platform::Control;
using platform::Kind;
using platform::Property;

namespace {

// The height of a tab strip's row of tabs; the pages' controls are designed below it.
constexpr int kTabHeightTwips = 300;

QString Text(const std::string& s) { return QString::fromStdString(s); }

QStringList TabCaptions(const Control& strip) {
  QStringList captions;
  for (int i = 0; i < strip.tabCount(); ++i) captions << Text(strip.tabCaption(i));
  return captions;
}

void ShowTabState(TabStripWidget& strip, const Control& c) {
  std::vector<bool> enabled;
  for (int i = 0; i < c.tabCount(); ++i) enabled.push_back(c.tabEnabled(i));
  strip.showState(c.tab(), enabled);
}

void ShowGeometry(QWidget& widget, const Control& c, const Twips& twips) {
  if (c.kind() == Kind::Line) {
    static_cast<LineWidget&>(widget).setLine(QPoint(twips.pixels(c.left()), twips.pixels(c.top())),
                                             QPoint(twips.pixels(c.left() + c.width()),
                                                    twips.pixels(c.top() + c.height())));
    return;
  }
  QRect box = twips.rect(c.left(), c.top(), c.width(), c.height());
  if (c.kind() == Kind::OptionButton) {
    // An option drawn smaller than designed could cut its round indicator: it
    // grows about its middle instead, so its caption stays where it was.
    const int missing = widget.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, &widget) -
                        box.height();
    if (missing > 0) box.adjust(0, -missing / 2, 0, missing - missing / 2);
  }
  widget.setGeometry(box);
}

void ShowCaption(QWidget& widget, const Control& c) {
  const QString caption = Text(c.caption());
  switch (c.kind()) {
    case Kind::Label: static_cast<LabelWidget&>(widget).setCaption(caption); break;
    case Kind::CommandButton:
    case Kind::OptionButton: static_cast<QAbstractButton&>(widget).setText(caption); break;
    case Kind::Frame: static_cast<QGroupBox&>(widget).setTitle(caption); break;
    case Kind::Image: static_cast<PictureWidget&>(widget).setPicture(caption); break;
    default: break;
  }
}

QFont ControlFont(const Control& c, const Twips& twips) {
  QFont font = twips.font(c.fontSize(), c.bold());
  font.setUnderline((c.designFlags() & platform::Underlined) != 0);
  return font;
}

void ShowTextBox(QLineEdit& box, const Control& c) {
  const QString text = Text(c.text());
  if (box.text() != text) box.setText(text);
}

void ShowForeColor(QWidget& widget, const Control& c) {
  switch (c.kind()) {
    case Kind::TextBox: ApplyColor(widget, QPalette::Text, c.foreColor()); break;
    case Kind::CommandButton: ApplyColor(widget, QPalette::ButtonText, c.foreColor()); break;
    case Kind::Line: static_cast<LineWidget&>(widget).setColor(ModelColor(c.foreColor())); break;
    case Kind::Shape: static_cast<ShapeWidget&>(widget).setBorderColor(ModelColor(c.foreColor())); break;
    default: ApplyColor(widget, QPalette::WindowText, c.foreColor()); break;
  }
}

void ShowBackColor(QWidget& widget, const Control& c) {
  switch (c.kind()) {
    case Kind::TextBox: ApplyColor(widget, QPalette::Base, c.backColor()); break;
    case Kind::CommandButton: ApplyColor(widget, QPalette::Button, c.backColor()); break;
    case Kind::Shape: static_cast<ShapeWidget&>(widget).setFillColor(ModelColor(c.backColor())); break;
    case Kind::Label:
    case Kind::OptionButton:
    case Kind::Frame:
      widget.setAutoFillBackground(ModelColor(c.backColor()).has_value());
      ApplyColor(widget, QPalette::Window, c.backColor());
      break;
    default: break;
  }
}

}  // namespace

QWidget* CreateControlWidget(const Control& c, QWidget* parent, UserActions& actions, const Twips& twips) {
  QWidget* widget = nullptr;
  switch (c.kind()) {
    case Kind::Label: widget = new LabelWidget(actions, c.designFlags(), parent); break;
    case Kind::TextBox: widget = new TextBoxWidget(actions, parent); break;
    case Kind::CommandButton: widget = new ButtonWidget(actions, parent); break;
    case Kind::OptionButton:
      widget = new OptionWidget(actions, parent);
      if (QStyle* style = IndicatorStyle::ForScale(twips.scale())) widget->setStyle(style);
      break;
    case Kind::Frame: widget = new FrameWidget(actions, parent); break;
    case Kind::Image: widget = new PictureWidget(parent); break;
    case Kind::Line: widget = new LineWidget(parent); break;
    case Kind::Shape: widget = new ShapeWidget(parent); break;
    case Kind::TabStrip:
      widget = new TabStripWidget(actions, TabCaptions(c), twips.pixels(kTabHeightTwips), parent);
      break;
  }
  widget->setObjectName(QString::fromStdString(c.displayName()));
  if ((c.designFlags() & platform::NoPageFocus) != 0) KeepPageFocusAway(*widget);
  return widget;
}

void ShowProperty(QWidget& widget, const Control& c, Property p, const Twips& twips) {
  switch (p) {
    case Property::Visible: widget.setVisible(c.visible()); break;
    case Property::Enabled: widget.setEnabled(c.enabled()); break;
    case Property::Locked:
      if (c.kind() == Kind::TextBox) {
        static_cast<QLineEdit&>(widget).setReadOnly(c.locked());
        // A locked box shows a value: a click may select it, the Tab key passes it by.
        widget.setFocusPolicy(c.locked() ? Qt::ClickFocus : Qt::StrongFocus);
      }
      break;
    case Property::Geometry: ShowGeometry(widget, c, twips); break;
    case Property::Caption:
    case Property::Picture: ShowCaption(widget, c); break;
    case Property::Text:
      if (c.kind() == Kind::TextBox) ShowTextBox(static_cast<QLineEdit&>(widget), c);
      break;
    case Property::Bold:
    case Property::FontSize: widget.setFont(ControlFont(c, twips)); break;
    case Property::ForeColor: ShowForeColor(widget, c); break;
    case Property::BackColor: ShowBackColor(widget, c); break;
    case Property::MaxLength: break;  // the model cuts the text (see TextBoxWidget)
    case Property::Value:
      if (c.kind() == Kind::OptionButton) {
        auto& option = static_cast<QAbstractButton&>(widget);
        const QSignalBlocker block(option);
        option.setChecked(c.value());
      }
      break;
    case Property::Tab:
    case Property::TabEnabled:
      if (c.kind() == Kind::TabStrip) ShowTabState(static_cast<TabStripWidget&>(widget), c);
      break;
    case Property::TabCaption:
      if (c.kind() == Kind::TabStrip) {
        auto& strip = static_cast<TabStripWidget&>(widget);
        for (int i = 0; i < c.tabCount(); ++i) strip.setCaption(i, Text(c.tabCaption(i)));
      }
      break;
  }
}

void ShowAllProperties(QWidget& widget, const Control& c, const Twips& twips) {
  // Fonts and colours are set on every widget, so none inherits them from its container.
  for (Property p : {Property::Bold, Property::ForeColor, Property::BackColor, Property::Geometry, Property::Caption,
                     Property::Text, Property::Locked, Property::Value, Property::Tab, Property::Enabled,
                     Property::Visible})
    ShowProperty(widget, c, p, twips);
}

}  // namespace qt
