// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/doubles/RecordingHost.h"

#include <cstdio>

namespace form {

using report::PageOrientation;
using report::PictureId;
using report::Printer;
using report::PrinterError;

namespace {

std::string PictureName(PictureId picture) {
  switch (picture) {
  case PictureId::PipeIcon:
    return "PipeIcon";
  case PictureId::HandPointer:
    return "HandPointer";
  case PictureId::HandbookCover:
    return "HandbookCover";
  case PictureId::ColumnDrawing:
    return "ColumnDrawing";
  case PictureId::ColumnSketch:
    return "ColumnSketch";
  case PictureId::GyrationFormula:
    return "GyrationFormula";
  case PictureId::PermissibleStressSheet:
    return "PermissibleStressSheet";
  case PictureId::BoxColumnDrawing:
    return "BoxColumnDrawing";
  case PictureId::BoxColumnSketch:
    return "BoxColumnSketch";
  case PictureId::BoxSectionFormula:
    return "BoxSectionFormula";
  }
  return "?";
}

class RecordingPrinter final : public Printer {
public:
  RecordingPrinter(std::shared_ptr<std::vector<std::string>> log, int failingOperation,
                   std::string reason)
      : log_(std::move(log)), failingOperation_(failingOperation), reason_(std::move(reason)) {}

  void SetOrientation(PageOrientation orientation) override {
    Record(std::string("SetOrientation(") +
           (orientation == PageOrientation::Portrait ? "Portrait" : "Landscape") + ")");
  }
  void SetFontName(const std::string& name) override { Record("SetFontName(" + name + ")"); }
  void SetFontSize(double points) override {
    char text[32];
    std::snprintf(text, sizeof text, "%g", points);
    Record(std::string("SetFontSize(") + text + ")");
  }
  void SetCurrentX(int twips) override { Record("SetCurrentX(" + std::to_string(twips) + ")"); }
  void SetCurrentY(int twips) override { Record("SetCurrentY(" + std::to_string(twips) + ")"); }
  void PrintLine(const std::string& text) override { Record("PrintLine(" + text + ")"); }
  // Every character as wide as kRecordedCharacterTwips, marks that sit above or below included.
  int TextWidth(const std::string& text) override {
    int characters = 0;
    for (const char c : text) {
      characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters * kRecordedCharacterTwips;
  }
  void DrawPicture(PictureId picture, int xTwips, int yTwips) override {
    Record("DrawPicture(" + PictureName(picture) + "," + std::to_string(xTwips) + "," +
           std::to_string(yTwips) + ")");
  }
  void SetFontBold(bool bold) override {
    Record(std::string("SetFontBold(") + (bold ? "true" : "false") + ")");
  }
  void ShadeRectangle(int x, int y, int width, int height) override {
    Record("ShadeRectangle(" + std::to_string(x) + "," + std::to_string(y) + "," +
           std::to_string(width) + "," + std::to_string(height) + ")");
  }
  void NewPage() override { Record("NewPage()"); }
  void EndDocument() override { Record("EndDocument()"); }
  void AbortDocument() override { log_->push_back("AbortDocument()"); }

private:
  void Record(std::string operation) {
    if (count_++ == failingOperation_) {
      throw PrinterError(reason_);
    }
    log_->push_back(std::move(operation));
  }

  std::shared_ptr<std::vector<std::string>> log_;
  int failingOperation_;
  std::string reason_;
  int count_ = 0;
};

} // namespace

void RecordingHost::failPrinterOperation(int index, std::string reason) {
  failingOperation_ = index;
  failureReason_ = std::move(reason);
}

MessageAnswer RecordingHost::ShowMessage(const std::string& prompt, MessageStyle style,
                                         const std::optional<std::string>& title) {
  messages_.push_back({prompt, style, title});
  if (messageAnswers_.empty()) {
    return MessageAnswer::Ok;
  }
  const MessageAnswer answer = messageAnswers_.front();
  messageAnswers_.pop_front();
  return answer;
}

std::optional<std::string> RecordingHost::AskText(const std::string& prompt,
                                                  const std::string& title,
                                                  const std::string& offered) {
  prompts_.push_back({prompt, title, offered, {}});
  if (answers_.empty()) {
    return std::nullopt;
  }
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

std::optional<std::string>
RecordingHost::AskTextWithChoices(const std::string& prompt, const std::string& title,
                                  const std::string& offered,
                                  const std::vector<std::string>& choices) {
  std::optional<std::string> answer = AskText(prompt, title, offered);
  prompts_.back().choices = choices;
  return answer;
}

std::unique_ptr<Printer> RecordingHost::MakePrinter() {
  return std::make_unique<RecordingPrinter>(printerLog_, failingOperation_, failureReason_);
}

std::unique_ptr<Printer> RecordingHost::OpenDefaultPrinter() {
  if (!printerAvailable_) {
    return nullptr;
  }
  return MakePrinter();
}

std::optional<std::string> RecordingHost::AskPdfFileName(const std::string&) {
  return pdfFileName_;
}

std::unique_ptr<Printer> RecordingHost::OpenPdfFile(const std::string& path) {
  pdfFilesOpened_.push_back(path);
  return MakePrinter();
}

bool RecordingHost::OpenAddress(const std::string& address) {
  addressesOpened_.push_back(address);
  return addressOpens_;
}

} // namespace form
