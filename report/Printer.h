// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace report {

// The seven pictures compiled into the program; the window shows four, the sheet draws three.
enum class PictureId {
  PipeIcon,
  HandPointer,
  HandbookCover,
  ColumnDrawing,
  ColumnSketch,
  GyrationFormula,
  PermissibleStressSheet,
  BoxColumnDrawing,
  BoxColumnSketch,
  BoxSectionFormula,
};

enum class PageOrientation { Portrait, Landscape };

// A printer operation that could not be carried out (no printer, a driver error). The message is
// shown to the user and may be empty where the reason is unknown.
class PrinterError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// What a document says about itself: the properties a PDF viewer lists, and a file it carries.
// An empty property is left out of the document.
struct DocumentDescription {
  std::string title;
  std::string author;
  std::string subject;
  std::string keywords;
  std::string creator;
  std::string attachmentName; // nothing is attached when empty
  std::string attachment;
  std::string attachmentMimeType;
};

// One document on A4 paper. Positions are in twips (1/1440 inch) from the top-left of the
// printable area. Every operation may throw PrinterError.
class Printer {
public:
  virtual ~Printer() = default;
  // Describes the document; before its first output. A printer that keeps no properties ignores
  // it.
  virtual void Describe(const DocumentDescription& description) { static_cast<void>(description); }
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

} // namespace report
