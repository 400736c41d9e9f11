#include "engine/ResultCaptions.h"

#include "engine/FormState.h"
#include "engine/NumberText.h"

namespace engine {

void ShowResultCaptions(FormState& form) {
  const NumberFormat& format = form.numberFormat();
  const double D = StrictNumber(form.text(Field::Text1), format);
  const double T = StrictNumber(form.text(Field::Text2), format);
  const double H = StrictNumber(form.text(Field::Text3), format);

  form.setCaption(Caption::Label1, "ขนาดเส้นผ่าศูนย์กลางภายนอก D = " + SpacedText(D) + " mm.");
  form.setCaption(Caption::Label2, "ความหนาของท่อ T = " + SpacedText(T) + " mm.");
  form.setCaption(Caption::Label3, "ความสูงของท่อกลม H = " + SpacedText(H) + " m.");

  const DesignRecord& q = form.record();
  // The exact capacity, not the rounded maximum force, decides; equality passes.
  const bool carries = q.AxialCapacity.toDouble() >= q.AxialLoad.value_or(0.0);
  form.setCaption(Caption::Label555, carries ? "เสาท่อกลมนี้รับน้ำหนักได้ OK"
                                             : "เสาท่อกลมนี้รับน้ำหนักไม่ได้  !!! โปรดแก้ไขนาดให้ใหญ่ขึ้น");
  form.setPrintEnabled(carries);

  form.setCaption(Caption::Label556, "Base Plate ขนาด = " + SpacedText(q.PlateSize) + " cm. x " +
                                         SpacedText(q.PlateSize) +
                                         " cm. หนา = " + SpacedText(q.PlateThicknessMm) + " mm.");
}

} // namespace engine
