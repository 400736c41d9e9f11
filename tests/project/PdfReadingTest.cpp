// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF reader: which attachment is the project, and the files it refuses; PDFs the programs
// write are read back in tests/app.
#include "project/PdfReading.h"
#include "project/LoadMessages.h"
#include "project/PdfAttachment.h"

#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <string>
#include <vector>

namespace {

namespace messages = project::load_messages;

const std::string kProject =
    R"({"schema": 1, "header": {"project": "P", "engineer": "E"}, "columns": [
  {"mark": "C1", "outside_diameter_mm": 114.3, "wall_thickness_mm": 3.2, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 8000}]})";

struct Attachment {
  std::string name;
  std::string mimeType;
  bool source = false; // related to the document as its source
  std::string bytes = kProject;
};

const Attachment kStandard{"P.pipecolumn", std::string(project::kProjectMimeType), true};
const Attachment kOlderVersions{"P.pipecolumn", "application/json"};

std::string PdfWith(const std::vector<Attachment>& attachments, const char* password = nullptr) {
  QPDF pdf;
  pdf.emptyPDF();
  QPDFEmbeddedFileDocumentHelper files(pdf);
  for (std::size_t index = 0; index < attachments.size(); ++index) {
    const Attachment& a = attachments[index];
    auto stream = QPDFEFStreamObjectHelper::createEFStream(pdf, a.bytes);
    stream.setSubtype(a.mimeType);
    auto spec = QPDFFileSpecObjectHelper::createFileSpec(pdf, a.name, stream);
    if (a.source) {
      spec.getObjectHandle().replaceKey("/AFRelationship", QPDFObjectHandle::newName("/Source"));
    }
    files.replaceEmbeddedFile(std::to_string(index) + a.name, spec);
  }
  QPDFWriter writer(pdf);
  writer.setOutputMemory();
  if (password != nullptr) {
    writer.setR6EncryptionParameters(password, password, true, true, true, true, true, true,
                                     qpdf_r3p_full, true);
  }
  writer.write();
  const auto buffer = writer.getBufferSharedPointer();
  return {reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize()};
}

struct Reading {
  const char* name;
  std::string bytes;
  std::string_view message; // empty where the project loads
};

void PrintTo(const Reading& reading, std::ostream* out) {
  *out << reading.name;
}

class PdfReadingTest : public testing::TestWithParam<Reading> {};

TEST_P(PdfReadingTest, LoadsTheProgramsOwnAttachmentOrNamesWhatIsWrong) {
  const Reading& c = GetParam();
  const project::ProjectLoad load = project::ReadProjectFromPdf(c.bytes, "p.pdf");
  if (c.message.empty()) {
    ASSERT_TRUE(std::holds_alternative<project::Project>(load))
        << std::get<project::LoadErrors>(load).messages.front();
    EXPECT_EQ(std::get<project::Project>(load).columns.at(0).mark, "C1");
    return;
  }
  ASSERT_TRUE(std::holds_alternative<project::LoadErrors>(load));
  EXPECT_EQ(std::get<project::LoadErrors>(load).messages,
            std::vector<std::string>{"ไฟล์ p.pdf: " + std::string(c.message)});
}

const std::string kNoAttachment = "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n"
                                  "2 0 obj\n<< /Type /Pages /Kids [] /Count 0 >>\nendobj\n"
                                  "trailer\n<< /Size 3 /Root 1 0 R >>\n%%EOF\n";
// Another tool's file beside the program's own, named like it and not a project.
const Attachment kOtherTool{"notes.pipecolumn", "application/json", false, "not a project"};

INSTANTIATE_TEST_SUITE_P(
    Project, PdfReadingTest,
    testing::Values(
        Reading{"Standard", PdfWith({kStandard}), {}},
        Reading{"TrailingNulBytes", PdfWith({kStandard}) + std::string(4, '\0'), {}},
        Reading{"OlderVersionsByName", PdfWith({kOlderVersions}), {}},
        Reading{"OtherToolsFileBeside", PdfWith({kOtherTool, kStandard}), {}},
        Reading{"TwoStandard", PdfWith({kStandard, kStandard}), messages::kAmbiguousCarriedProject},
        Reading{"TwoByName", PdfWith({kOlderVersions, kOtherTool}),
                messages::kAmbiguousCarriedProject},
        Reading{"Encrypted", PdfWith({kStandard}, "secret"), messages::kPasswordProtectedPdf},
        Reading{"Empty", "", messages::kUnreadablePdf},
        Reading{"ProjectFile", "{\"schema\": 1}", messages::kUnreadablePdf},
        Reading{"CutShort", PdfWith({kStandard}).substr(0, 600), messages::kUnreadablePdf},
        Reading{"NoProject", kNoAttachment, messages::kNoCarriedProject}),
    [](const testing::TestParamInfo<Reading>& info) { return std::string(info.param.name); });

TEST(PdfReadingTest, PasswordProtectedIsSaidInEnglishToo) {
  EXPECT_NE(messages::kPasswordProtectedPdf.find("password-protected"), std::string::npos);
}

struct Naming {
  std::string project;
  std::string attachment;
};

void PrintTo(const Naming& naming, std::ostream* out) {
  *out << naming.project;
}

class AttachmentNameTest : public testing::TestWithParam<Naming> {};

TEST_P(AttachmentNameTest, IsAPlainNameEveryFileSystemTakes) {
  EXPECT_EQ(project::AttachmentFileName(GetParam().project), GetParam().attachment);
}

INSTANTIATE_TEST_SUITE_P(
    Project, AttachmentNameTest,
    testing::Values(Naming{"Warehouse B", "Warehouse B.pipecolumn"},
                    Naming{"Tower: A*B?", "Tower_ A_B.pipecolumn"},
                    Naming{std::string(300, 'x'), std::string(53, 'x') + ".pipecolumn"},
                    Naming{std::string(52, 'x') + " y", std::string(52, 'x') + ".pipecolumn"},
                    Naming{"อาคาร ก", "project.pipecolumn"}, Naming{"อาคาร A-1", "A-1.pipecolumn"},
                    Naming{"../etc", "etc.pipecolumn"}, Naming{"con", "project.pipecolumn"},
                    Naming{"nul.x", "project.pipecolumn"}, Naming{"LPT1", "project.pipecolumn"},
                    Naming{"", "project.pipecolumn"}));

} // namespace
