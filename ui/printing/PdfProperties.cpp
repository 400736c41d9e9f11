// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printing/PdfProperties.h"

#include "project/PdfAttachment.h"
#include "ui/fonts/Utf8Text.h"
#include "ui/printing/PdfActualText.h"
#include "ui/printing/PdfText.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QString>

#include <exception>
#include <string>
#include <utility>

namespace ui {

namespace {

// Associated files, which name the attachment's relationship, came with PDF 1.7's extensions.
constexpr const char* kPdfVersion = "1.7";

QByteArray Escaped(const std::string& text) {
  return FromUtf8(text).toHtmlEscaped().toUtf8();
}

std::string PdfDate(const QDateTime& time) {
  return time.toUTC().toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")).toStdString();
}

QString Producer() {
  return QStringLiteral("Qt %1, qpdf %2")
      .arg(QString::fromLatin1(qVersion()), FromUtf8(QPDF::QPDFVersion()));
}

void SetInformation(QPDF& pdf, const report::DocumentDescription& description,
                    const QString& producer, const std::string& date) {
  QPDFObjectHandle info = QPDFObjectHandle::newDictionary();
  const std::pair<const char*, const std::string*> given[] = {
      {"/Title", &description.title},     {"/Author", &description.author},
      {"/Subject", &description.subject}, {"/Keywords", &description.keywords},
      {"/Creator", &description.creator},
  };
  for (const auto& [key, value] : given) {
    if (!value->empty()) {
      info.replaceKey(key, QPDFObjectHandle::newUnicodeString(*value));
    }
  }
  info.replaceKey("/Producer", QPDFObjectHandle::newUnicodeString(producer.toStdString()));
  info.replaceKey("/CreationDate", QPDFObjectHandle::newString(date));
  info.replaceKey("/ModDate", QPDFObjectHandle::newString(date));
  pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));
}

void SetMetadata(QPDF& pdf, const QByteArray& xmp) {
  QPDFObjectHandle stream = pdf.newStream(xmp.toStdString());
  stream.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
  stream.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
  pdf.getRoot().replaceKey("/Metadata", stream);
}

void Attach(QPDF& pdf, const report::DocumentDescription& description, const std::string& date) {
  QPDFEFStreamObjectHelper file =
      QPDFEFStreamObjectHelper::createEFStream(pdf, description.attachment);
  file.setSubtype(description.attachmentMimeType).setCreationDate(date).setModDate(date);
  QPDFFileSpecObjectHelper spec =
      QPDFFileSpecObjectHelper::createFileSpec(pdf, description.attachmentName, file);
  QPDFObjectHandle specObject = spec.getObjectHandle();
  specObject.replaceKey(
      "/AFRelationship",
      QPDFObjectHandle::newName("/" + std::string(project::kCarriedFileRelationship)));
  QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(description.attachmentName, spec);
  pdf.getRoot().replaceKey("/AF", QPDFObjectHandle::newArray({specObject}));
}

} // namespace

QByteArray XmpPacket(const report::DocumentDescription& d, const QString& producer,
                     const QDateTime& written) {
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
  body += "<pdf:Producer>" + producer.toHtmlEscaped().toUtf8() + "</pdf:Producer>\n";
  if (!d.creator.empty()) {
    body += "<xmp:CreatorTool>" + Escaped(d.creator) + "</xmp:CreatorTool>\n";
  }
  const QByteArray date = written.toUTC().toString(Qt::ISODate).toUtf8();
  body += "<xmp:CreateDate>" + date + "</xmp:CreateDate>\n<xmp:ModifyDate>" + date +
          "</xmp:ModifyDate>\n<xmp:MetadataDate>" + date + "</xmp:MetadataDate>\n";
  return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
         "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
         "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
         "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
         "xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
         "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n" +
         body + "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>";
}

QByteArray FinishedPdf(const QByteArray& written, const report::DocumentDescription& description,
                       const std::vector<TypedPage>& typedPages) {
  try {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("written PDF", written.constData(), static_cast<size_t>(written.size()));
    WriteTextMapsPerGlyph(pdf);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const std::string date = PdfDate(now);
    const QString producer = Producer();
    SetInformation(pdf, description, producer, date);
    SetMetadata(pdf, XmpPacket(description, producer, now));
    if (!description.attachmentName.empty()) {
      Attach(pdf, description, date);
    }
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    for (std::size_t index = 0; index < pages.size() && index < typedPages.size(); ++index) {
      MarkActualText(pages[index], typedPages[index]);
    }
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setMinimumPDFVersion(kPdfVersion);
    writer.write();
    const std::shared_ptr<Buffer> finished = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(finished->getBuffer()),
                      static_cast<qsizetype>(finished->getSize()));
  } catch (const std::exception& failure) {
    throw report::PrinterError(std::string("PDF ที่เขียนอ่านกลับไม่ได้ (the written PDF cannot be "
                                           "finished): ") +
                               failure.what());
  }
}

} // namespace ui
