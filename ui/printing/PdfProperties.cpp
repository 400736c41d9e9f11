// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printing/PdfProperties.h"

#include "ui/fonts/Utf8Text.h"

#include <QDateTime>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ui {

namespace {

QByteArray Escaped(const std::string& text) {
  return FromUtf8(text).toHtmlEscaped().toUtf8();
}

// A PDF text string in UTF-16BE with its byte-order mark, written in hex so no byte needs escaping.
QByteArray PdfText(const QString& text) {
  QByteArray hex = "<FEFF";
  for (const QChar unit : text) {
    hex += QByteArray::number(unit.unicode() + 0x10000, 16).mid(1).toUpper();
  }
  return hex + ">";
}

// The properties the description gives, in the order a viewer lists them.
std::vector<std::pair<QByteArray, QString>>
InformationEntries(const report::DocumentDescription& description) {
  const std::pair<const char*, const std::string*> given[] = {
      {"/Title", &description.title},     {"/Author", &description.author},
      {"/Subject", &description.subject}, {"/Keywords", &description.keywords},
      {"/Creator", &description.creator},
  };
  std::vector<std::pair<QByteArray, QString>> entries;
  for (const auto& [key, value] : given) {
    if (!value->empty()) {
      entries.emplace_back(key, FromUtf8(*value));
    }
  }
  entries.emplace_back("/Producer", QStringLiteral("Qt ") + QString::fromLatin1(qVersion()));
  entries.emplace_back("/CreationDate", QDateTime::currentDateTimeUtc().toString(
                                            QStringLiteral("'D:'yyyyMMddHHmmss'Z'")));
  return entries;
}

struct Trailer {
  qint64 size = 0; // the number of objects, and so the next object's number
  QByteArray root; // "2 0 R"
  qint64 lastXref = 0;
};

std::optional<Trailer> LastTrailer(const QByteArray& pdf) {
  const qsizetype trailerAt = pdf.lastIndexOf("trailer");
  const qsizetype startAt = pdf.lastIndexOf("startxref");
  if (trailerAt < 0 || startAt < trailerAt) {
    return std::nullopt;
  }
  const QString text = QString::fromLatin1(pdf.mid(trailerAt));
  const QRegularExpressionMatch size =
      QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(text);
  const QRegularExpressionMatch root =
      QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(text);
  const QRegularExpressionMatch start =
      QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(text);
  if (!size.hasMatch() || !root.hasMatch() || !start.hasMatch()) {
    return std::nullopt;
  }
  return Trailer{size.captured(1).toLongLong(), root.captured(1).toLatin1(),
                 start.captured(1).toLongLong()};
}

} // namespace

void DescribePdf(QPdfWriter& writer, const report::DocumentDescription& description) {
  writer.setTitle(FromUtf8(description.title));
  writer.setCreator(FromUtf8(description.creator));
  writer.setDocumentXmpMetadata(XmpPacket(description));
  if (!description.attachmentName.empty()) {
    writer.addFileAttachment(FromUtf8(description.attachmentName),
                             QByteArray::fromStdString(description.attachment),
                             FromUtf8(description.attachmentMimeType));
  }
}

QByteArray XmpPacket(const report::DocumentDescription& d) {
  QByteArray body;
  if (!d.title.empty()) {
    body += "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + Escaped(d.title) +
            "</rdf:li></rdf:Alt></dc:title>\n";
  }
  if (!d.author.empty()) {
    body +=
        "<dc:creator><rdf:Seq><rdf:li>" + Escaped(d.author) + "</rdf:li></rdf:Seq></dc:creator>\n";
  }
  if (!d.subject.empty()) {
    body += "<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">" + Escaped(d.subject) +
            "</rdf:li></rdf:Alt></dc:description>\n";
  }
  if (!d.keywords.empty()) {
    body += "<pdf:Keywords>" + Escaped(d.keywords) + "</pdf:Keywords>\n";
  }
  if (!d.creator.empty()) {
    body += "<xmp:CreatorTool>" + Escaped(d.creator) + "</xmp:CreatorTool>\n";
  }
  return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
         "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
         "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
         "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
         "xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
         "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n" +
         body + "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>";
}

QByteArray WithDocumentInformation(const QByteArray& pdf,
                                   const report::DocumentDescription& description) {
  const std::optional<Trailer> trailer = LastTrailer(pdf);
  if (!trailer) {
    return pdf;
  }
  QByteArray updated = pdf;
  if (!updated.endsWith('\n')) {
    updated += '\n';
  }
  const qint64 infoObject = trailer->size;
  const qsizetype infoAt = updated.size();
  updated += QByteArray::number(infoObject) + " 0 obj\n<<\n";
  for (const auto& [key, value] : InformationEntries(description)) {
    updated += key + " " + PdfText(value) + "\n";
  }
  updated += ">>\nendobj\n";
  const qsizetype xrefAt = updated.size();
  updated += "xref\n" + QByteArray::number(infoObject) + " 1\n" +
             QByteArray::number(infoAt).rightJustified(10, '0') + " 00000 n \n";
  updated += "trailer\n<<\n/Size " + QByteArray::number(infoObject + 1) + "\n/Info " +
             QByteArray::number(infoObject) + " 0 R\n/Root " + trailer->root + "\n/Prev " +
             QByteArray::number(trailer->lastXref) + "\n>>\nstartxref\n" +
             QByteArray::number(xrefAt) + "\n%%EOF\n";
  return updated;
}

} // namespace ui
