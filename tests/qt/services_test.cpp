// The desktop services: printing a window into a PDF file, the printer
// failures, the clock and the wait cursor.

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimer>

#include "front_end_fixture.hpp"
#include "qt/qt_clock.hpp"
#include "qt/qt_dialogs.hpp"
#include "qt/qt_printer.hpp"
#include "qt/qt_process.hpp"
#include "qt/qt_screen.hpp"

using namespace platform;

namespace {

class ServicesTest : public FrontEndTest {
 protected:
  void SetUp() override {
    Show({{.kind = Kind::Label, .name = "Label1", .left = 300, .top = 300, .width = 3000, .height = 285,
           .caption = "Results"},
          {.kind = Kind::TextBox, .name = "Text1", .index = 258, .left = 300, .top = 900, .width = 900,
           .height = 285, .caption = "2222222"}});
  }
};

// The first page's size in a PDF file, in points.
QSizeF FirstMediaBox(const QByteArray& pdf) {
  const QRegularExpression box(R"(/MediaBox\s*\[\s*([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s*\])");
  const auto m = box.match(QString::fromLatin1(pdf));
  if (!m.hasMatch()) return {};
  return QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(),
                m.captured(4).toDouble() - m.captured(2).toDouble());
}

TEST_F(ServicesTest, PrintingToAPdfFileGivesALandscapePage) {
  QTemporaryDir dir;
  const QString file = dir.filePath("page.pdf");
  qt::QtPrinter pdf(renderer, file);
  ASSERT_TRUE(pdf.setOrientation(Orientation::Landscape));
  ASSERT_TRUE(pdf.printWindow(*window));
  ASSERT_TRUE(pdf.endDoc());
  EXPECT_TRUE(pdf.setOrientation(Orientation::Portrait));  // back to portrait after the job
  ASSERT_EQ(pdf.lastJobOrientation(), QPageLayout::Landscape);

  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  const QByteArray bytes = out.readAll();
  EXPECT_GT(bytes.size(), 1000);
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  // Drawn at the printer's resolution, not a JPEG picture of the screen: the text goes out in its font.
  EXPECT_TRUE(bytes.contains("/FontFile2"));
  EXPECT_FALSE(bytes.contains("/DCTDecode"));
  // The job bears the window's caption, which Qt writes as UTF-16 big-endian behind its byte order mark.
  const QByteArray caption = QStringEncoder(QStringEncoder::Utf16BE)(u"Test window");
  EXPECT_TRUE(bytes.contains("/Title (\xfe\xff" + caption + ")"));
  const QSizeF page = FirstMediaBox(bytes);
  EXPECT_GT(page.width(), page.height());
  // The window as large as 10 mm margins allow, its proportions kept, centred on the sheet.
  const QSizeF sheet = page * (25.4 / 72.0);  // millimetres
  const QRectF on = pdf.lastWindowOnSheet().value_or(QRectF());
  const double left = on.left(), right = sheet.width() - on.right();
  const double top = on.top(), bottom = sheet.height() - on.bottom();
  EXPECT_NEAR(left, right, 0.1);
  EXPECT_NEAR(top, bottom, 0.1);
  EXPECT_NEAR(std::min(left, top), 10.0, 0.1);
  EXPECT_NEAR(on.width() / on.height(), static_cast<double>(View()->width()) / View()->height(), 0.005);

  // A second job starts again in landscape.
  ASSERT_TRUE(pdf.setOrientation(Orientation::Landscape));
  ASSERT_TRUE(pdf.printWindow(*window));
  ASSERT_TRUE(pdf.endDoc());
  EXPECT_EQ(pdf.lastJobOrientation(), QPageLayout::Landscape);
}

TEST_F(ServicesTest, APageThatCannotBePaintedIsAFailure) {
  qt::QtPrinter pdf(renderer, "/nonexistent-folder/for/sure/page.pdf");
  EXPECT_TRUE(pdf.setOrientation(Orientation::Landscape));
  EXPECT_FALSE(pdf.printWindow(*window));
  // The failed job leaves nothing half open: the next one may start.
  EXPECT_FALSE(pdf.printWindow(*window));
}

TEST_F(ServicesTest, AnUnloadedWindowIsNotPrinted) {
  QTemporaryDir dir;
  qt::QtPrinter pdf(renderer, dir.filePath("none.pdf"));
  Platform::DispatchScope scope(platform);  // keeps the unloaded window alive for the call
  platform.unload(*window);
  EXPECT_FALSE(pdf.printWindow(*window));
}

TEST_F(ServicesTest, NoDefaultPrinterIsAFailure) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
  qt::QtPrinter system(renderer);
  EXPECT_FALSE(system.setOrientation(Orientation::Landscape));
  EXPECT_FALSE(system.printWindow(*window));
  EXPECT_FALSE(system.endDoc());
}

// A real message box, answered from the event loop it runs: its width.
int ShownWidth(const std::string& prompt, const std::string& title) {
  int width = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    EXPECT_EQ(box->windowTitle().toStdString(), title);  // blanks and all
    width = box->width();
    box->button(QMessageBox::Ok)->click();
  });
  qt::QtDialogs().messageBox(prompt, title);
  return width;
}

TEST(QtServices, AMessageBoxIsWideEnoughForItsWholeTitle) {
  // A title bar's caption font is commonly a bold 10 pt, and the bar keeps
  // room for at least three buttons as wide as a line of it.
  QFont caption = QApplication::font();
  caption.setBold(true);
  caption.setPointSize(10);
  const QFontMetrics fm(caption);
  const std::pair<std::string, std::string> messages[] = {
      {"Enter a valid value...", "Invalid value                    "},
      {"Enter a valid value", "Invalid Um                      "},
      {"Enter a valid value...", "Invalid Urp value              "},
      {"printer not ready or printer error.Check printer and try again.", "print error"}};
  for (const auto& [prompt, title] : messages) {
    const int width = ShownWidth(prompt, title);
    EXPECT_GE(width, fm.horizontalAdvance(QString::fromStdString(title)) + 3 * fm.height()) << title;
    QMessageBox plain(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(prompt),
                      QMessageBox::Ok);
    EXPECT_GE(width, plain.sizeHint().width()) << title;  // never narrower than Qt's own box
  }
}

TEST(QtServices, ClockGivesTheShortDate) {
  qt::QtClock clock;
  const std::string date = clock.shortDate();
  EXPECT_FALSE(date.empty());
  EXPECT_EQ(date, QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString());
}

TEST(QtServices, HourglassIsTheWaitCursorUntilTheDefaultComesBack) {
  {
    qt::QtScreen screen;
    screen.setMousePointer(MousePointer::Hourglass);
    screen.setMousePointer(MousePointer::Hourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    screen.setMousePointer(MousePointer::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    screen.setMousePointer(MousePointer::Hourglass);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // a screen that goes away gives the cursor back
}

TEST(QtServicesDeathTest, ExitEndsTheProcessAtOnceFromInsideTheEventLoop) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        QWidget window;
        window.show();
        QTimer::singleShot(0, [] { qt::QtProcess().exit(); });
        QApplication::exec();
        std::abort();  // never reached
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
