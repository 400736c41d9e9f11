// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ProjectPackage.h"

#include "engine/NumberText.h"
#include "engine/PipeCatalogue.h"
#include "report/CalculationSheet.h"
#include "report/CrossCheckSheet.h"
#include "report/DocumentProperties.h"
#include "report/TextFit.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace report {

namespace {

constexpr int kSummaryLeft = 800;
constexpr int kSummaryRight = kPageWidthTwips - 800;
constexpr int kSummaryLineHeight = 240;
// Room for a mark of two lines; a longer one shows its end after an ellipsis on the second.
constexpr std::size_t kMarkLines = 2;
constexpr int kRowHeight = kSummaryLineHeight * static_cast<int>(kMarkLines) + 60;
constexpr int kTableTop = 3000;
constexpr int kTableBottom = kPageHeightTwips - 1200;
constexpr int kRowsPerPage = (kTableBottom - kTableTop) / kRowHeight - 1; // less the heading row
constexpr int kLegendTop = kTableBottom + 200;
// The signature block's lines are single lines, however tall the table's rows; it takes the room of
// kSignatureRows rows below the table's last row.
constexpr int kSignatureLines = 9;
constexpr int kSignatureLineHeight = kSummaryLineHeight + 60;
constexpr int kSignatureRows =
    (kSignatureLines * kSignatureLineHeight + kRowHeight - 1) / kRowHeight;

struct TableColumn {
  const char* heading;
  int left; // twips
};

// The base plate's text is the longest ("15 x 15 cm, 4 mm"): it gets the widest column.
constexpr std::array<TableColumn, 9> kTable = {{
    {"Mark", kSummaryLeft},
    {"D x T (mm)", 2100},
    {"H (m)", 3500},
    {"K", 4100},
    {"P (kg)", 4700},
    {"Capacity (kg)", 5700},
    {"Util. (%)", 6900},
    {"Verdict", 7800},
    {"Base Plate", 9000},
}};

int RightOf(std::size_t column) {
  return column + 1 < kTable.size() ? kTable[column + 1].left - 100 : kSummaryRight;
}

void PrintCell(Printer& printer, std::size_t column, int y, const std::string& text) {
  printer.SetCurrentX(kTable[column].left);
  printer.SetCurrentY(y);
  printer.PrintLine(FitText(printer, text, RightOf(column) - kTable[column].left));
}

// The mark wraps rather than being cut, so that two columns' marks never read the same.
void PrintMark(Printer& printer, int y, const std::string& mark) {
  for (const std::string& line : WrapText(printer, mark, RightOf(0) - kSummaryLeft, kMarkLines)) {
    printer.SetCurrentX(kSummaryLeft);
    printer.SetCurrentY(y);
    printer.PrintLine(line);
    y += kSummaryLineHeight;
  }
}

std::string Whole(const engine::OptionalWhole& value) {
  return value ? std::to_string(*value) : std::string("-");
}

std::string VerdictCell(const engine::ColumnAnswer& answer) {
  const std::string verdict(engine::VerdictWord(answer.verdict));
  return engine::IsSoundPipe(answer.warnings) ? verdict
                                              : verdict + " " + std::string(project::kWarningMark);
}

std::array<std::string, kTable.size()> Row(const project::ColumnEntry& entry,
                                           const engine::ColumnAnswer& answer) {
  const engine::ColumnInputs& in = entry.inputs;
  const engine::DesignRecord& q = answer.record;
  return {entry.mark,
          engine::PipeSizeText(in.outsideDiameterMm, in.wallThicknessMm),
          engine::PlainText(in.heightM),
          engine::PlainText(in.kFactor),
          engine::PlainText(in.axialLoadKg),
          Whole(answer.checked(&engine::DesignRecord::maxAxialForce)),
          answer.utilisation ? engine::PercentText(*answer.utilisation) : "-",
          VerdictCell(answer),
          answer.failure ? *answer.failure
                         : Whole(q.plateSide) + " x " + Whole(q.plateSide) + " cm, " +
                               Whole(q.plateThicknessMm) + " mm"};
}

void PrintSummaryTop(Printer& printer, const project::Project& project, const std::string& date,
                     std::span<const engine::ColumnAnswer> columns, int page, int pages) {
  const auto passing =
      std::ranges::count(columns, engine::Verdict::Passes, &engine::ColumnAnswer::verdict);
  printer.SetFontBold(true);
  printer.SetFontSize(13);
  printer.SetCurrentX(kSummaryLeft);
  printer.SetCurrentY(1000);
  printer.PrintLine(FitText(printer, "สรุปผลการตรวจสอบเสาท่อเหล็กกลม (Column Schedule)",
                            kSummaryRight - kSummaryLeft));
  printer.SetFontSize(10);
  printer.SetFontBold(false);
  const std::string lines[] = {
      " Project : " + project.header.project,
      " Engineer : " + project.header.engineer,
      " Date : " + date + "     หน้า " + std::to_string(page) + " / " + std::to_string(pages),
      " ผ่าน " + std::to_string(passing) + " ต้น   ไม่ผ่าน " +
          std::to_string(static_cast<long>(columns.size()) - passing) + " ต้น   จากทั้งหมด " +
          std::to_string(columns.size()) + " ต้น",
  };
  int y = 1600;
  for (const std::string& line : lines) {
    printer.SetCurrentX(kSummaryLeft);
    printer.SetCurrentY(y);
    printer.PrintLine(FitText(printer, line, kSummaryRight - kSummaryLeft));
    y += 300;
  }
  printer.SetFontSize(9);
  printer.SetFontBold(true);
  for (std::size_t column = 0; column < kTable.size(); ++column) {
    PrintCell(printer, column, kTableTop, kTable[column].heading);
  }
  printer.SetFontBold(false);
}

// Where the engineer signs, with the name and licence number, and where the checker signs; the
// top of the block is at `y`.
void PrintSignatureBlock(Printer& printer, const project::Project::Header& header,
                         const std::string& date, int y) {
  const std::string signLine = "ลงชื่อ ..................................................";
  const std::string lines[] = {
      "",
      signLine + "  วิศวกรผู้ออกแบบ (Engineer)",
      "        ( " + header.engineer + " )",
      " เลขทะเบียนใบอนุญาต (Licence No.) : " + header.licenceNumber,
      " วันที่ (Date) : " + date,
      "",
      signLine + "  ผู้ตรวจสอบ (Checker)",
      "        ( .................................................. )",
      " วันที่ (Date) : ..............................",
  };
  static_assert(std::size(lines) == kSignatureLines);
  printer.SetFontSize(10);
  printer.SetFontBold(false);
  for (const std::string& line : lines) {
    if (!line.empty()) {
      printer.SetCurrentX(kSummaryLeft + 4000);
      printer.SetCurrentY(y);
      printer.PrintLine(FitText(printer, line, kSummaryRight - kSummaryLeft - 4000));
    }
    y += kSignatureLineHeight;
  }
}

std::size_t SummaryPageCount(std::size_t columnCount) {
  return std::max<std::size_t>(1, (columnCount + kSignatureRows + kRowsPerPage - 1) / kRowsPerPage);
}

} // namespace

int PackagePageCount(std::size_t columnCount) {
  return static_cast<int>(SummaryPageCount(columnCount) + columnCount);
}

SheetHeader ColumnSheetHeader(const project::Project& project, std::size_t column) {
  return {project.header.project, project.header.engineer, project.columns[column].mark,
          project.printCrossCheck};
}

void PrintProjectPackage(const project::Project& project,
                         std::span<const engine::ColumnAnswer> columns, const std::string& date,
                         const engine::NumberFormat& format, Printer& printer,
                         const PagesDone& pagesDone) {
  if (columns.size() != project.columns.size()) {
    throw std::invalid_argument("the answers are not of this project");
  }
  printer.Describe(PackageDescription(project, columns, date, format));
  int pages = 0;
  const auto pageDone = [&] {
    if (pagesDone && !pagesDone(++pages)) {
      throw PackageStopped{};
    }
  };
  printer.SetOrientation(PageOrientation::Portrait);
  printer.SetFontName(kSheetFontName);
  const int summaryPages = PackagePageCount(columns.size()) - static_cast<int>(columns.size());
  for (int page = 0; page < summaryPages; ++page) {
    if (page > 0) {
      pageDone();
      printer.NewPage();
    }
    PrintSummaryTop(printer, project, date, columns, page + 1, summaryPages);
    const std::size_t first =
        std::min(columns.size(), static_cast<std::size_t>(page) * kRowsPerPage);
    const std::size_t last = std::min(columns.size(), first + kRowsPerPage);
    for (std::size_t i = first; i < last; ++i) {
      const int y = kTableTop + kRowHeight * static_cast<int>(i - first + 1);
      const bool fails = columns[i].verdict != engine::Verdict::Passes;
      // A failing row is shaded and bold, so it stands out in black and white.
      if (fails) {
        printer.ShadeRectangle(kSummaryLeft - 60, y - 40, kSummaryRight - kSummaryLeft + 120,
                               kRowHeight);
        printer.SetFontBold(true);
      }
      const auto cells = Row(project.columns[i], columns[i]);
      PrintMark(printer, y, cells[0]);
      for (std::size_t column = 1; column < cells.size(); ++column) {
        PrintCell(printer, column, y, cells[column]);
      }
      printer.SetFontBold(false);
    }
    const bool anyWarning =
        std::any_of(columns.begin() + static_cast<std::ptrdiff_t>(first),
                    columns.begin() + static_cast<std::ptrdiff_t>(last),
                    [](const auto& c) { return !engine::IsSoundPipe(c.warnings); });
    if (anyWarning) {
      printer.SetCurrentX(kSummaryLeft);
      printer.SetCurrentY(kLegendTop);
      printer.PrintLine(
          FitText(printer, std::string(kWarningLegend), kSummaryRight - kSummaryLeft));
    }
    if (page + 1 == summaryPages) {
      PrintSignatureBlock(printer, project.header, date,
                          kTableTop + kRowHeight * static_cast<int>(last - first + 1));
    }
  }
  for (std::size_t i = 0; i < columns.size(); ++i) {
    pageDone();
    printer.NewPage();
    DrawColumnPages(columns[i], ColumnSheetHeader(project, i), format, printer);
  }
  pageDone();
  printer.EndDocument();
}

} // namespace report
