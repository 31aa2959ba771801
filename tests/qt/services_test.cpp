// The desktop services: printing a window into a PDF file and to a print
// queue, the printer failures, the clock and the wait cursor.

#include <cups/cups.h>
#include <sys/prctl.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <csignal>

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

// A cupsd of the test's own in a temporary folder, reached through CUPS_SERVER while it lives; its
// queues keep what they print in a file, and each holds one job at most.
class OwnCupsd {
 public:
  static QString Program() { return QStandardPaths::findExecutable("cupsd", {"/usr/sbin"}); }

  // Empty once cupsd answers on its socket; otherwise what went wrong.
  QString Start() {
    const QString root = dir_.path(), socket = root + "/cups.sock";
    for (const char* folder : {"spool", "var", "bin/backend"}) QDir(root).mkpath(folder);
    QFile::link("/usr/lib/cups/daemon", root + "/bin/daemon");  // cups-exec, which starts a backend
    // A backend that only its owner may run is run as its owner, so root's too writes into the folder.
    Write("bin/backend/keep", "#!/bin/sh\n[ $# -eq 0 ] || cat ${6:+\"$6\"} > \"${DEVICE_URI#keep:}\"\n",
          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Write("cupsd.conf", "Listen " + socket +
                            "\nBrowsing No\nMaxJobsPerPrinter 1\n"
                            "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n");
    Write("cups-files.conf", QString("ServerRoot %1\nServerBin %1/bin\nRequestRoot %1/spool\nCacheDir %1/var\n"
                                     "StateDir %1/var\nServerKeychain %1/var\nErrorLog %1/log\nAccessLog %1/log\n"
                                     "PageLog %1/log\nPrintcap %1/printcap\n")
                                 .arg(root));
    // A queue that refuses jobs and one that is stopped but accepts, as cupsreject and cupsdisable leave them.
    Write("printers.conf", QString("<Printer open>\nDeviceURI keep:%1/open.out\n</Printer>\n"
                                   "<Printer refusing>\nDeviceURI keep:%1/refusing.out\nAccepting No\n</Printer>\n"
                                   "<Printer stopped>\nDeviceURI keep:%1/stopped.out\nState Stopped\n</Printer>\n")
                               .arg(root));
    cupsd_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });  // gone with the test, whatever
    cupsd_.start(Program(), {"-f", "-c", root + "/cupsd.conf", "-s", root + "/cups-files.conf"});
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    cupsSetServer(nullptr);  // libcups forgets the server it knew: its next request reads CUPS_SERVER
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired() && cupsd_.state() != QProcess::NotRunning;
         QThread::msleep(20))
      if (http_t* http =
              httpConnect2(socket.toLocal8Bit(), 0, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1, 200, nullptr)) {
        httpClose(http);
        return {};
      }
    return "cupsd does not answer: " + Read("log");
  }

  ~OwnCupsd() {
    qunsetenv("CUPS_SERVER");
    qunsetenv("LPDEST");
    cupsSetServer(nullptr);
    cupsd_.terminate();
    cupsd_.waitForFinished(3000);
  }

  QString Read(const QString& file) const {
    QFile in(dir_.filePath(file));
    return in.open(QIODevice::ReadOnly) ? QString::fromLatin1(in.readAll()) : QString();
  }

 private:
  void Write(const QString& file, const QString& text,
             QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
    QFile out(dir_.filePath(file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) > 0 && out.setPermissions(permissions))
        << file.toStdString();
  }

  QTemporaryDir dir_;
  QProcess cupsd_;
};

TEST_F(ServicesTest, AJobThePrintQueueDoesNotTakeIsAFailure) {
  if (OwnCupsd::Program().isEmpty()) GTEST_SKIP() << "no cupsd on this machine (Debian package cups-daemon)";
  OwnCupsd cupsd;
  const QString failure = cupsd.Start();
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  // The window printed on `queue` as the desktop's default printer: whether the job went out.
  const auto printOn = [&](const char* queue) {
    qputenv("LPDEST", queue);
    EXPECT_EQ(QPrinterInfo::defaultPrinter().printerName().toStdString(), queue);
    qt::QtPrinter printer(renderer);
    return printer.setOrientation(Orientation::Landscape) && printer.printWindow(*window) && printer.endDoc();
  };
  EXPECT_TRUE(printOn("open"));
  QString printed;
  for (QDeadlineTimer deadline(5000); !deadline.hasExpired() && !printed.contains("%%EOF"); QThread::msleep(20))
    printed = cupsd.Read("open.out");
  EXPECT_TRUE(printed.startsWith("%PDF")) << cupsd.Read("log").toStdString();
  EXPECT_FALSE(printOn("refusing"));
  EXPECT_TRUE(printOn("stopped"));   // held for later
  EXPECT_FALSE(printOn("stopped"));  // accepting, but holding as many jobs as it may
  EXPECT_TRUE(cupsd.Read("stopped.out").isEmpty());
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
