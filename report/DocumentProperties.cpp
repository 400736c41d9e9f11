// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/DocumentProperties.h"

#include "engine/Version.h"
#include "project/PdfAttachment.h"
#include "project/ProjectFile.h"
#include "project/Today.h"

#include <utility>

namespace report {

namespace {

constexpr const char* kProgramName = "pipecolumn";
constexpr const char* kSheetSubject =
    "Calculation sheet: round steel pipe column and its base plate";
constexpr const char* kPackageSubject =
    "Calculation package: column schedule and a calculation sheet for each column";
constexpr const char* kChartSubject =
    "Allowable stress chart: Qac against KL/r, with the column's point";
constexpr const char* kKeywords = "round steel pipe column, axial load, base plate";

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string()
                                    : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "first - second", or whichever of them is not blank.
std::string Joined(std::string first, std::string second) {
  first = Trimmed(first);
  second = Trimmed(second);
  if (first.empty() || second.empty()) {
    return first.empty() ? second : first;
  }
  return first + " - " + second;
}

DocumentDescription Described(std::string title, const std::string& project,
                              const std::string& engineer, std::string subject,
                              std::string projectBytes) {
  DocumentDescription description;
  description.title = std::move(title);
  description.author = Trimmed(engineer);
  description.subject = std::move(subject);
  description.keywords = kKeywords;
  description.creator = WriterName();
  description.attachmentName = project::AttachmentFileName(project);
  description.attachment = std::move(projectBytes);
  description.attachmentMimeType = project::kProjectMimeType;
  return description;
}

} // namespace

std::string WriterName() {
  return std::string(kProgramName) + " " + engine::kVersion;
}

std::string CarriedProjectBytes(const project::Project& project, const PrintRecord& record) {
  return WithPrintRecord(project::ProjectFileBytes(project, WriterName()), record);
}

project::Project SheetProject(const SheetHeader& header, const engine::ColumnInputs& inputs,
                              std::string licenceNumber) {
  project::Project carried;
  carried.header = {header.project, header.engineer, std::move(licenceNumber)};
  carried.columns.push_back({header.columnMark, inputs});
  carried.materials = inputs.materials;
  carried.printCrossCheck = header.crossCheckPage;
  return carried;
}

DocumentDescription SheetDescription(const engine::ColumnAnswer& answer, const SheetHeader& header,
                                     const engine::NumberFormat& format,
                                     std::string licenceNumber) {
  const project::Project carried = SheetProject(header, answer.inputs, std::move(licenceNumber));
  const PrintRecord record{DocumentKind::Sheet, project::Today(), format,
                           PagePlan(DocumentKind::Sheet, carried, {&answer, 1})};
  return Described(Joined(header.columnMark, header.project), header.project, header.engineer,
                   kSheetSubject, CarriedProjectBytes(carried, record));
}

DocumentDescription PackageDescription(const project::Project& project,
                                       std::span<const engine::ColumnAnswer> answers,
                                       const std::string& date,
                                       const engine::NumberFormat& format) {
  const PrintRecord record{DocumentKind::Package, date, format,
                           PagePlan(DocumentKind::Package, project, answers)};
  return Described(project.header.project, project.header.project, project.header.engineer,
                   kPackageSubject, CarriedProjectBytes(project, record));
}

DocumentDescription ChartDescription(const SheetHeader& header, const engine::ColumnInputs& inputs,
                                     std::string licenceNumber) {
  const PrintRecord record{DocumentKind::Chart, project::Today(), {}, {{PageKind::Chart, 0}}};
  return Described(
      Joined(header.columnMark, header.project), header.project, header.engineer, kChartSubject,
      CarriedProjectBytes(SheetProject(header, inputs, std::move(licenceNumber)), record));
}

} // namespace report
