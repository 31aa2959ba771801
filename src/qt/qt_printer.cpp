#include "qt/qt_printer.hpp"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "qt/window_renderer.hpp"

namespace qt {

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

bool QtPrinter::startJob() {
  if (painter_ != nullptr) return true;
  if (pdfFile_.isEmpty()) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    printer_ = std::make_unique<QPrinter>(info, QPrinter::ScreenResolution);
  } else {
    printer_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfFile_);
  }
  printer_->setPageOrientation(orientation_);
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
  if (widget == nullptr || !startJob()) return false;
  if (pageUsed_ && !printer_->newPage()) {
    abandonJob();
    return false;
  }
  const QRect page = painter_->viewport();
  const double scale = std::min(static_cast<double>(page.width()) / widget->width(),
                                static_cast<double>(page.height()) / widget->height());
  painter_->save();
  painter_->translate(page.topLeft());
  painter_->scale(scale, scale);
  widget->render(painter_.get(), QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter_->restore();
  pageUsed_ = true;
  return true;
}

bool QtPrinter::endDoc() {
  if (painter_ == nullptr) return available();
  const bool ended = painter_->end();
  lastJob_ = printer_->pageLayout().orientation();
  painter_.reset();
  printer_.reset();
  return ended;
}

}  // namespace qt
