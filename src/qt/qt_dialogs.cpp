#include "qt/qt_dialogs.hpp"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace qt {

void QtDialogs::messageBox(const std::string& prompt, const std::string& title) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(prompt),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
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
