// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/PictureId.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
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

enum class PageOrientation { Portrait, Landscape };

// A printer operation that could not be carried out (no printer, a driver error). The message is
// shown to the user and may be empty where the reason is unknown.
class PrinterError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// One document on A4 paper. Positions are in twips (1/1440 inch) from the top-left of the
// printable area. Every operation may throw PrinterError.
class Printer {
public:
  virtual ~Printer() = default;
  virtual void SetOrientation(PageOrientation orientation) = 0;
  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(double points) = 0;
  virtual void SetCurrentX(int twips) = 0;
  virtual void SetCurrentY(int twips) = 0;
  // Prints one line at the current position; the first output opens the page.
  virtual void PrintLine(const std::string& text) = 0;
  // The width of a line of text in the current font, in twips.
  virtual int TextWidth(const std::string& text) = 0;
  // Draws a picture at its natural size with its top-left corner at the given position.
  virtual void DrawPicture(PictureId picture, int xTwips, int yTwips) = 0;
  virtual void SetFontBold(bool bold) = 0;
  // Shades a rectangle light grey, beneath what is printed over it later.
  virtual void ShadeRectangle(int xTwips, int yTwips, int widthTwips, int heightTwips) = 0;
  // Ends the page and starts the next one of the same document.
  virtual void NewPage() = 0;
  // Releases the document to the printer.
  virtual void EndDocument() = 0;
  // Withdraws a document that cannot be finished; nothing half-printed is left behind.
  virtual void AbortDocument() = 0;
};

// Long work as the user follows it: a bar of steps with a way to stop.
class WorkProgress {
public:
  virtual ~WorkProgress() = default;
  // `done` of the total steps are done; false once the user has asked to stop.
  virtual bool Step(std::size_t done) = 0;
};

class HostServices {
public:
  virtual ~HostServices() = default;

  // Progress for work of `total` steps that may take a while; nothing where the host shows none.
  virtual std::unique_ptr<WorkProgress> StartProgress(const std::string& title, std::size_t total) {
    static_cast<void>(title);
    static_cast<void>(total);
    return nullptr;
  }

  // A word that long work is done, where it does not stop the user as a box would.
  virtual void ShowDone(const std::string& text) { static_cast<void>(text); }

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
  virtual std::unique_ptr<Printer> OpenDefaultPrinter() = 0;

  // A save dialog for a PDF file; the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> AskPdfFileName(const std::string& suggestedName) = 0;

  // A document written to a PDF file of one A4 page.
  virtual std::unique_ptr<Printer> OpenPdfFile(const std::string& path) = 0;

  // Opens a document or web address with the desktop's viewer; false when nothing could open it.
  virtual bool OpenAddress(const std::string& address) = 0;
};

} // namespace form
