#include "qt/qt_dialogs.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>

namespace qt {

namespace {

// The width a title bar needs to show the whole title. The desktop draws it
// in its own caption font, bold and commonly wider than the program's, and
// keeps room for the window's icon and its buttons.
int TitleBarWidth(const QString& title) {
  QFont caption = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  caption.setBold(true);
  caption.setPointSizeF(std::max(caption.pointSizeF(), 10.0));
  const QFontMetrics fm(caption);
  constexpr int kIconAndButtons = 6;  // each about a line of the caption wide, with their gaps
  return fm.horizontalAdvance(title) + kIconAndButtons * fm.height();
}

// A message box sizes itself to its prompt alone; a row as wide as the title
// bar needs keeps it from cutting the title, and never makes it narrower.
void WidenForTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  grid->addItem(new QSpacerItem(TitleBarWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void QtDialogs::messageBox(const std::string& prompt, const std::string& title) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(prompt),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  WidenForTitle(box);
  box.exec();
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
  bool ok = false;
  const QString answer =
      QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(title),
                            QString::fromStdString(prompt), QLineEdit::Normal,
                            QString::fromStdString(defaultText), &ok);
  return ok ? answer.toStdString() : std::string();
}

}  // namespace qt
