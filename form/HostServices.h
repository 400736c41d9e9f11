// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/Printer.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace form {

// The services the logic needs from the host platform. The window implements them with Qt; the
// tests and the command line use a recording double with scripted answers.

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Critical, Question };

struct MessageStyle {
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;

  static MessageStyle CriticalOk() { return {MessageButtons::Ok, MessageIcon::Critical}; }
  static MessageStyle QuestionOkCancel() {
    return {MessageButtons::OkCancel, MessageIcon::Question};
  }

  friend bool operator==(const MessageStyle&, const MessageStyle&) = default;
};

// Closing an OK/Cancel box by its close box or Escape answers Cancel.
enum class MessageAnswer { Ok, Cancel };

class HostServices {
public:
  virtual ~HostServices() = default;

  // A modal message box; an absent title gives the application's title.
  virtual MessageAnswer ShowMessage(const std::string& prompt, MessageStyle style,
                                    const std::optional<std::string>& title) = 0;

  // A modal single-line prompt prefilled with `offered`. The text exactly as confirmed (possibly
  // empty), or nothing when the user cancelled or closed the prompt.
  virtual std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                             const std::string& offered) = 0;

  // AskText whose field also offers a list to pick from; a picked item comes back as its text.
  // Hosts without lists ask as AskText does.
  virtual std::optional<std::string> AskTextWithChoices(const std::string& prompt,
                                                        const std::string& title,
                                                        const std::string& offered,
                                                        const std::vector<std::string>& choices) {
    static_cast<void>(choices);
    return AskText(prompt, title, offered);
  }

  // A document on the default printer, or nothing when the host has no printer.
  virtual std::unique_ptr<report::Printer> OpenDefaultPrinter() = 0;

  // A save dialog for a PDF file; the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> AskPdfFileName(const std::string& suggestedName) = 0;

  // A document written to a PDF file of one A4 page.
  virtual std::unique_ptr<report::Printer> OpenPdfFile(const std::string& path) = 0;

  // Opens a document or web address with the desktop's viewer; false when nothing could open it.
  virtual bool OpenAddress(const std::string& address) = 0;
};

} // namespace form
