#include "qt/qt_clock.hpp"

#include <QDate>
#include <QLocale>

namespace qt {

std::string QtClock::shortDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace qt
