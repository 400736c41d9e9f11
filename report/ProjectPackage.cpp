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
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace report {

namespace {

constexpr int kSummaryLeft = 800;
constexpr int kSummaryRight = kPageWidthTwips - 800;
constexpr int kSummaryLineHeight = 240;
// Room for a mark of two lines; a longer one shows its end after an ellipsis on the second.
constexpr std::size_t kMarkLines = 2;
constexpr int kRowHeight = kSummaryLineHeight * static_cast<int>(kMarkLines) + 60;
constexpr int kHeaderLineHeight = 280;
constexpr double kRowFontPoints = 9;
constexpr int kTableTop = 3400;
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
    {project::kSizeHeading.data(), 2100},
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

void PrintMark(Printer& printer, int y, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    printer.SetCurrentX(kSummaryLeft);
    printer.SetCurrentY(y);
    printer.PrintLine(line);
    y += kSummaryLineHeight;
  }
}

// Each mark as its row prints it, in two lines at the most. Where long marks would print the same,
// their second lines show them from where they first part, so that they never read the same.
std::vector<std::vector<std::string>> MarkCells(Printer& printer,
                                                const std::vector<std::string>& marks) {
  const int room = RightOf(0) - kSummaryLeft;
  std::map<std::vector<std::string>, std::vector<std::size_t>> alike;
  for (std::size_t i = 0; i < marks.size(); ++i) {
    alike[WrapText(printer, marks[i], room, kMarkLines)].push_back(i);
  }
  std::vector<std::vector<std::string>> cells(marks.size());
  for (const auto& [lines, group] : alike) {
    const auto [low, high] = std::ranges::minmax(
        group, {}, [&marks](std::size_t i) -> const std::string& { return marks[i]; });
    const std::string& a = marks[low];
    const std::string& b = marks[high];
    const auto parting = static_cast<std::size_t>(std::ranges::mismatch(a, b).in1 - a.begin());
    for (const std::size_t i : group) {
      cells[i] = a == b ? lines : WrapShowing(printer, marks[i], room, parting);
    }
  }
  return cells;
}

std::string Whole(const engine::OptionalWhole& value) {
  return value ? std::to_string(*value) : std::string("-");
}

bool HasMethodWarning(const engine::ColumnAnswer& answer) {
  return std::ranges::any_of(answer.warnings, [](const engine::Warning& warning) {
    return !engine::IsSecondOpinion(warning.kind);
  });
}

std::string Marked(std::string text, bool marked, std::string_view mark) {
  return marked ? text + " " + std::string(mark) : text;
}

std::array<std::string, kTable.size()> Row(const project::ColumnEntry& entry,
                                           const engine::ColumnAnswer& answer) {
  const engine::ColumnInputs& in = entry.inputs;
  const std::string verdict =
      Marked(Marked(std::string(engine::VerdictWord(answer.verdict)), HasMethodWarning(answer),
                    project::kWarningMark),
             answer.has(engine::WarningKind::CrossCheckColumn), kSecondOpinionMark);
  const std::string plate =
      answer.failure ? *answer.failure
                     : Marked(project::BasePlateText(answer.record),
                              answer.has(engine::WarningKind::CrossCheckPlate), kSecondOpinionMark);
  return {WithControlsAsSpaces(entry.mark),
          project::SizeText(entry),
          engine::PlainText(in.heightM),
          engine::PlainText(in.kFactor),
          engine::PlainText(in.axialLoadKg),
          Whole(answer.checked(&engine::DesignRecord::maxAxialForce)),
          answer.utilisation ? engine::PercentText(*answer.utilisation) : "-",
          verdict,
          plate};
}

std::string Count(std::size_t count) {
  return std::to_string(count) + " ต้น";
}

// The verdicts of the package by the method, then by the second opinion on the columns and on
// their plates, one line each.
std::array<std::string, 3> CountLines(std::span<const engine::ColumnAnswer> columns) {
  const auto count = [&columns](const auto& holds) {
    return static_cast<std::size_t>(std::ranges::count_if(columns, holds));
  };
  const std::size_t passing =
      count([](const engine::ColumnAnswer& c) { return c.verdict == engine::Verdict::Passes; });
  const auto opinion = [&count](engine::CrossCheckVerdict verdict) {
    return count([verdict](const engine::ColumnAnswer& c) {
      return c.crossCheck && c.crossCheck->verdict == verdict;
    });
  };
  const auto plate = [&count](bool passes) {
    return count([passes](const engine::ColumnAnswer& c) {
      return c.crossCheck && c.crossCheck->platePasses == passes;
    });
  };
  const std::size_t unopined = count([](const engine::ColumnAnswer& c) { return !c.crossCheck; });
  const std::string opinionLead = " ความเห็นที่สอง " + std::string(engine::kCrossCheckCode) + ": ";
  const std::string unchecked = unopined > 0 ? "   ไม่ได้ตรวจ " + Count(unopined) : std::string();
  return {" ตามวิธีคำนวณ: ผ่าน " + Count(passing) + "   ไม่ผ่าน " + Count(columns.size() - passing) +
              "   จากทั้งหมด " + Count(columns.size()),
          opinionLead + "เสาผ่าน " + Count(opinion(engine::CrossCheckVerdict::Passes)) +
              "   ไม่ผ่าน " + Count(opinion(engine::CrossCheckVerdict::Fails)) + "   ไม่ครอบคลุม " +
              Count(opinion(engine::CrossCheckVerdict::NotCovered)) + unchecked,
          opinionLead + "แผ่นเหล็กผ่าน " + Count(plate(true)) + "   ไม่ผ่าน " + Count(plate(false)) +
              unchecked};
}

void PrintSummaryTop(Printer& printer, const project::Project& project, const std::string& date,
                     std::span<const engine::ColumnAnswer> columns, int page, int pages) {
  printer.SetFontBold(true);
  printer.SetFontSize(13);
  printer.SetCurrentX(kSummaryLeft);
  printer.SetCurrentY(1000);
  printer.PrintLine(FitText(printer, "สรุปผลการตรวจสอบเสาท่อเหล็กกลม (Column Schedule)",
                            kSummaryRight - kSummaryLeft));
  printer.SetFontSize(10);
  printer.SetFontBold(false);
  const std::array<std::string, 3> counts = CountLines(columns);
  const std::string lines[] = {
      " Project : " + WithControlsAsSpaces(project.header.project),
      " Engineer : " + WithControlsAsSpaces(project.header.engineer),
      " Date : " + date + "     หน้า " + std::to_string(page) + " / " + std::to_string(pages),
      counts[0],
      counts[1],
      counts[2],
  };
  int y = 1600;
  for (const std::string& line : lines) {
    printer.SetCurrentX(kSummaryLeft);
    printer.SetCurrentY(y);
    printer.PrintLine(FitText(printer, line, kSummaryRight - kSummaryLeft));
    y += kHeaderLineHeight;
  }
  printer.SetFontSize(kRowFontPoints);
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
      "        ( " + WithControlsAsSpaces(header.engineer) + " )",
      " เลขทะเบียนใบอนุญาต (Licence No.) : " + WithControlsAsSpaces(header.licenceNumber),
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

// The first row of each summary page, and the number of rows past the last. Pages are full but
// for the last, which keeps room for the signature block and, where there are rows, at least one
// of them: no page repeats the heading over no rows.
std::vector<std::size_t> SummaryPageStarts(std::size_t columnCount) {
  const std::size_t pages = SummaryPageCount(columnCount);
  const std::size_t full = (pages - 1) * kRowsPerPage;
  const std::size_t lastFirst =
      columnCount > full ? full : columnCount - std::min<std::size_t>(columnCount, 1);
  std::vector<std::size_t> starts;
  for (std::size_t page = 0; page < pages; ++page) {
    starts.push_back(std::min(page * kRowsPerPage, lastFirst));
  }
  starts.push_back(columnCount);
  return starts;
}

// The legend of each mark the rows carry, one line each, below the table.
void PrintLegends(Printer& printer, std::span<const engine::ColumnAnswer> rows) {
  const bool method = std::ranges::any_of(rows, HasMethodWarning);
  const bool opinion = std::ranges::any_of(rows, [](const engine::ColumnAnswer& c) {
    return std::ranges::any_of(c.warnings, [](const engine::Warning& warning) {
      return engine::IsSecondOpinion(warning.kind);
    });
  });
  int y = kLegendTop;
  const std::string legends[] = {
      std::string(project::kWarningMark) + " = มีคำเตือนของวิธีคำนวณ (warning): เสาหรือแผ่นเหล็กอยู่นอก"
                                           "ขอบเขตของวิธี ดูรายการคำนวณของต้นนั้น",
      std::string(kSecondOpinionMark) + " = ความเห็นที่สอง " + std::string(engine::kCrossCheckCode) +
          " ไม่ยอมรับ (second opinion differs): หลัง Verdict คือเสา หลัง Base Plate คือแผ่นเหล็ก"};
  for (const auto& [shown, legend] :
       {std::pair{method, legends[0]}, std::pair{opinion, legends[1]}}) {
    if (shown) {
      printer.SetCurrentX(kSummaryLeft);
      printer.SetCurrentY(y);
      printer.PrintLine(FitText(printer, std::string(legend), kSummaryRight - kSummaryLeft));
      y += kSummaryLineHeight;
    }
  }
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
  const std::vector<std::size_t> starts = SummaryPageStarts(columns.size());
  const int summaryPages = static_cast<int>(starts.size()) - 1;
  std::vector<std::string> marks;
  for (const project::ColumnEntry& entry : project.columns) {
    marks.push_back(WithControlsAsSpaces(entry.mark));
  }
  // Measured in the bold face of failing rows, the wider, so that every row's mark fits.
  printer.SetFontSize(kRowFontPoints);
  printer.SetFontBold(true);
  const std::vector<std::vector<std::string>> markCells = MarkCells(printer, marks);
  printer.SetFontBold(false);
  for (int page = 0; page < summaryPages; ++page) {
    if (page > 0) {
      pageDone();
      printer.NewPage();
    }
    PrintSummaryTop(printer, project, date, columns, page + 1, summaryPages);
    const std::size_t first = starts[static_cast<std::size_t>(page)];
    const std::size_t last = starts[static_cast<std::size_t>(page) + 1];
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
      PrintMark(printer, y, markCells[i]);
      for (std::size_t column = 1; column < cells.size(); ++column) {
        PrintCell(printer, column, y, cells[column]);
      }
      printer.SetFontBold(false);
    }
    PrintLegends(printer, columns.subspan(first, last - first));
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
