#include "engine/Controls.h"

namespace engine {

std::string_view FieldName(Field field) {
  switch (field) {
  case Field::Text1:
    return "Text1";
  case Field::Text2:
    return "Text2";
  case Field::Text3:
    return "Text3";
  case Field::Text4:
    return "Text4";
  case Field::Text5:
    return "Text5";
  case Field::Text11:
    return "Text11";
  case Field::Text12:
    return "Text12";
  case Field::Text13:
    return "Text13";
  case Field::Text14:
    return "Text14";
  case Field::Text15:
    return "Text15";
  case Field::Text16:
    return "Text16";
  case Field::Text17:
    return "Text17";
  }
  return {};
}

std::string_view InitialText(Field field) {
  switch (field) {
  case Field::Text1:
    return "114.3";
  case Field::Text2:
    return "3.2";
  case Field::Text3:
    return "4";
  case Field::Text4:
    return "0.85";
  case Field::Text5:
    return "200000";
  case Field::Text11:
    return "240";
  case Field::Text12:
    return "40";
  case Field::Text13:
    return "1850";
  case Field::Text14:
    return "8000";
  case Field::Text15:
    return "อาคารโกดัง B";
  case Field::Text16:
    return "นายสมมติ ตัวอย่าง";
  case Field::Text17:
    return " C-002";
  }
  return {};
}

std::string_view CaptionName(Caption caption) {
  switch (caption) {
  case Caption::Label1:
    return "Label1";
  case Caption::Label2:
    return "Label2";
  case Caption::Label3:
    return "Label3";
  case Caption::Label4:
    return "Label4";
  case Caption::Label14:
    return "Label14";
  case Caption::Label555:
    return "Label555";
  case Caption::Label556:
    return "Label556";
  }
  return {};
}

// The design texts shown until the first calculation; one blank after "=", unlike the results.
std::string_view InitialCaption(Caption caption) {
  switch (caption) {
  case Caption::Label1:
    return "ขนาดเส้นผ่าศูนย์กลางภายนอก D = 114.3 mm.";
  case Caption::Label2:
    return "ความหนาของท่อ T = 3.2 mm.";
  case Caption::Label3:
    return "ความสูงของท่อกลม H = 4 m.";
  case Caption::Label4:
    return "K ที่ใช้ในการออกแบบ = 0.85";
  case Caption::Label14:
    return "ออกแบบให้เสารับน้ำหนัก = 8000 kg.";
  case Caption::Label555:
    return "เสาท่อกลมนี้รับน้ำหนักได้ ?";
  case Caption::Label556:
    return "Base Plate ขนาด ?";
  }
  return {};
}

} // namespace engine
