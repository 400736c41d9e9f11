// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart/ChartWindow.h"

#include "ui/chart/ChartFile.h"
#include "ui/chart/ChartView.h"
#include "ui/fonts/ThaiFonts.h"

#include <QAction>
#include <QBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include <exception>

namespace ui {

namespace {

const QString kWindowTitle = QStringLiteral("กราฟหน่วยแรงอัดที่ยอมให้ Qac – KL/r");

// A button and its keys, which work anywhere in the window and act at once.
template <typename Handler>
void AddButton(ChartWindow& window, QBoxLayout& row, const QString& text, const QKeySequence& keys,
               Handler handler) {
  auto* button = new QPushButton(text);
  button->setToolTip(keys.toString(QKeySequence::NativeText));
  button->setAutoDefault(false);
  row.addWidget(button);
  auto* action = new QAction(text, &window);
  action->setShortcut(keys);
  window.addAction(action);
  QObject::connect(button, &QPushButton::clicked, &window, handler);
  QObject::connect(action, &QAction::triggered, &window, handler);
}

} // namespace

ChartWindow::ChartWindow(QWidget* parent, ChartDialogs dialogs)
    : QWidget(parent, Qt::Window), dialogs_(std::move(dialogs)) {
  setWindowTitle(kWindowTitle);
  QFont windowFont = font();
  windowFont.setFamily(
      InstalledThaiFamily(QString::fromLatin1(kDesignFontFamily), ThaiTextTarget::Screen));
  setFont(windowFont);

  view_ = new ChartView;
  auto* buttons = new QHBoxLayout;
  AddButton(*this, *buttons, QStringLiteral("บันทึกเป็นไฟล์… (SVG/PNG)"),
            QKeySequence(QKeySequence::Save), [this] { saveToFile(); });
  AddButton(*this, *buttons, QStringLiteral("พิมพ์…"), QKeySequence(QKeySequence::Print),
            [this] { print(); });
  buttons->addStretch();
  AddButton(*this, *buttons, QStringLiteral("ปิด"), QKeySequence(Qt::Key_Escape),
            [this] { close(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  resize(sizeHint());
  showColumn(engine::Materials{}, std::nullopt);
}

void ChartWindow::showColumn(const engine::Materials& materials, std::optional<ChartColumn> point) {
  std::vector<ChartColumn> columns;
  if (point) {
    columns.push_back(std::move(*point));
  }
  // The curve depends on the materials alone; most answers move only the point.
  if (shownMaterials_ == materials) {
    StressChart chart = view_->chart();
    chart.columns = std::move(columns);
    view_->setChart(std::move(chart));
    return;
  }
  view_->setChart(StressChart::For(materials, std::move(columns)));
  shownMaterials_ = materials;
}

const StressChart& ChartWindow::chart() const {
  return view_->chart();
}

void ChartWindow::saveToFile() {
  runHandler(QStringLiteral("บันทึกกราฟ"), [this] {
    const QString path = dialogs_.askSavePath(this);
    if (path.isEmpty()) {
      return;
    }
    const QString error = WriteStressChart(path, chart(), description_);
    if (!error.isEmpty()) {
      dialogs_.showError(this, error);
    }
  });
}

void ChartWindow::print() {
  runHandler(QStringLiteral("พิมพ์กราฟ"), [this] {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kWindowTitle);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!dialogs_.askPrinter(printer, this)) {
      return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
      dialogs_.showError(this, QStringLiteral("พิมพ์กราฟไม่สำเร็จ: เปิดเครื่องพิมพ์ไม่ได้"));
      return;
    }
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    DrawStressChart(painter, ChartAreaWithin(page), chart());
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
      dialogs_.showError(this, QStringLiteral("พิมพ์กราฟไม่สำเร็จ: เครื่องพิมพ์รับงานไม่ได้"));
    }
  });
}

void ChartWindow::runHandler(const QString& action, const std::function<void()>& handler) {
  QString failure;
  try {
    handler();
    return;
  } catch (const std::exception& caught) {
    failure = QStringLiteral("%1ไม่สำเร็จ: %2").arg(action, QString::fromLocal8Bit(caught.what()));
  } catch (...) {
    failure = QStringLiteral("%1ไม่สำเร็จ: เกิดข้อผิดพลาดที่ไม่คาดคิด").arg(action);
  }
  try {
    dialogs_.showError(this, failure);
  } catch (...) {
    // The box itself failed; the handler has ended either way and the window carries on.
  }
}

} // namespace ui
