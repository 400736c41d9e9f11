#include "ui/window/Form1.h"

#include "engine/HandlerGuard.h"
#include "input/ValuePrompt.h"
#include "report/CalculationSheet.h"
#include "ui/pictures/Pictures.h"
#include "ui/window/ClickableLabel.h"
#include "ui/window/ControlTable.h"
#include "ui/window/PictureView.h"
#include "ui/window/QtHostServices.h"
#include "ui/window/ThaiFonts.h"
#include "ui/window/WindowCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <limits>

namespace ui {

namespace {

constexpr int Pixels(int twips) {
  return twips / kTwipsPerPixel;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Dress(QWidget& widget, const ControlRow& row, const QString& fontFamily) {
  widget.setObjectName(FromUtf8(row.name));
  widget.setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
  if (row.fontPoints > 0) {
    widget.setFont(WindowFont(fontFamily, row.fontPoints, row.bold, row.underline));
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
  widget.setVisible(row.visible);
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
  case ControlKind::TextField:
  case ControlKind::HiddenField: {
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

} // namespace

Form1::Form1(engine::HostServices* host, QWidget* parent)
    : QWidget(parent), host_(host), exitAction_([] { QCoreApplication::exit(0); }) {
  if (host_ == nullptr) {
    ownHost_ = std::make_unique<QtHostServices>(this);
    host_ = ownHost_.get();
  }
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(FromUtf8(kWindowCaption));
  setWindowIcon(pictures::pipeIcon());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);
  resize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips));

  buildControls();
  connectHandlers();
  runHandler([](engine::FormState& form, engine::HostServices&) { Form_Load(form); });
}

Form1::~Form1() = default;

void Form1::buildControls() {
  const QString fontFamily = ResolveWindowFontFamily();
  for (const ControlRow& row : WindowControls()) {
    QWidget* control = MakeControl(row, this);
    Dress(*control, row, fontFamily);
    if (auto* label = qobject_cast<ClickableLabel*>(control)) {
      label->setCaption(label->text());
    }
  }
  for (engine::Caption caption : engine::kAllCaptions) {
    captions_[static_cast<std::size_t>(caption)] =
        findChild<ClickableLabel*>(FromUtf8(engine::CaptionName(caption)));
  }
  for (engine::Field field : engine::kAllFields) {
    fields_[static_cast<std::size_t>(field)] =
        findChild<QLineEdit*>(FromUtf8(engine::FieldName(field)));
  }
  printButton_ = findChild<QPushButton*>(QStringLiteral("Command3"));

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

void Form1::connectHandlers() {
  const auto onClick = [this](const char* name, Handler handler) {
    auto* label = findChild<ClickableLabel*>(QString::fromLatin1(name));
    connect(label, &ClickableLabel::clicked, this, [this, handler] { runHandler(handler); });
  };
  onClick("Label1", input::Label1_Click);
  onClick("Label2", input::Label2_Click);
  onClick("Label3", input::Label3_Click);
  onClick("Label4", input::Label4_Click);
  onClick("Label14", input::Label14_Click);
  onClick("Label8", [](engine::FormState&, engine::HostServices& host) { Label8_Click(host); });

  const auto onPress = [this](const char* name, Handler handler) {
    auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, [this, handler] { runHandler(handler); });
  };
  onPress("Command3", report::Command3_Click);
  onPress("Command4", [](engine::FormState& form, engine::HostServices&) { Command4_Click(form); });
  onPress("Command2", [this](engine::FormState&, engine::HostServices&) { exitAction_(); });

  // The header fields are the user's: what is typed goes straight into the form state.
  for (engine::Field field :
       {engine::Field::Text15, engine::Field::Text16, engine::Field::Text17}) {
    connect(fields_[static_cast<std::size_t>(field)], &QLineEdit::textChanged, this,
            [this, field](const QString& text) { state_.setText(field, text.toStdString()); });
  }
}

void Form1::runHandler(const Handler& handler) {
  engine::RunHandler(*host_, [&] { handler(state_, *host_); });
  showState();
}

void Form1::showState() {
  for (engine::Caption caption : engine::kAllCaptions) {
    captions_[static_cast<std::size_t>(caption)]->setCaption(
        QString::fromStdString(state_.caption(caption)));
  }
  for (engine::Field field : engine::kAllFields) {
    QLineEdit* edit = fields_[static_cast<std::size_t>(field)];
    const QString text = QString::fromStdString(state_.text(field));
    if (edit->text() != text) { // leaves the cursor alone while the user types
      edit->setText(text);
    }
  }
  printButton_->setEnabled(state_.printEnabled());
}

void Form1::centreOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return;
  }
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

} // namespace ui
