// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/Printer.h"

#include <QByteArray>

class QPdfWriter;

namespace ui {

// Gives the writer the description's title, creator, XMP packet and attached file; before it
// starts painting.
void DescribePdf(QPdfWriter& writer, const report::DocumentDescription& description);

// The XMP packet that states the description's properties; empty ones are left out.
QByteArray XmpPacket(const report::DocumentDescription& description);

// The finished PDF with its document information replaced by the description's properties
// (Title, Author, Subject, Keywords, Creator), appended as an incremental update so that nothing
// already written moves. A file whose trailer cannot be read is returned as it is.
QByteArray WithDocumentInformation(const QByteArray& pdf,
                                   const report::DocumentDescription& description);

} // namespace ui
