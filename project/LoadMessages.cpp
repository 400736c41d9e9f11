// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/LoadMessages.h"

#include "engine/CrossCheck.h"
#include "engine/NumberText.h"

namespace project::load_messages {

std::string MalformedJson(std::size_t line, std::size_t character) {
  return "รูปแบบ JSON ผิดที่บรรทัด " + std::to_string(line) + " ตัวอักษรที่ " + std::to_string(character);
}

std::string NumberTooLarge(std::size_t line, std::size_t character) {
  return "ตัวเลขที่บรรทัด " + std::to_string(line) + " ตัวอักษรที่ " + std::to_string(character) +
         " ใหญ่เกินกว่าที่โปรแกรมอ่านได้";
}

std::string NewerSchema(std::int64_t schema, int readable) {
  return "schema " + std::to_string(schema) + " ใหม่กว่าที่โปรแกรมนี้อ่านได้ (" + std::to_string(readable) +
         ") โปรดใช้โปรแกรมรุ่นใหม่กว่านี้";
}

std::string WrongFieldCount(std::size_t found, std::size_t expected) {
  return "มี " + std::to_string(found) + " ช่อง แต่แถวหัวตารางมี " + std::to_string(expected) + " ช่อง";
}

std::string NeitherProjectNorSchedule(std::string_view headerRow) {
  return "ไม่ใช่ไฟล์โครงการหรือตาราง CSV: ไฟล์โครงการเป็น JSON ขึ้นต้นด้วย { ส่วนตาราง CSV "
         "มีแถวหัวตาราง " +
         std::string(headerRow);
}

std::string TwoReadings(std::string_view text, double pointDecimal, double commaDecimal) {
  return "ตัวเลข " + std::string(text) + " อ่านได้สองแบบ: " + engine::PlainText(pointDecimal) +
         " (จุดเป็นจุดทศนิยม) หรือ " + engine::PlainText(commaDecimal) +
         " (จุลภาคเป็นจุดทศนิยม) โปรดเขียนโดยไม่มีตัวคั่นหลักพัน";
}

std::string ConcreteStrengthOutOfRange() {
  return "ต้องอยู่ระหว่าง " + engine::PlainText(engine::kLowestConcreteStrengthKgCm2) + " ถึง " +
         engine::PlainText(engine::kHighestConcreteStrengthKgCm2) + " kg/cm²";
}

} // namespace project::load_messages
