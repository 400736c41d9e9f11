// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printing/SheetPrinters.h"

#include "project/SaveFile.h"
#include "ui/fonts/ThaiFonts.h"
#include "ui/fonts/TypedText.h"
#include "ui/fonts/Utf8Text.h"
#include "ui/pictures/Pictures.h"
#include "ui/printing/PdfProperties.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

#include <optional>
#include <vector>

namespace ui {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// Where the page goes: the device the painter draws on, and how the finished or withdrawn
// document leaves it.
class Destination {
public:
  virtual ~Destination() = default;
  virtual QPagedPaintDevice& device() = 0;
  // Called after the painter has ended; throws PrinterError when the document did not get out.
  virtual void finish() = 0;
  // Withdraws the document; the painter has not ended yet, or was never started.
  virtual void discard(QPainter& painter) = 0;
  // Takes the document's properties; before the painter starts.
  virtual void describe(const report::DocumentDescription& description) = 0;
};

class SystemPrinterDestination final : public Destination {
public:
  explicit SystemPrinterDestination(const QPrinterInfo& info)
      : printer_(info, QPrinter::HighResolution) {
    printer_.setDocName(QStringLiteral("Calculation Report"));
    printer_.setFullPage(false); // positions count from the printable area
  }

  QPagedPaintDevice& device() override { return printer_; }

  void finish() override {
    if (printer_.printerState() == QPrinter::Error) {
      throw report::PrinterError("เครื่องพิมพ์รายงานข้อผิดพลาด (printer error)");
    }
  }

  void discard(QPainter& painter) override {
    if (painter.isActive()) {
      printer_.abort();
      painter.end();
    }
  }

  void describe(const report::DocumentDescription& description) override {
    if (!description.title.empty()) {
      printer_.setDocName(FromUtf8(description.title));
    }
  }

private:
  QPrinter printer_;
};

// The page is built in memory and saved whole by the one saving routine when the document ends:
// a withdrawn or failed document leaves no partial file and does not spoil an earlier file of the
// same name.
class PdfFileDestination final : public Destination {
public:
  explicit PdfFileDestination(const std::string& path) : path_(path) {
    // Checked at once, so an unwritable place is reported before anything is drawn.
    try {
      project::CheckCanSave(path_);
    } catch (const project::SaveError& error) {
      throw report::PrinterError(std::string("สร้างไฟล์ PDF ไม่ได้: ") + error.what());
    }
    page_.open(QIODevice::WriteOnly);
    writer_.emplace(&page_);
    writer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(0, 0, 0, 0), QPageLayout::Point));
  }

  QPagedPaintDevice& device() override { return *writer_; }

  void finish() override {
    const std::vector<TypedPage> typedPages = writer_->typedPages();
    writer_.reset();
    const QByteArray pdf = FinishedPdf(page_.data(), description_, typedPages);
    try {
      project::SaveFileAtomically(path_, std::string_view(pdf.constData(), pdf.size()));
    } catch (const project::SaveError& error) {
      throw report::PrinterError(std::string("เขียนไฟล์ PDF ไม่สำเร็จ: ") + error.what());
    }
  }

  void discard(QPainter& painter) override {
    if (painter.isActive()) {
      painter.end();
    }
    writer_.reset();
  }

  void describe(const report::DocumentDescription& description) override {
    description_ = description;
  }

private:
  std::string path_;
  QBuffer page_;
  std::optional<TypedPdfWriter> writer_;
  report::DocumentDescription description_;
};

// The printer operations on a QPainter. Twips are turned into device units by the device's own
// resolution, so the same drawing serves a printer and a PDF file. The page opens at the first
// output.
class PainterPrinter final : public report::Printer {
public:
  explicit PainterPrinter(std::unique_ptr<Destination> destination)
      : destination_(std::move(destination)) {}

  ~PainterPrinter() override {
    if (!finished_) {
      destination_->discard(painter_);
    }
  }

  void Describe(const report::DocumentDescription& description) override {
    Usable();
    if (painter_.isActive()) {
      throw report::PrinterError("the document is described after its first output");
    }
    destination_->describe(description);
  }

  void SetOrientation(report::PageOrientation orientation) override {
    Usable();
    const auto qtOrientation = orientation == report::PageOrientation::Portrait
                                   ? QPageLayout::Portrait
                                   : QPageLayout::Landscape;
    if (!destination_->device().setPageSize(QPageSize(QPageSize::A4))) {
      throw report::PrinterError("เครื่องพิมพ์ไม่รองรับกระดาษ A4");
    }
    if (!destination_->device().setPageOrientation(qtOrientation)) {
      throw report::PrinterError("ตั้งแนวกระดาษไม่ได้ (page orientation)");
    }
  }

  void SetFontName(const std::string& name) override {
    Usable();
    font_.setFamily(InstalledThaiFamily(FromUtf8(name), ThaiTextTarget::Document));
    ApplyFont();
  }

  void SetFontSize(double points) override {
    Usable();
    if (!(points > 0)) {
      throw report::PrinterError("font size must be positive");
    }
    font_.setPointSizeF(points);
    ApplyFont();
  }

  void SetCurrentX(int twips) override {
    Usable();
    x_ = twips;
  }

  void SetCurrentY(int twips) override {
    Usable();
    y_ = twips;
  }

  void PrintLine(const std::string& text) override {
    OpenPage();
    // The position is the top-left of the first character; the painter writes on the baseline.
    const QFontMetricsF metrics(painter_.font(), &destination_->device());
    DrawTypedText(painter_, QPointF(DeviceX(x_), DeviceY(y_) + metrics.ascent()), FromUtf8(text));
    // The next line starts below this one, at the left edge, unless it is placed anew.
    x_ = 0;
    y_ += static_cast<int>(metrics.height() * kTwipsPerInch / Dpi().y() + 0.5);
  }

  int TextWidth(const std::string& text) override {
    const QFontMetricsF metrics(font_, &destination_->device());
    return static_cast<int>(metrics.horizontalAdvance(FromUtf8(text)) * kTwipsPerInch / Dpi().x() +
                            0.5);
  }

  void DrawPicture(report::PictureId picture, int xTwips, int yTwips) override {
    OpenPage();
    const QSizeF inches = pictures::naturalSizeInches(picture);
    const QRectF target(DeviceX(xTwips), DeviceY(yTwips), inches.width() * Dpi().x(),
                        inches.height() * Dpi().y());
    painter_.save();
    pictures::drawPicture(painter_, picture, target);
    painter_.restore();
  }

  void SetFontBold(bool bold) override {
    Usable();
    font_.setBold(bold);
    ApplyFont();
  }

  void ShadeRectangle(int xTwips, int yTwips, int widthTwips, int heightTwips) override {
    OpenPage();
    painter_.fillRect(
        QRectF(DeviceX(xTwips), DeviceY(yTwips), DeviceX(widthTwips), DeviceY(heightTwips)),
        QColor(0xE0, 0xE0, 0xE0));
  }

  void NewPage() override {
    OpenPage();
    if (!destination_->device().newPage()) {
      throw report::PrinterError("ขึ้นหน้าใหม่ไม่ได้ (a new page could not be started)");
    }
  }

  void EndDocument() override {
    Usable();
    OpenPage(); // a document without output still gives its one page
    finished_ = true;
    if (!painter_.end()) {
      destination_->discard(painter_);
      throw report::PrinterError("จบเอกสารไม่ได้ (the document could not be completed)");
    }
    destination_->finish();
  }

  void AbortDocument() override {
    if (finished_) {
      return;
    }
    finished_ = true;
    destination_->discard(painter_);
  }

private:
  void Usable() const {
    if (finished_) {
      throw report::PrinterError("the document has already ended");
    }
  }

  void OpenPage() {
    Usable();
    if (painter_.isActive()) {
      return;
    }
    if (!painter_.begin(&destination_->device())) {
      throw report::PrinterError("เริ่มพิมพ์ไม่ได้ (the page could not be opened)");
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setPen(Qt::black);
    ApplyFont();
  }

  void ApplyFont() {
    if (painter_.isActive()) {
      painter_.setFont(QFont(font_, &destination_->device()));
    }
  }

  QPointF Dpi() {
    const QPagedPaintDevice& device = destination_->device();
    return {static_cast<double>(device.logicalDpiX()), static_cast<double>(device.logicalDpiY())};
  }
  double DeviceX(int twips) { return twips * Dpi().x() / kTwipsPerInch; }
  double DeviceY(int twips) { return twips * Dpi().y() / kTwipsPerInch; }

  std::unique_ptr<Destination> destination_;
  QPainter painter_;
  QFont font_;
  int x_ = 0;
  int y_ = 0;
  bool finished_ = false;
};

} // namespace

std::unique_ptr<report::Printer> OpenDefaultSystemPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    return nullptr;
  }
  return std::make_unique<PainterPrinter>(std::make_unique<SystemPrinterDestination>(info));
}

std::unique_ptr<report::Printer> OpenPdfPrinter(const std::string& path) {
  return std::make_unique<PainterPrinter>(std::make_unique<PdfFileDestination>(path));
}

} // namespace ui
