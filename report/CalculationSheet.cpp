// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CalculationSheet.h"

#include "engine/Arithmetic.h"
#include "engine/ColumnCheck.h"
#include "engine/Failure.h"
#include "engine/NumberText.h"
#include "engine/Units.h"
#include "report/CrossCheckSheet.h"
#include "report/TextFit.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace report {

namespace {

// A number on the sheet: its spaced form, one blank after it, the locale's decimal separator.
class SheetItems {
public:
  explicit SheetItems(const engine::NumberFormat& format) : format_(format) {}

  std::string operator()(std::string spaced) const {
    const std::size_t point = spaced.find('.');
    if (point != std::string::npos) {
      spaced.replace(point, 1, format_.decimalSeparator);
    }
    return spaced + " ";
  }
  std::string operator()(double value) const { return (*this)(engine::SpacedText(value)); }
  std::string operator()(engine::Fixed4 value) const { return (*this)(engine::SpacedText(value)); }
  std::string operator()(std::int32_t value) const { return (*this)(engine::SpacedText(value)); }
  // A quantity the calculation has not set yet prints nothing.
  template <typename Number> std::string operator()(const std::optional<Number>& value) const {
    return value ? (*this)(*value) : std::string();
  }

private:
  const engine::NumberFormat& format_;
};

// The capacity in whole kilograms, or to two decimals, rounded toward the verdict, where the whole
// kilograms would contradict it (10279.62 kg carries no 10280 kg, yet rounds to 10280).
std::string CapacityText(const engine::DesignRecord& q, const SheetItems& n) {
  if (!q.maxAxialForce || !q.axialLoad || !q.axialCapacity) {
    return n(q.maxAxialForce);
  }
  const bool carries = engine::Carries(q);
  const bool contradicts =
      carries ? *q.maxAxialForce < *q.axialLoad : *q.maxAxialForce >= *q.axialLoad;
  if (!contradicts) {
    return n(q.maxAxialForce);
  }
  constexpr std::int64_t kCountsPerHundredth = engine::Fixed4::kScale / 100;
  const std::int64_t count = q.axialCapacity->count();
  std::int64_t hundredths = count / kCountsPerHundredth;
  if (carries && count % kCountsPerHundredth != 0) {
    ++hundredths;
  }
  const std::string cents = std::to_string(100 + hundredths % 100).substr(1);
  return n(" " + std::to_string(hundredths / 100) + "." + cents);
}

// The tail of the capacity line: the comparison with the load and its verdict, true to the record;
// a sheet printed before any calculation is a blank form with no verdict.
std::string CapacityVerdict(const engine::DesignRecord& q, const SheetItems& n) {
  if (!q.maxAxialForce || !q.axialLoad) {
    return "    " + n(q.axialLoad) + "  kg.";
  }
  const bool carries = engine::Carries(q);
  return std::string(carries ? "  >" : "  <") + n(q.axialLoad) + "  kg.     " +
         std::string(
             engine::VerdictWord(carries ? engine::Verdict::Passes : engine::Verdict::Fails));
}

constexpr double kWarningFontPoints = 9;
constexpr double kSheetFontPoints = 10;
constexpr int kWarningLeftTwips = 4500;
constexpr int kWarningLineTwips = 240;

// The free spaces of the sheet a warning may take, in a smaller face: right of the sketch between
// the verdict line and the base plate's heading, then below the plate's lines.
struct WarningSpace {
  int top; // twips
  std::size_t lines;
};
constexpr std::array kWarningSpaces = {WarningSpace{13780, 3}, WarningSpace{15200, 5}};
// A warning wraps to two lines at the most in these spaces, so this many always fit whole.
constexpr std::size_t kWarningsOnSheet = 3;

// The sheet's right margin, as far from the page's right edge as its lines start from the left.
constexpr int kRightEdgeTwips = kPageWidthTwips - 1500;

// The line as it fits between `left` and the right margin.
std::string FitLine(Printer& printer, int left, const std::string& line) {
  return FitText(printer, line, kRightEdgeTwips - left);
}

void PrintAt(Printer& printer, int x, int y, const std::string& line) {
  printer.SetCurrentX(x);
  printer.SetCurrentY(y);
  printer.PrintLine(line);
}

// Said on the sheet, in the last line of its spaces, where its warnings go on to a page of their
// own; without figures, as it does not depend on the answer.
const std::string kWarningsContinue = "คำเตือนข้ออื่นอยู่ในหน้าถัดไป (more warnings on the next page)";

} // namespace

bool HasWarningsPage(const engine::ColumnAnswer& answer) {
  return answer.warnings.size() > kWarningsOnSheet;
}

namespace {

// Each warning wrapped within the margins in the warnings' face.
std::vector<std::vector<std::string>> WrappedWarnings(const engine::ColumnAnswer& answer,
                                                      Printer& printer) {
  std::vector<std::vector<std::string>> wrapped;
  for (const engine::Warning& warning : answer.warnings) {
    wrapped.push_back(WrapText(printer, warning.text, kRightEdgeTwips - kWarningLeftTwips));
  }
  return wrapped;
}

// Each warning whole and in order in the first of the sheet's spaces that still holds it, never
// split between them; where the warnings go on to their own page, the last line of the spaces is
// kept for saying so. Returns how many were printed.
std::size_t PrintSheetWarnings(const engine::ColumnAnswer& answer, Printer& printer) {
  if (answer.warnings.empty()) {
    return 0;
  }
  printer.SetFontSize(kWarningFontPoints);
  const std::vector<std::vector<std::string>> wrapped = WrappedWarnings(answer, printer);
  const bool continues = HasWarningsPage(answer);
  std::size_t printed = 0;
  for (std::size_t space = 0; space < kWarningSpaces.size(); ++space) {
    const bool last = space + 1 == kWarningSpaces.size();
    // The last space keeps its last line for saying the warnings go on; else it runs on down.
    const std::size_t room = !last       ? kWarningSpaces[space].lines
                             : continues ? kWarningSpaces[space].lines - 1
                                         : SIZE_MAX;
    const int top = kWarningSpaces[space].top;
    std::size_t used = 0;
    while (printed < wrapped.size() && used + wrapped[printed].size() <= room) {
      for (const std::string& line : wrapped[printed]) {
        PrintAt(printer, kWarningLeftTwips, top + kWarningLineTwips * static_cast<int>(used++),
                line);
      }
      ++printed;
    }
    if (last && continues) {
      PrintAt(printer, kWarningLeftTwips, top + kWarningLineTwips * static_cast<int>(room),
              FitLine(printer, kWarningLeftTwips, kWarningsContinue));
    }
  }
  printer.SetFontSize(kSheetFontPoints);
  return printed;
}

void PrintHeaderLines(const SheetHeader& header, Printer& printer) {
  // The header is the user's free text; a long one is cut at the margin rather than run off the
  // page.
  PrintAt(printer, 1500, 1500, FitLine(printer, 1500, " Project : " + header.project));
  PrintAt(printer, 1500, 1800, FitLine(printer, 1500, " Engineer : " + header.engineer));
  PrintAt(printer, 1500, 2100, FitLine(printer, 1500, " Column : " + header.columnMark));
}

// The warnings the sheet had no room for, from `first`, each whole, on a new page.
void DrawWarningsPage(const engine::ColumnAnswer& answer, std::size_t first,
                      const SheetHeader& header, Printer& printer) {
  printer.NewPage();
  printer.SetOrientation(PageOrientation::Portrait);
  printer.SetFontName(kSheetFontName);
  printer.SetFontSize(kSheetFontPoints);
  printer.SetFontBold(false);
  PrintHeaderLines(header, printer);
  printer.SetFontBold(true);
  PrintAt(printer, 1500, 2700, "คำเตือน (Warnings) ต่อจากรายการคำนวณหน้าก่อน");
  printer.SetFontBold(false);
  int y = 3100;
  for (std::size_t i = first; i < answer.warnings.size(); ++i) {
    for (const std::string& line :
         WrapText(printer, answer.warnings[i].text, kRightEdgeTwips - 1800)) {
      PrintAt(printer, 1800, y, line);
      y += kWarningLineTwips + 40;
    }
    y += kWarningLineTwips / 2;
  }
}

} // namespace

void PrintCalculationSheet(const engine::ColumnAnswer& answer, const SheetHeader& header,
                           const engine::NumberFormat& format, Printer& printer) {
  DrawColumnPages(answer, header, format, printer);
  printer.EndDocument();
}

std::size_t ColumnPageCount(const engine::ColumnAnswer& answer, const SheetHeader& header) {
  return 1 + (HasWarningsPage(answer) ? 1 : 0) +
         (header.crossCheckPage && answer.crossCheck ? 1 : 0);
}

void DrawColumnPages(const engine::ColumnAnswer& answer, const SheetHeader& header,
                     const engine::NumberFormat& format, Printer& printer) {
  const std::size_t onSheet = DrawCalculationSheet(answer, header, format, printer);
  if (HasWarningsPage(answer)) {
    DrawWarningsPage(answer, onSheet, header, printer);
  }
  if (header.crossCheckPage && answer.crossCheck) {
    DrawCrossCheckPage(answer, header, format, printer);
  }
}

std::size_t DrawCalculationSheet(const engine::ColumnAnswer& answer, const SheetHeader& header,
                                 const engine::NumberFormat& format, Printer& printer) {
  const engine::DesignRecord& q = answer.record;
  const SheetItems n(format);

  printer.SetOrientation(PageOrientation::Portrait);
  printer.SetFontName(kSheetFontName);
  printer.SetFontSize(kSheetFontPoints);
  printer.SetFontBold(false);

  PrintHeaderLines(header, printer);

  printer.DrawPicture(PictureId::ColumnSketch, 2400, 3200);
  printer.DrawPicture(PictureId::GyrationFormula, 5500, 7100);
  printer.DrawPicture(PictureId::PermissibleStressSheet, 5700, 9300);

  PrintAt(printer, 3500, 2700,
          "ออกแบบให้เสาท่อเหล็ก รับน้ำหนัก Axial Load P = " + n(q.axialLoad) + " kg.");
  PrintAt(printer, 5500, 3000, " ขนาดเส้นผ่าศูนย์กลางภายนอก D = " + n(q.outsideDiameter) + " mm.");
  PrintAt(printer, 5500, 3300, " ขนาดเส้นผ่าศูนย์กลางภายใน d = " + n(q.insideDiameter) + " mm.");
  PrintAt(printer, 6500, 3600, " พื้นที่หน้าตัดของท่อเหล็กกลม  A = " + n(q.sectionArea) + " sq.cm.");
  PrintAt(printer, 5500, 6500, " ความหนาท่อเหล็กกลม T = " + n(q.wallThickness) + " mm.");
  PrintAt(printer, 4500, 6800, " ความสูงหรือความยาวท่อเหล็กกลม L = " + n(q.columnLength) + " cm.");
  PrintAt(printer, 1500, 9100,
          " คำนวณหาค่า Radius of gyration  = " + n(q.radiusOfGyration) + " cm.");
  PrintAt(printer, 1500, 9400, " กำหนดค่า K ที่ใช้ในการออกแบบ = " + n(q.kFactor));
  PrintAt(printer, 1500, 9700,
          " Effective Length = " + n(q.kFactor) + " x " + n(q.columnLength) + " = " +
              n(q.effectiveLength) + " cm.");
  PrintAt(printer, 2500, 10000, " ค่า KL/R = " + n(q.slendernessRatio) + " ");
  // The project's concrete, with the plate's steps: a blank form prints no figure for it.
  const engine::OptionalDouble concrete =
      q.allowableBearing ? engine::OptionalDouble(answer.inputs.materials.concreteStrengthKgCm2)
                         : std::nullopt;
  PrintAt(printer, 1500, 10600, " กำลังอัดคอนกรีต f'c = " + n(concrete) + "kg./sq.cm.");

  // Qac in kg/cm2, formed anew for the sheet and checked like every product.
  engine::OptionalWhole qacKgCm2;
  if (q.allowableStress) {
    qacKgCm2 = engine::MultiplyWhole(engine::kKgPerCm2PerMpa, *q.allowableStress);
  }
  PrintAt(printer, 5500, 12900,
          " Qac = " + n(q.allowableStress) + "MPa" + " = " + n(qacKgCm2) + " kg./sq.cm.");
  PrintAt(printer, 5500, 13200,
          " Qac x Section Area = " + n(qacKgCm2) + " x " + n(q.sectionArea) + " = " +
              n(q.maxAxialForce) + " kg.");
  PrintAt(printer, 5000, 13500,
          "ท่อเหล็กกลมรับน้ำหนักได้สูงสุด = " + CapacityText(q, n) + " kg." + CapacityVerdict(q, n));
  PrintAt(printer, 5500, 14600, " คำนวณขนาด Base Plate แผ่นเหล็กรองเสา");
  PrintAt(printer, 4500, 14900,
          " ใช้แผ่นเหล็ก ขนาด " + n(q.plateSide) + " cm. x " + n(q.plateSide) + " cm. หนาอย่างน้อย " +
              n(q.plateThicknessMm) + " mm.");

  return PrintSheetWarnings(answer, printer);
}

} // namespace report
