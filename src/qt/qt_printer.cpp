#include "qt/qt_printer.hpp"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "qt/print_queue.hpp"
#include "qt/window_drawing.hpp"
#include "qt/window_renderer.hpp"

namespace qt {

namespace {

// The least margin of the print on every side.
constexpr double kLeastMarginMm = 10.0;
constexpr double kMmPerInch = 25.4;

// Where a window of `window` pixels goes on a sheet of `sheet` device pixels
// whose printer cannot print within `unprintable`: as large as the margins
// allow, its proportions kept, centred on the sheet.
QRectF WindowOnSheet(QSizeF window, QSizeF sheet, QMarginsF unprintable, double dotsPerMm) {
  const double least = kLeastMarginMm * dotsPerMm;
  const double x = std::max({least, unprintable.left(), unprintable.right()});
  const double y = std::max({least, unprintable.top(), unprintable.bottom()});
  const double scale =
      std::min((sheet.width() - 2 * x) / window.width(), (sheet.height() - 2 * y) / window.height());
  const QSizeF size = window * scale;
  return QRectF(QPointF((sheet.width() - size.width()) / 2, (sheet.height() - size.height()) / 2), size);
}

}  // namespace

QtPrinter::QtPrinter(const WindowRenderer& windows) : windows_(windows) {}

QtPrinter::QtPrinter(const WindowRenderer& windows, const QString& pdfFile)
    : windows_(windows), pdfFile_(pdfFile) {}

QtPrinter::~QtPrinter() { abandonJob(); }

bool QtPrinter::available() const { return !pdfFile_.isEmpty() || !QPrinterInfo::defaultPrinter().isNull(); }

bool QtPrinter::setOrientation(platform::Orientation orientation) {
  if (!available()) return false;
  orientation_ = orientation == platform::Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  // Within a job the new orientation holds from the next page on.
  if (printer_ != nullptr) printer_->setPageOrientation(orientation_);
  return true;
}

bool QtPrinter::startJob(const QString& name) {
  if (painter_ != nullptr) return true;
  if (pdfFile_.isEmpty()) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  } else {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfFile_);
  }
  printer_->setDocName(name);
  printer_->setPageOrientation(orientation_);
  // The painter's origin is the sheet's corner; the margins are placed by printWindow.
  printer_->setFullPage(true);
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    abandonJob();
    return false;
  }
  pageUsed_ = false;
  return true;
}

void QtPrinter::abandonJob() {
  if (painter_ != nullptr && painter_->isActive()) {
    if (printer_ != nullptr) printer_->abort();
    painter_->end();
  }
  painter_.reset();
  printer_.reset();
}

bool QtPrinter::printWindow(const platform::Window& window) {
  QWidget* widget = windows_.windowWidget(window);
  if (widget == nullptr || !startJob(QString::fromStdString(window.caption()))) return false;
  if (pageUsed_ && !printer_->newPage()) {
    abandonJob();
    return false;
  }
  const double dotsPerMm = printer_->resolution() / kMmPerInch;
  QPageLayout layout = printer_->pageLayout();
  layout.setUnits(QPageLayout::Point);
  const QMarginsF unprintable = layout.minimumMargins() * (printer_->resolution() / 72.0);
  const QSizeF sheet = printer_->paperRect(QPrinter::DevicePixel).size();
  const QRectF place = WindowOnSheet(widget->size(), sheet, unprintable, dotsPerMm);
  painter_->save();
  painter_->translate(place.topLeft());
  painter_->scale(place.width() / widget->width(), place.height() / widget->height());
  DrawWindow(*painter_, *widget);
  painter_->restore();
  lastWindow_ = QRectF(place.topLeft() / dotsPerMm, place.size() / dotsPerMm);
  pageUsed_ = true;
  return true;
}

bool QtPrinter::endDoc() {
  if (painter_ == nullptr) return available();
  // Qt's CUPS engine hands the job to the queue in QPainter::end(), whatever the queue, and drops
  // the queue's answer: the queue is asked just before whether it accepts jobs, and libcups just
  // after for the answer to the job. A PDF file asks no queue.
  const bool toQueue = pdfFile_.isEmpty();
  const bool accepting = !toQueue || QueueAcceptsJobs(printer_->printerName());
  const bool ended = painter_->end() && accepting && (!toQueue || LastRequestGranted());
  if (ended) lastJob_ = printer_->pageLayout().orientation();
  painter_.reset();
  printer_.reset();
  return ended;
}

}  // namespace qt
