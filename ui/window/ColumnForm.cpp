// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ColumnForm.h"

#include "form/FormCommands.h"
#include "form/FormState.h"
#include "form/HandlerGuard.h"
#include "form/PrintCommand.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"
#include "ui/fonts/ThaiFonts.h"
#include "ui/pictures/Pictures.h"
#include "ui/window/CentreOnScreen.h"
#include "ui/window/ClickableLabel.h"
#include "ui/window/ControlTable.h"
#include "ui/window/Handbook.h"
#include "ui/window/PictureView.h"
#include "ui/window/QtHostServices.h"
#include "ui/window/WindowTexts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace ui {

namespace {

constexpr int Pixels(int twips) {
  return twips / kTwipsPerPixel;
}

QFont RowFont(const ControlRow& row, const QString& family) {
  QFont font(family);
  font.setPointSizeF(row.fontPoints);
  font.setBold(row.bold);
  font.setUnderline(row.underline);
  return font;
}

void Dress(QWidget& widget, const ControlRow& row, const QString& fontFamily) {
  widget.setObjectName(FromUtf8(row.name));
  widget.setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
  if (row.fontPoints > 0) {
    widget.setFont(RowFont(row, fontFamily));
  }
  QPalette palette = widget.palette();
  if (row.textColour != kDefaultColour) {
    palette.setColor(QPalette::WindowText, QColor::fromRgb(static_cast<QRgb>(row.textColour)));
    palette.setColor(QPalette::Text, QColor::fromRgb(static_cast<QRgb>(row.textColour)));
  }
  if (row.backgroundColour != kDefaultColour) {
    palette.setColor(QPalette::Base, QColor::fromRgb(static_cast<QRgb>(row.backgroundColour)));
  }
  widget.setPalette(palette);
  if (row.handPointer) {
    widget.setCursor(pictures::handPointerCursor());
  }
}

QWidget* MakeControl(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
  case ControlKind::Image:
  case ControlKind::PictureBox:
    return new PictureView(*row.picture, parent);
  case ControlKind::Label: {
    auto* label = new ClickableLabel(parent);
    label->setText(FromUtf8(row.text));
    return label;
  }
  case ControlKind::TextField: {
    auto* field = new QLineEdit(parent);
    // Any text of any length: nothing typed or pasted is cut off.
    field->setMaxLength(std::numeric_limits<int>::max());
    return field;
  }
  case ControlKind::Button: {
    auto* button = new QPushButton(FromUtf8(row.text), parent);
    button->setAutoDefault(true); // Enter presses the button that has the focus
    return button;
  }
  }
  return nullptr;
}

// Widget names are the logic's keys in camel case: "verdictCaption", "projectField".
QString CamelName(std::string_view key, const char* suffix) {
  QString name;
  bool upper = false;
  for (const char c : key) {
    if (c == '_') {
      upper = true;
      continue;
    }
    name += upper ? QChar(c).toUpper() : QChar(c);
    upper = false;
  }
  return name + QLatin1String(suffix);
}

// The form's captions, then the strip's.
constexpr auto kShownCaptions = [] {
  std::array<form::Caption, form::kAllCaptions.size() + form::kAssessmentCaptions.size()> all{};
  std::ranges::copy(form::kAssessmentCaptions,
                    std::ranges::copy(form::kAllCaptions, all.begin()).out);
  return all;
}();

QString CaptionObjectName(form::Caption caption) {
  return CamelName(form::KeyOf(caption), "Caption");
}

QString HeaderObjectName(form::HeaderField field) {
  return CamelName(form::KeyOf(field), "Field");
}

} // namespace

ColumnForm::ColumnForm(form::HostServices* host, QWidget* parent)
    : QWidget(parent), host_(host), state_(std::make_unique<form::FormState>()),
      exitAction_([] { QCoreApplication::exit(0); }) {
  if (host_ == nullptr) {
    ownHost_ = std::make_unique<QtHostServices>(this);
    host_ = ownHost_.get();
  }
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(FromUtf8(kWindowCaption));
  setWindowIcon(pictures::pipeIcon());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);
  resize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips));

  buildControls();
  connectHandlers();
}

ColumnForm::~ColumnForm() = default;

void ColumnForm::buildControls() {
  const QString fontFamily =
      InstalledThaiFamily(QString::fromUtf8(kDesignFontFamily), ThaiTextTarget::Screen);
  for (const ControlRow& row : WindowControls()) {
    QWidget* control = MakeControl(row, this);
    Dress(*control, row, fontFamily);
    if (auto* label = qobject_cast<ClickableLabel*>(control)) {
      label->setCaption(label->text());
    }
  }
  for (form::Caption caption : kShownCaptions) {
    captions_[static_cast<std::size_t>(caption)] =
        findChild<ClickableLabel*>(CaptionObjectName(caption));
  }
  for (form::HeaderField field : form::kAllHeaderFields) {
    headerFields_[static_cast<std::size_t>(field)] = findChild<QLineEdit*>(HeaderObjectName(field));
  }
  printButton_ = findChild<QPushButton*>(QStringLiteral("printButton"));
  showHandbookPath();

  for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QPushButton*>(widget)) {
      widget->setFocusPolicy(Qt::NoFocus);
    }
  }
  const auto tabOrder = TabOrder();
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    setTabOrder(findChild<QWidget*>(FromUtf8(tabOrder[i - 1])),
                findChild<QWidget*>(FromUtf8(tabOrder[i])));
  }
  findChild<QWidget*>(FromUtf8(tabOrder.front()))->setFocus();
  showState();
}

void ColumnForm::connectHandlers() {
  for (form::Input input : form::kAllInputs) {
    connect(captions_[static_cast<std::size_t>(form::CaptionOf(input))], &ClickableLabel::clicked,
            this, [this, input] { askForInput(input); });
  }
  connect(captions_[static_cast<std::size_t>(form::Caption::Suggestion)], &ClickableLabel::clicked,
          this, [this] {
            runHandler(
                [](form::FormState& form, form::HostServices&) { form::ApplySuggestion(form); });
          });
  connect(findChild<ClickableLabel*>(QStringLiteral("downloadLink")), &ClickableLabel::clicked,
          this, &ColumnForm::openHandbook);

  const auto onPress = [this](const char* name, Handler handler) {
    auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, [this, handler] { runHandler(handler); });
  };
  onPress("printButton", [this](form::FormState& form, form::HostServices& host) {
    form::PrintCommand(form, host);
  });
  onPress("clearHeaderButton",
          [](form::FormState& form, form::HostServices&) { form::ClearHeader(form); });
  onPress("exitButton", [this](form::FormState&, form::HostServices&) { exitAction_(); });

  // The header fields are the user's: what is typed goes straight into the form state.
  for (form::HeaderField field : form::kAllHeaderFields) {
    connect(headerFields_[static_cast<std::size_t>(field)], &QLineEdit::textChanged, this,
            [this, field](const QString& text) {
              std::string typed = text.toStdString();
              if (typed != state_->header(field)) { // not the form's own text shown again
                state_->setHeader(field, std::move(typed));
                emit headerTyped(field);
              }
            });
  }
}

void ColumnForm::showHandbookPath() {
  handbookPath_ = HandbookPath();
  auto* line = findChild<ClickableLabel*>(QStringLiteral("downloadAddress"));
  // A long path is shortened in the middle rather than run under the cover.
  constexpr int kGap = 8;
  const int room = findChild<QWidget*>(QStringLiteral("handbookCover"))->x() - line->x() - kGap;
  line->setCaption(QFontMetrics(line->font()).elidedText(handbookPath_, Qt::ElideMiddle, room));
  line->setToolTip(handbookPath_);
}

void ColumnForm::askForInput(form::Input input) {
  runHandler([input](form::FormState& form, form::HostServices& host) {
    form::AskForInput(input, form, host, form::PromptDefault::ColumnValue);
  });
}

void ColumnForm::openHandbook() {
  const std::string address = QUrl::fromLocalFile(handbookPath_).toString().toStdString();
  runHandler([&address](form::FormState&, form::HostServices& host) {
    form::OpenDownloadPage(host, address);
  });
}

void ColumnForm::runHandler(const Handler& handler) {
  form::RunHandler(*host_, [&] { handler(*state_, *host_); });
  showState();
  emit stateEdited();
}

void ColumnForm::showState() {
  showSuggestionOffer(); // before the captions: a change of font refits the caption
  for (form::Caption caption : kShownCaptions) {
    captions_[static_cast<std::size_t>(caption)]->setCaption(
        QString::fromStdString(state_->caption(caption)));
  }
  for (form::HeaderField field : form::kAllHeaderFields) {
    QLineEdit* edit = headerFields_[static_cast<std::size_t>(field)];
    const QString text = QString::fromStdString(state_->header(field));
    if (edit->text() != text) { // leaves the cursor alone while the user types
      edit->setText(text);
    }
  }
  printButton_->setEnabled(state_->printEnabled());
}

void ColumnForm::showSuggestionOffer() {
  ClickableLabel* suggestion = captions_[static_cast<std::size_t>(form::Caption::Suggestion)];
  const bool offered = state_->suggestion().has_value();
  if (suggestion->font().underline() == offered) {
    return;
  }
  QFont font = suggestion->font();
  font.setUnderline(offered);
  suggestion->setFont(font);
  if (offered) {
    suggestion->setCursor(pictures::handPointerCursor());
  } else {
    suggestion->unsetCursor();
  }
}

void ColumnForm::centreOnScreen() {
  CentreOnScreen(*this);
}

} // namespace ui
