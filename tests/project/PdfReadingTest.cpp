// SPDX-License-Identifier: GPL-3.0-or-later
// Files the PDF reader refuses before it looks for a project, and the name a carried project is
// given; written PDFs are read back in tests/app.
#include "project/PdfReading.h"
#include "project/PdfAttachment.h"

#include "project/LoadMessages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Refused {
  const char* name;
  std::string bytes;
  std::string_view message;
};

class PdfReadingTest : public testing::TestWithParam<Refused> {};

TEST_P(PdfReadingTest, RefusesWithTheFileNamed) {
  const Refused& c = GetParam();
  const project::ProjectLoad load = project::ReadProjectFromPdf(c.bytes, "p.pdf");
  ASSERT_TRUE(std::holds_alternative<project::LoadErrors>(load));
  EXPECT_EQ(std::get<project::LoadErrors>(load).messages,
            std::vector<std::string>{"ไฟล์ p.pdf: " + std::string(c.message)});
}

namespace messages = project::load_messages;
const std::string kNoAttachment = "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n"
                                  "2 0 obj\n<< /Type /Pages /Kids [] /Count 0 >>\nendobj\n"
                                  "trailer\n<< /Size 3 /Root 1 0 R >>\n%%EOF\n";

INSTANTIATE_TEST_SUITE_P(
    Project, PdfReadingTest,
    testing::Values(Refused{"Empty", "", messages::kUnreadablePdf},
                    Refused{"ProjectFile", "{\"schema\": 1}", messages::kUnreadablePdf},
                    Refused{"CutShort", kNoAttachment.substr(0, 60), messages::kUnreadablePdf},
                    Refused{"NoProject", kNoAttachment, messages::kNoCarriedProject}),
    [](const testing::TestParamInfo<Refused>& info) { return std::string(info.param.name); });

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
                    Naming{"LPT1", "project.pipecolumn"}, Naming{"", "project.pipecolumn"}));

} // namespace
