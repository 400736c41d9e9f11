// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CrossCheckSheet.h"

#include "engine/ColumnAssessment.h"
#include "engine/ColumnCheck.h"
#include "engine/NumberText.h"
#include "engine/Units.h"
#include "report/TextFit.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace report {

namespace {

constexpr int kLeft = 1500;
constexpr int kIndent = 1800;
constexpr int kRight = kPageWidthTwips - 1500;
constexpr int kLineHeight = 280;
constexpr std::array<int, 3> kTableColumns = {kIndent, 6300, 8400};
constexpr int kFewestDecimals = 2;

// Prints the page top to bottom, one line under the other.
class PageWriter {
public:
  explicit PageWriter(Printer& printer) : printer_(printer) {}

  void line(int x, const std::string& text) {
    printer_.SetCurrentX(x);
    printer_.SetCurrentY(y_);
    printer_.PrintLine(FitText(printer_, text, kRight - x));
    y_ += kLineHeight;
  }
  void heading(const std::string& text) {
    y_ += kLineHeight / 2;
    printer_.SetFontBold(true);
    line(kLeft, text);
    printer_.SetFontBold(false);
  }
  void row(const std::array<std::string, 3>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const int right = i + 1 < cells.size() ? kTableColumns[i + 1] - 100 : kRight;
      printer_.SetCurrentX(kTableColumns[i]);
      printer_.SetCurrentY(y_);
      printer_.PrintLine(FitText(printer_, cells[i], right - kTableColumns[i]));
    }
    y_ += kLineHeight;
  }
  void skipTo(int y) { y_ = y; }

private:
  Printer& printer_;
  int y_ = kLeft;
};

// Two figures compared on the page, printed to the fewest decimals (from `fewest`) at which they
// keep the order they have, so the printed comparison is as true as the verdict.
std::pair<std::string, std::string> Compared(double a, double b, int fewest,
                                             const engine::NumberFormat& format) {
  const int decimals = engine::DecimalsKeepingOrder(a, b, fewest);
  return {engine::DecimalText(a, decimals, format), engine::DecimalText(b, decimals, format)};
}

std::string Verdict(bool passes) {
  return std::string(
      engine::VerdictWord(passes ? engine::Verdict::Passes : engine::Verdict::Fails));
}

std::string VerdictOf(engine::CrossCheckVerdict verdict) {
  return verdict == engine::CrossCheckVerdict::NotCovered
             ? std::string(engine::KeyOf(verdict))
             : Verdict(verdict == engine::CrossCheckVerdict::Passes);
}

} // namespace

void DrawCrossCheckSheet(const engine::ColumnInputs& inputs, const engine::DesignRecord& q,
                         const engine::CrossCheck& c, const SheetHeader& header,
                         const engine::NumberFormat& format, Printer& printer) {
  const auto n = [&format](double value, int decimals = kFewestDecimals) {
    return engine::DecimalText(value, decimals, format);
  };
  const auto p = [&format](double value) { return engine::PlainText(value, format); };
  const std::string code(engine::kCrossCheckCode);
  const engine::Materials& m = inputs.materials;
  const double E = m.elasticModulusMpa;
  const double Fy = m.yieldStressMpa;
  const double D = inputs.outsideDiameterMm;
  const double T = inputs.wallThicknessMm;
  const double P = inputs.axialLoadKg;
  const double sideCm = static_cast<double>(q.plateSide.value());
  const bool covered = c.effectiveAreaCm2.has_value();

  printer.SetOrientation(PageOrientation::Portrait);
  printer.SetFontName(kSheetFontName);
  printer.SetFontSize(10);
  printer.SetFontBold(false);
  PageWriter page(printer);
  page.line(kLeft, " Project : " + WithControlsAsSpaces(header.project));
  page.line(kLeft, " Engineer : " + WithControlsAsSpaces(header.engineer));
  page.line(kLeft, " Column : " + WithControlsAsSpaces(header.columnMark));
  page.heading("ความเห็นที่สอง (Second Opinion) ตาม " + code +
               " เพื่อประกอบการพิจารณา (for information)");
  page.line(kIndent, "การออกแบบใช้รายการคำนวณหน้าแรก (design basis)  ความเห็นนี้ไม่แทนผลของหน้าแรก");
  page.line(kIndent, "ที่ผลต่างกัน: ใช้น้ำหนักที่รับได้ที่ต่ำกว่าและแผ่นเหล็กที่หนากว่า หรือบันทึกเหตุผลที่ไม่ใช้");

  page.heading("สมมติฐาน (Assumptions) และสิ่งที่ไม่ได้ตรวจ (Not Checked)");
  page.line(kIndent, "แรงอัดตามแนวแกนผ่านศูนย์กลาง (concentric) ไม่มีโมเมนต์ (no moment)");
  page.line(kIndent, "K = " + p(inputs.kFactor) + " และความยาว L = " + p(inputs.heightM) +
                         " m ตามที่ป้อน (as entered)");
  page.line(kIndent, "ผนังออกแบบ t = 0.93 T (B4.2): ถือว่าท่อไม่ได้ผลิตตาม ASTM A1065/A1085 (assumed)");
  page.line(kIndent, "ASD กับน้ำหนักใช้งาน (service load) P = " + p(P) +
                         " kg.,  1 kgf = " + p(engine::kStandardGravity) + " N");
  page.line(kIndent, "E = " + p(E) + " MPa,  Fy = " + p(Fy) + " MPa ทั้งท่อและแผ่นเหล็ก,  f'c = " +
                         p(c.concreteStrengthKgCm2) + " kg./sq.cm.");
  page.line(kIndent, "Ωc = 1.67 (เสา),  Ωc = 2.31 (bearing),  Ω = 1.67 (แผ่นเหล็ก)");
  page.line(kIndent, "แรงแบกทานคอนกรีต (bearing) A2 = A1  เพราะไม่ทราบขนาดตอม่อ (pedestal)");
  page.line(kIndent, "แผ่นภายในท่อ (ring model): แบบจำลองของโปรแกรมนี้เอง ไม่ใช่ของ Design Guide 1");
  page.line(kIndent,
            "ไม่ได้ตรวจ: สลักยึด (anchor rods), รอยเชื่อม (weld), แรงถอน (uplift), แรงเฉือน (shear)");

  page.heading("เสา (Column): AISC 360-22 B4.2, Table B4.1a, E3, E7");
  page.line(kIndent, "t = 0.93 x " + p(T) + " = " + p(c.designWallThicknessMm) +
                         " mm.    d = D - 2t = " + p(c.designInsideDiameterMm) + " mm.");
  page.line(kIndent, "Ag = π/4 (D² - d²) = " + n(c.grossAreaCm2) +
                         " sq.cm.    r = √(D² + d²)/4 = " + n(c.radiusOfGyrationMm) + " mm.");
  page.line(kIndent, "Lc/r = KL/r = " + p(c.effectiveLengthMm) + " / " + n(c.radiusOfGyrationMm) +
                         " = " + n(c.slendernessRatio) + "    Fe = π² E / (Lc/r)² = " +
                         n(c.elasticBucklingStressMpa) + " MPa  (E3)");
  if (c.slendernessRatio > engine::kCrossCheckAdvisedSlenderness) {
    const auto [lambda, advised] = Compared(
        c.slendernessRatio, engine::kCrossCheckAdvisedSlenderness, kFewestDecimals, format);
    page.line(kIndent, "หมายเหตุ: Lc/r = " + lambda + " > " + advised +
                           " ที่ AISC 360-22 แนะนำไม่ให้เกินสำหรับชิ้นส่วนรับแรงอัด (E2, User Note)");
  }
  const double inelasticLimit = engine::CrossCheckInelasticLimit(m);
  const auto [lambda, limit] =
      Compared(c.slendernessRatio, inelasticLimit, kFewestDecimals, format);
  page.line(kIndent, c.slendernessRatio <= inelasticLimit
                         ? "Lc/r = " + lambda + " ≤ 4.71 √(E/Fy) = " + limit +
                               "  →  Fn = 0.658^(Fy/Fe) Fy = " + n(c.nominalStressMpa) +
                               " MPa  (E3)"
                         : "Lc/r = " + lambda + " > 4.71 √(E/Fy) = " + limit +
                               "  →  Fn = 0.877 Fe = " + n(c.nominalStressMpa) + " MPa  (E3)");
  const double wallRatio = D / c.designWallThicknessMm;
  if (!covered) {
    const auto [ratio, bound] =
        Compared(wallRatio, engine::CrossCheckUncoveredWallRatio(m), kFewestDecimals, format);
    page.line(kIndent, "D/t = " + ratio + " ≥ 0.45 E/Fy = " + bound +
                           "  →  ผนังบางเกินขอบเขตของ AISC 360-22 (not covered, E7)");
  } else if (wallRatio <= engine::LocalBucklingLimit(m)) {
    const auto [ratio, bound] =
        Compared(wallRatio, engine::LocalBucklingLimit(m), kFewestDecimals, format);
    page.line(kIndent, "D/t = " + ratio + " ≤ 0.11 E/Fy = " + bound +
                           " (Table B4.1a)  →  Ae = Ag = " + n(*c.effectiveAreaCm2) + " sq.cm.");
  } else {
    const auto [ratio, bound] =
        Compared(wallRatio, engine::LocalBucklingLimit(m), kFewestDecimals, format);
    page.line(kIndent, "D/t = " + ratio + " > 0.11 E/Fy = " + bound + " (Table B4.1a): slender");
    page.line(kIndent,
              "Ae = [0.038 E/(Fy D/t) + 2/3] Ag = " + n(*c.effectiveAreaCm2) + " sq.cm.  (E7)");
  }
  if (c.allowableLoadKg) {
    const bool passes = c.verdict == engine::CrossCheckVerdict::Passes;
    const auto [allowable, load] = Compared(*c.allowableLoadKg, P, 0, format);
    page.line(kIndent, "Pn/Ωc = Fn Ae / (1.67 g) = " + allowable + " kg." +
                           (passes ? "  ≥  P = " : "  <  P = ") + load + " kg.    " +
                           Verdict(passes));
  } else {
    page.line(kIndent, "Pn/Ωc: ไม่ได้คำนวณ  (not covered)");
  }

  page.heading("แผ่นเหล็กรองเสา (Base Plate): AISC 360-22 J8 และ AISC Design Guide 1");
  page.line(kIndent, "B = " + p(sideCm) + " cm. (ตามหน้าแรก)    A1 = B² = " + p(c.bearingAreaCm2) +
                         " sq.cm.");
  page.line(kIndent, "fp = P/A1 = " + n(q.bearingPressure.value().toDouble(), 4) +
                         " kg./sq.cm. = " + n(c.bearingPressureMpa, 4) + " MPa");
  const auto [bearing, bearingLoad] = Compared(c.bearingAllowableKg, P, 0, format);
  page.line(kIndent, "Bearing (J8): 0.85 f'c A1 / 2.31 = " + bearing + " kg." +
                         (c.bearingHolds ? "  ≥  P = " : "  <  P = ") + bearingLoad + " kg.    " +
                         Verdict(c.bearingHolds));
  page.line(kIndent,
            "แนวดัด (yield line) ที่ 0.8 D สำหรับท่อกลม ตาม AISC Design Guide 1 (2nd ed., 2006)");
  page.line(kIndent, "ระยะยื่น (cantilever) l = (B - 0.8 D)/2 = (" +
                         p(sideCm * engine::kMillimetresPerCentimetre) + " - 0.8 x " + p(D) +
                         ")/2 = " + n(c.plateCantileverMm) + " mm.");
  page.line(kIndent, "t1 = l √(2 fp Ω / Fy) = " + n(c.plateCantileverMm) + " √(2 x " +
                         n(c.bearingPressureMpa, 4) + " x 1.67 / " + p(Fy) +
                         ") = " + n(c.plateThicknessCantileverMm) + " mm.");
  page.line(kIndent, "a = (D - 2T)/2 = " + n(c.ringRadiusMm) + " mm.  (ring model)");
  page.line(kIndent, "t2 = a √(2 fp Ω / (3 Fy)) = " + n(c.ringRadiusMm) + " √(2 x " +
                         n(c.bearingPressureMpa, 4) + " x 1.67 / (3 x " + p(Fy) +
                         ")) = " + n(c.plateThicknessRingMm) + " mm.");
  const double methodMm = static_cast<double>(q.plateThicknessMm.value());
  const std::string required =
      Compared(c.plateThicknessRequiredMm, methodMm, kFewestDecimals, format).first;
  page.line(kIndent, "ต้องการ t = max(t1, t2) = " + required + " mm.    หน้าแรกให้ " + p(methodMm) +
                         " mm.    " + Verdict(c.platePasses));

  page.heading("เทียบกับหน้าแรก (Side by Side)");
  page.row({"", "หน้าแรก (method)", code});
  const std::optional<double> methodUtilisation = engine::Utilisation(q);
  const std::string notCovered = "—";
  const auto percent = [&notCovered](const std::optional<double>& ratio) {
    return ratio ? engine::PercentText(*ratio) + " %" : notCovered;
  };
  const std::vector<std::array<std::string, 3>> rows = {
      {"D/T (T nominal), D/t (t design wall)", n(D / T), n(wallRatio)},
      {"KL/r, Lc/r", p(q.slendernessRatio.value()), n(c.slendernessRatio)},
      {"พื้นที่ A, Ae (sq.cm.)", p(q.sectionArea.value().toDouble()),
       covered ? n(*c.effectiveAreaCm2) : notCovered},
      {"Qac, Fn/Ωc (MPa)", p(q.allowableStress.value()),
       covered ? n(c.nominalStressMpa / engine::kCompressionSafetyFactor) : notCovered},
      {"รับน้ำหนักได้ (kg.)", p(q.maxAxialForce.value()),
       c.allowableLoadKg ? n(*c.allowableLoadKg, 0) : notCovered},
      {"Utilisation", percent(methodUtilisation), percent(c.utilisation)},
      {"เสา (Column)", Verdict(engine::Carries(q)), VerdictOf(c.verdict)},
      {"ระยะยื่น (cantilever) w, l (mm.)",
       n(q.plateOverhang.value() * engine::kMillimetresPerCentimetre), n(c.plateCantileverMm)},
      {"ความหนาแผ่น (mm.)", p(methodMm), n(c.plateThicknessRequiredMm)},
      {"แผ่นเหล็ก (Plate)", "", Verdict(c.platePasses)},
  };
  for (const auto& row : rows) {
    page.row(row);
  }
}

void DrawCrossCheckPage(const engine::ColumnAnswer& answer, const SheetHeader& header,
                        const engine::NumberFormat& format, Printer& printer) {
  printer.NewPage();
  DrawCrossCheckSheet(answer.inputs, answer.record, *answer.crossCheck, header, format, printer);
}

} // namespace report
