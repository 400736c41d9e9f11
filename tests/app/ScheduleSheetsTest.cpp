// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator itself writes a project's package, a sheet and a chart through Qt into real
// PDFs: their text as typed, the project they carry and their metadata as PDF readers find them.

#include "report/ProjectPackage.h"

#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QUtil.hh>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What `command` prints on stdout.
std::string Output(const std::string& command) {
  std::string text;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return text;
  }
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    text.append(buffer, read);
  }
  ::pclose(pipe);
  return text;
}

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

TEST(ScheduleSheets, PrintTheSummaryThenEachColumnsSheetWithTheFailingOneMarked) {
  const fs::path folder =
      fs::temp_directory_path() / ("pipecolumn-sheets-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const char* marks[] = {"C1", "C2", "C3"};
  std::ofstream(folder / "p.pipecolumn")
      << R"({"schema": 1, "header": {"project": "อาคาร ก", "engineer": "วิศวกร ข"}, "columns": [
  {"mark": "C1", "outside_diameter_mm": 114.3, "wall_thickness_mm": 3.2, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 8000},
  {"mark": "C2", "outside_diameter_mm": 114.3, "wall_thickness_mm": 3.2, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 12000},
  {"mark": "C3", "outside_diameter_mm": 168.3, "wall_thickness_mm": 4.5, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 12000}]})";
  const fs::path pdf = folder / "package.pdf";

  const int status =
      std::system((std::string(PIPECOLUMN_CLI) + " schedule " + Quoted(folder / "p.pipecolumn") +
                   " --sheets " + Quoted(pdf) + " >/dev/null 2>" + Quoted(folder / "err"))
                      .c_str());

  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(fs::file_size(folder / "err"), 0u);
  const std::string info = Output("pdfinfo " + Quoted(pdf));
  EXPECT_NE(info.find("Pages:           " + std::to_string(report::PackagePageCount(3)) + "\n"),
            std::string::npos)
      << info;
  const std::string summary = Output("pdftotext -layout -f 1 -l 1 " + Quoted(pdf) + " -");
  for (int column = 0; column < 3; ++column) {
    SCOPED_TRACE(marks[column]);
    const std::size_t row = summary.find(std::string("\n") + marks[column] + " ");
    ASSERT_NE(row, std::string::npos) << summary;
    const std::string line = summary.substr(row + 1, summary.find('\n', row + 1) - row - 1);
    EXPECT_EQ(line.find("NOT OK") != std::string::npos, column == 1) << line;
    const int page = report::PackagePageCount(3) - 3 + column + 1;
    const std::string sheet = Output("pdftotext -layout -f " + std::to_string(page) + " -l " +
                                     std::to_string(page) + " " + Quoted(pdf) + " -");
    EXPECT_NE(sheet.find(std::string("Column : ") + marks[column]), std::string::npos) << sheet;
    EXPECT_EQ(sheet.find("NOT OK") != std::string::npos, column == 1);
  }
  fs::remove_all(folder);
}

struct Document {
  const char* name;
  std::string command; // the calculator's arguments, OUT standing for the PDF
  std::string attachmentName;
  std::vector<std::string> typed; // words the text must hold as they were typed
};

void PrintTo(const Document& document, std::ostream* out) {
  *out << document.name;
}

const std::vector<std::string> kSheetWords = {"น้ำหนัก",  "คำนวณ", "กำหนด",
                                              "คำเตือน", "ซึ่ง",    "Effective"};

class WrittenPdf : public testing::TestWithParam<Document> {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("pipecolumn-pdf-" + std::to_string(::getpid()) + GetParam().name);
    fs::create_directories(folder_);
    pdf_ = folder_ / "out.pdf";
    // A thin wall's column, whose sheet warns of local buckling, beside an ordinary one.
    std::ofstream(folder_ / "p.pipecolumn")
        << R"({"schema": 1, "header": {"project": "Tower: A*B?", "engineer": "วิศวกร ข"},
  "columns": [{"mark": "ค-1", "outside_diameter_mm": 400, "wall_thickness_mm": 2, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 60000},
  {"mark": "C2", "outside_diameter_mm": 114.3, "wall_thickness_mm": 3.2, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 8000}]})";
    std::string command = GetParam().command;
    command.replace(command.find("OUT"), 3, Quoted(pdf_));
    if (const std::size_t project = command.find("PROJECT"); project != std::string::npos) {
      command.replace(project, 7, Quoted(folder_ / "p.pipecolumn"));
    }
    std::system((std::string(PIPECOLUMN_CLI) + " " + command + " >/dev/null 2>&1").c_str());
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
  fs::path pdf_;
};

TEST_P(WrittenPdf, ExtractsAsTyped) {
  const std::string text = Output("pdftotext " + Quoted(pdf_) + " -");
  ASSERT_FALSE(text.empty());
  for (const std::string& word : GetParam().typed) {
    EXPECT_NE(text.find(word), std::string::npos) << word;
  }
  for (const char* ligature : {"\uFB00", "\uFB01", "\uFB02", "\uFB03", "\uFB04"}) {
    EXPECT_EQ(text.find(ligature), std::string::npos) << text;
  }
}

std::string Text(QPDFObjectHandle object) {
  return object.isString() ? object.getUTF8Value() : "(not a string)";
}

TEST_P(WrittenPdf, CarriesItsProjectAsAStandardAttachmentWithMatchingMetadata) {
  QPDF pdf;
  pdf.processFile(pdf_.c_str());
  QPDFObjectHandle associated = pdf.getRoot().getKey("/AF");
  ASSERT_TRUE(associated.isArray() && associated.getArrayNItems() == 1);
  QPDFObjectHandle spec = associated.getArrayItem(0);
  EXPECT_TRUE(spec.getKey("/AFRelationship").isNameAndEquals("/Source"));
  EXPECT_EQ(Text(spec.getKey("/F")), GetParam().attachmentName);
  EXPECT_EQ(Text(spec.getKey("/UF")), GetParam().attachmentName);
  const auto listed =
      QPDFEmbeddedFileDocumentHelper(pdf).getEmbeddedFile(GetParam().attachmentName);
  ASSERT_NE(listed, nullptr);
  EXPECT_EQ(listed->getObjectHandle().getObjGen(), spec.getObjGen());

  QPDFObjectHandle file = spec.getKey("/EF").getKey("/F");
  ASSERT_TRUE(file.isStream());
  QPDFObjectHandle dict = file.getDict();
  EXPECT_TRUE(dict.getKey("/Type").isNameAndEquals("/EmbeddedFile"));
  EXPECT_TRUE(dict.getKey("/Subtype").isNameAndEquals("/application/x-pipecolumn"));
  QPDFObjectHandle params = dict.getKey("/Params");
  const auto data = file.getStreamData();
  const std::string bytes(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
  EXPECT_NE(bytes.find("\"schema\""), std::string::npos);
  EXPECT_TRUE(params.getKey("/Size").isInteger() &&
              params.getKey("/Size").getIntValue() == static_cast<long long>(bytes.size()));
  EXPECT_EQ(params.getKey("/CheckSum").getStringValue().size(), 16u); // an MD5 digest

  // Info and XMP say the same: producer, creator and both dates, the attachment's dates alike.
  QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
  const std::string written = Text(info.getKey("/ModDate"));
  EXPECT_EQ(Text(info.getKey("/CreationDate")), written);
  EXPECT_EQ(Text(params.getKey("/ModDate")), written);
  EXPECT_EQ(Text(params.getKey("/CreationDate")), written);
  QUtil::QPDFTime time(0, 0, 0, 0, 0, 0, 0);
  ASSERT_TRUE(QUtil::pdf_time_to_qpdf_time(written, &time)) << written;
  const std::string iso = QUtil::qpdf_time_to_iso8601(time);
  const auto xmpData = pdf.getRoot().getKey("/Metadata").getStreamData();
  const std::string xmp(reinterpret_cast<const char*>(xmpData->getBuffer()), xmpData->getSize());
  for (const std::string& stated : {"<xmp:CreateDate>" + iso + "<", "<xmp:ModifyDate>" + iso + "<",
                                    "<pdf:Producer>" + Text(info.getKey("/Producer")) + "<",
                                    "<xmp:CreatorTool>" + Text(info.getKey("/Creator")) + "<"}) {
    EXPECT_NE(xmp.find(stated), std::string::npos) << stated << "\n" << xmp;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, WrittenPdf,
    testing::Values(
        Document{"Package", "schedule PROJECT --cross-check --sheets OUT", "Tower_ A_B.pipecolumn",
                 kSheetWords},
        Document{"Sheet",
                 "--diameter 400 --thickness 2 --load 60000 --project 'Tower: A*B?' --column ค-1 "
                 "--sheet OUT",
                 "Tower_ A_B.pipecolumn", kSheetWords},
        Document{"Chart",
                 "chart OUT --diameter 400 --thickness 2",
                 "project.pipecolumn",
                 {"ความเห็นที่สอง", "อัตราส่วนความชะลูด"}}),
    [](const testing::TestParamInfo<Document>& info) { return std::string(info.param.name); });

} // namespace
