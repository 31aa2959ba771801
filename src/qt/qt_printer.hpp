#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <memory>
#include <optional>

#include "platform/services.hpp"

class QPainter;
class QPrinter;

namespace qt {

class WindowRenderer;

// Prints a window's client area, as it is shown, on the page of the desktop's
// default printer (or of a PDF file): scaled to the printable area with its
// proportions kept, and centred on the sheet with even margins of at least
// 10 mm, drawn at the printer's resolution with its text as text. A job bears
// the caption of the window it begins with. No default
// printer, a page that cannot be painted, or a job that the print queue does
// not take (a queue that refuses jobs, or holds as many as it may) is a
// printer failure for the caller to handle; a stopped queue that holds the
// job for later has taken it.
class QtPrinter : public platform::Printer {
 public:
  explicit QtPrinter(const WindowRenderer& windows);
  QtPrinter(const WindowRenderer& windows, const QString& pdfFile);
  ~QtPrinter() override;

  bool setOrientation(platform::Orientation orientation) override;
  bool printWindow(const platform::Window& window) override;
  bool endDoc() override;

  // The page orientation of the last job that went out.
  std::optional<QPageLayout::Orientation> lastJobOrientation() const { return lastJob_; }
  // Where the last window printed lies on its sheet, in millimetres from the sheet's top left corner.
  std::optional<QRectF> lastWindowOnSheet() const { return lastWindow_; }

 private:
  bool available() const;
  // Begins a job unless one is open, named `name` in the print queue and as the document's title.
  bool startJob(const QString& name);
  void abandonJob();

  const WindowRenderer& windows_;
  QString pdfFile_;
  QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  bool pageUsed_ = false;
  std::optional<QPageLayout::Orientation> lastJob_;
  std::optional<QRectF> lastWindow_;
};

}  // namespace qt
