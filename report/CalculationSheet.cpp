#include "report/CalculationSheet.h"

#include "engine/Arithmetic.h"
#include "engine/Failure.h"
#include "engine/FormState.h"
#include "engine/HandlerGuard.h"
#include "engine/HostServices.h"
#include "engine/NumberText.h"

#include <memory>
#include <optional>
#include <string>

namespace report {

using engine::MessageAnswer;
using engine::MessageStyle;

namespace {

constexpr const char* kConfirmPrompt = "Are You Want To Print  Calculation Report?";
constexpr const char* kTitle = "Print Calculation Report";
constexpr const char* kNoPrinterPrompt =
    "ไม่พบเครื่องพิมพ์ (Printer) ในเครื่องนี้   ต้องการบันทึกรายการคำนวณเป็นไฟล์ PDF แทนหรือไม่?";
constexpr const char* kPrintFailedLead = "พิมพ์รายการคำนวณไม่สำเร็จ";
constexpr const char* kSuggestedPdfName = "calculation-report.pdf";

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
  // A double the calculation has not set yet prints nothing.
  std::string operator()(const engine::OptionalDouble& value) const {
    return value ? (*this)(*value) : std::string();
  }

private:
  const engine::NumberFormat& format_;
};

void PrintAt(engine::Printer& printer, int x, int y, const std::string& line) {
  printer.SetCurrentX(x);
  printer.SetCurrentY(y);
  printer.PrintLine(line);
}

std::string Reason(const std::exception& failure) {
  const std::string what = failure.what();
  return what.empty() ? std::string(kPrintFailedLead) : std::string(kPrintFailedLead) + ": " + what;
}

} // namespace

void PrintCalculationSheet(const engine::FormState& form, engine::Printer& printer) {
  using engine::Field;
  using engine::PictureId;
  const engine::DesignRecord& q = form.record();
  const SheetItems n(form.numberFormat());

  printer.SetOrientation(engine::PageOrientation::Portrait);
  printer.SetPaperSize(engine::PaperSize::A4);
  printer.SetFontName("MS Sans Serif");
  printer.SetFontSize(10);

  PrintAt(printer, 1500, 1500, " Project : " + form.text(Field::Text15));
  PrintAt(printer, 1500, 1800, " Engineer : " + form.text(Field::Text16));
  PrintAt(printer, 1500, 2100, " Column : " + form.text(Field::Text17));

  printer.DrawPicture(PictureId::ColumnSketch, 2400, 3200);
  printer.DrawPicture(PictureId::GyrationFormula, 5500, 7100);
  printer.DrawPicture(PictureId::PermissibleStressSheet, 5700, 9300);

  PrintAt(printer, 3500, 2700,
          "ออกแบบให้เสาท่อเหล็ก รับน้ำหนัก Axial Load P = " + n(q.AxialLoad) + " kg.");
  PrintAt(printer, 5500, 3000, " ขนาดเส้นผ่าศูนย์กลางภายนอก D = " + n(q.OutsideDiameter) + " mm.");
  PrintAt(printer, 5500, 3300, " ขนาดเส้นผ่าศูนย์กลางภายใน d = " + n(q.InsideDiameter) + " mm.");
  PrintAt(printer, 6500, 3600, " พื้นที่หน้าตัดของท่อเหล็กกลม  A = " + n(q.SectionArea) + " sq.cm.");
  PrintAt(printer, 5500, 6500, " ความหนาท่อเหล็กกลม T = " + n(q.WallThickness) + " mm.");
  PrintAt(printer, 4500, 6800, " ความสูงหีรือความยาวท่อเหล็กกลม L = " + n(q.ColumnLength) + " cm.");
  PrintAt(printer, 1500, 9100,
          " คำนวณหาค่า Radius of gyration  = " + n(q.RadiusOfGyration) + " cm.");
  PrintAt(printer, 1500, 9400, " กำหนดค่า K ที่ใช้ในการออกแบบ = " + n(q.KFactor));
  PrintAt(printer, 1500, 9700,
          " Effective Length = " + n(q.KFactor) + " x " + n(q.ColumnLength) + " = " +
              n(q.EffectiveLength) + " cm.");
  PrintAt(printer, 2500, 10000, " ค่า KL/R = " + n(q.SlendernessRatio) + " ");

  // Ten times Qac turns MPa into kg/cm2; formed anew for the sheet and checked like every product.
  const std::int32_t tenQac = engine::MultiplyWhole(10, q.Qac);
  PrintAt(printer, 5500, 12900, " Qac = " + n(q.Qac) + "MPa" + " = " + n(tenQac) + " kg./sq.cm.");
  PrintAt(printer, 5500, 13200,
          " Qac x Section Area = " + n(tenQac) + " x " + n(q.SectionArea) + " = " +
              n(q.MaxAxialForce) + " kg.");
  PrintAt(printer, 5000, 13500,
          "ท่อเหล็กกลมรับน้ำหนักได้สูงสุด = " + n(q.MaxAxialForce) + " kg.  >" + n(q.AxialLoad) +
              "  kg.     OK");
  PrintAt(printer, 5500, 14600, " คำนวณขนาด Base Plate แผ่นเหล็กรองเสา");
  PrintAt(printer, 4500, 14900,
          " ใช้แผ่นเหล็ก ขนาด " + n(q.PlateSize) + " cm. x " + n(q.PlateSize) + " cm. หนาอย่างน้อย " +
              n(q.PlateThicknessMm) + " mm.");

  printer.EndDocument();
}

void Command3_Click(engine::FormState& form, engine::HostServices& host) {
  try {
    if (host.ShowMessage(kConfirmPrompt, MessageStyle::QuestionOkCancel(), kTitle) !=
        MessageAnswer::Ok) {
      return;
    }
    std::unique_ptr<engine::Printer> printer = host.OpenDefaultPrinter();
    if (!printer) {
      // Without a printer the sheet can still be kept as a PDF file.
      if (host.ShowMessage(kNoPrinterPrompt, MessageStyle::QuestionOkCancel(), kTitle) !=
          MessageAnswer::Ok) {
        return;
      }
      const std::optional<std::string> path = host.AskPdfFileName(kSuggestedPdfName);
      if (!path) {
        return;
      }
      printer = host.OpenPdfFile(*path);
    }
    try {
      PrintCalculationSheet(form, *printer);
    } catch (...) {
      // Withdraw the half-made document so nothing incomplete reaches the printer.
      try {
        printer->AbortDocument();
      } catch (...) {
      }
      throw;
    }
  } catch (const engine::PrinterError& failure) {
    host.ShowMessage(Reason(failure), MessageStyle::CriticalOk(), kTitle);
  } catch (const engine::Failure& failure) {
    host.ShowMessage(std::string(kPrintFailedLead) + ": " + engine::UncaughtFailureMessage(failure),
                     MessageStyle::CriticalOk(), kTitle);
  }
}

} // namespace report
