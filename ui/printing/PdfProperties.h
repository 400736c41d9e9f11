// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/Printer.h"
#include "ui/fonts/TypedText.h"

#include <QByteArray>
#include <QDateTime>

#include <vector>

namespace ui {

// The XMP packet that states the description's properties, the producer and the dates of
// writing; empty properties are left out.
QByteArray XmpPacket(const report::DocumentDescription& description, const QString& producer,
                     const QDateTime& written);

// The PDF Qt wrote, finished for its readers: the document information (with both dates) and the
// XMP packet state the description's properties alike; the carried project is a standard embedded
// file (its type, size, checksum and dates on the stream, related to the document as its source
// and listed in the catalogue's associated files); each page marks what its typed words say; and
// each font's text map lists its glyphs one by one with the characters they show (TextMapPerGlyph).
// Throws report::PrinterError when the written PDF cannot be read back.
QByteArray FinishedPdf(const QByteArray& written, const report::DocumentDescription& description,
                       const std::vector<TypedPage>& typedPages);

} // namespace ui
