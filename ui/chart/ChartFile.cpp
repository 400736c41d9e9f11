// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart/ChartFile.h"

#include "ui/printing/PdfProperties.h"

#include "project/SaveFile.h"
#include "ui/fonts/ThaiFonts.h"
#include "ui/fonts/TypedText.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <optional>
#include <vector>

namespace ui {

namespace {

constexpr int kPngPixelsPerPoint = 2; // sharp when printed or shown on a high-density screen

QByteArray Svg(const StressChart& chart) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(
      QSize(static_cast<int>(kChartWidthPoints), static_cast<int>(kChartHeightPoints)));
  generator.setViewBox(QRectF(0, 0, kChartWidthPoints, kChartHeightPoints));
  generator.setResolution(72);
  generator.setTitle(QStringLiteral("Qac - KL/r"));
  QPainter painter(&generator);
  DrawStressChart(painter, QRectF(0, 0, kChartWidthPoints, kChartHeightPoints), chart);
  painter.end();
  // The file names the face it was drawn in; a reader without that face takes the next Thai one.
  QString svg = QString::fromUtf8(buffer.data());
  static const QRegularExpression kFamily(QStringLiteral("font-family=\"([^\"]*)\""));
  QString withFallbacks;
  qsizetype from = 0;
  for (const QRegularExpressionMatch& match : kFamily.globalMatch(svg)) {
    withFallbacks += svg.mid(from, match.capturedStart() - from);
    withFallbacks +=
        QStringLiteral("font-family=\"%1\"").arg(ThaiFamilyFallbackList(match.captured(1)));
    from = match.capturedEnd();
  }
  withFallbacks += svg.mid(from);
  return withFallbacks.toUtf8();
}

QByteArray Png(const StressChart& chart) {
  QImage image(static_cast<int>(kChartWidthPoints) * kPngPixelsPerPoint,
               static_cast<int>(kChartHeightPoints) * kPngPixelsPerPoint, QImage::Format_RGB32);
  image.setDotsPerMeterX(72 * kPngPixelsPerPoint * 10000 / 254);
  image.setDotsPerMeterY(72 * kPngPixelsPerPoint * 10000 / 254);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawStressChart(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), chart);
  painter.end();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return buffer.data();
}

// Throws report::PrinterError when the PDF cannot be finished.
QByteArray Pdf(const StressChart& chart, const report::DocumentDescription& description) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  std::optional<TypedPdfWriter> writer(&buffer);
  writer->setResolution(720);
  writer->setPageLayout(
      QPageLayout(QPageSize(QSizeF(kChartWidthPoints, kChartHeightPoints), QPageSize::Point),
                  QPageLayout::Portrait, QMarginsF()));
  QPainter painter(&*writer);
  const QRectF page(QPointF(0, 0), QSizeF(writer->width(), writer->height()));
  DrawStressChart(painter, page, chart);
  painter.end();
  const std::vector<TypedPage> typedPages = writer->typedPages();
  writer.reset();
  return FinishedPdf(buffer.data(), description, typedPages);
}

} // namespace

QString WriteStressChart(const QString& path, const StressChart& chart,
                         const report::DocumentDescription& description) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  QByteArray bytes;
  if (suffix == QLatin1String("svg")) {
    bytes = Svg(chart);
  } else if (suffix == QLatin1String("png")) {
    bytes = Png(chart);
  } else if (suffix == QLatin1String("pdf")) {
    try {
      bytes = Pdf(chart, description);
    } catch (const report::PrinterError& error) {
      return QString::fromStdString(error.what());
    }
  } else {
    return QStringLiteral("ชนิดไฟล์ไม่รองรับ (.svg, .png หรือ .pdf เท่านั้น): %1").arg(path);
  }
  try {
    project::SaveFileAtomically(QFile::encodeName(path).toStdString(),
                                std::string_view(bytes.constData(), bytes.size()));
  } catch (const project::SaveError& error) {
    return QString::fromStdString(error.what());
  }
  return {};
}

} // namespace ui
