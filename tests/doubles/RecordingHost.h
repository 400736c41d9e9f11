// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/HostServices.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace form {

// How wide the recording printer takes every character to be.
inline constexpr int kRecordedCharacterTwips = 100;

struct MessageCall {
  std::string prompt;
  MessageStyle style;
  std::optional<std::string> title;
};

struct PromptCall {
  std::string prompt;
  std::string title;
  std::string offered;
  std::vector<std::string> choices;
};

// A host without a screen: answers come from a script, and every call is recorded with its
// arguments. Serves the tests, the benchmarks and the fuzz targets.
class RecordingHost : public HostServices {
public:
  // Answers for AskText in order; a missing answer (or an empty optional) is a cancel.
  void scriptAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
  // Answers for ShowMessage in order; once they run out every box is answered OK.
  void scriptMessageAnswer(MessageAnswer answer) { messageAnswers_.push_back(answer); }

  // The default printer: none, or a recording one that fails at its n-th operation (0-based).
  void setPrinterAvailable(bool available) { printerAvailable_ = available; }
  void failPrinterOperation(int index, std::string reason);
  void scriptPdfFileName(std::optional<std::string> path) { pdfFileName_ = std::move(path); }

  const std::vector<MessageCall>& messages() const { return messages_; }
  const std::vector<PromptCall>& prompts() const { return prompts_; }
  const std::vector<std::string>& addressesOpened() const { return addressesOpened_; }
  // Printer operations of every document, in order, as "Name(arguments)".
  const std::vector<std::string>& printerOperations() const { return *printerLog_; }
  const std::vector<std::string>& pdfFilesOpened() const { return pdfFilesOpened_; }

  MessageAnswer ShowMessage(const std::string& prompt, MessageStyle style,
                            const std::optional<std::string>& title) override;
  std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                     const std::string& offered) override;
  std::optional<std::string> AskTextWithChoices(const std::string& prompt, const std::string& title,
                                                const std::string& offered,
                                                const std::vector<std::string>& choices) override;
  std::unique_ptr<report::Printer> OpenDefaultPrinter() override;
  std::optional<std::string> AskPdfFileName(const std::string& suggestedName) override;
  std::unique_ptr<report::Printer> OpenPdfFile(const std::string& path) override;
  bool OpenAddress(const std::string& address) override;
  // Whether OpenAddress succeeds; it does unless told otherwise.
  void setAddressOpens(bool opens) { addressOpens_ = opens; }

private:
  std::unique_ptr<report::Printer> MakePrinter();

  std::deque<std::optional<std::string>> answers_;
  std::deque<MessageAnswer> messageAnswers_;
  bool printerAvailable_ = true;
  int failingOperation_ = -1;
  std::string failureReason_;
  std::optional<std::string> pdfFileName_;
  std::vector<MessageCall> messages_;
  std::vector<PromptCall> prompts_;
  std::vector<std::string> addressesOpened_;
  bool addressOpens_ = true;
  std::vector<std::string> pdfFilesOpened_;
  std::shared_ptr<std::vector<std::string>> printerLog_ =
      std::make_shared<std::vector<std::string>>();
};

} // namespace form
