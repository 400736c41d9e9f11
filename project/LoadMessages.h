// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the readers of project files and schedules say about a file they do not load. Range
// problems are the prompts' own messages; these are the rest.
namespace project::load_messages {

inline constexpr std::string_view kEmptyFile = "ไฟล์ว่างเปล่า ไม่มีข้อมูลโครงการ";
inline constexpr std::string_view kNoColumns = "ไม่มีคอลัมน์เลย โครงการต้องมีอย่างน้อย 1 คอลัมน์";
inline constexpr std::string_view kMissingField = "ไม่มีช่องนี้ในไฟล์";
inline constexpr std::string_view kNotANumberType = "ต้องเป็นตัวเลข";
inline constexpr std::string_view kNotText = "ต้องเป็นข้อความ";
inline constexpr std::string_view kNotAList = "ต้องเป็นรายการ (JSON array)";
inline constexpr std::string_view kNotAnObject = "ต้องเป็น JSON object";
inline constexpr std::string_view kNotAProject = "ข้อมูลในไฟล์ไม่ใช่โครงการ (ต้องเป็น JSON object)";
inline constexpr std::string_view kBadSchema = "ต้องเป็นเลขจำนวนเต็มตั้งแต่ 1 ขึ้นไป";
inline constexpr std::string_view kEmptyValue = "ช่องนี้ว่าง ไม่มีค่า";
inline constexpr std::string_view kNotUtf8 = "ข้อความไม่ใช่ UTF-8 โปรดบันทึกไฟล์เป็น CSV UTF-8";
inline constexpr std::string_view kUtf16 = "ไฟล์เป็น UTF-16 โปรดบันทึกไฟล์เป็น CSV UTF-8";
inline constexpr std::string_view kMalformedCsv =
    "เครื่องหมายคำพูด (\") ผิดรูปแบบ CSV: ช่องที่มีเครื่องหมายคำพูดต้องขึ้นต้นและลงท้ายด้วย \" "
    "และเขียน \" ในข้อความเป็น \"\"";
inline constexpr std::string_view kMissingHeaderColumn = "แถวหัวตารางไม่มีช่องนี้";
inline constexpr std::string_view kUnreadablePdf =
    "อ่านไฟล์ PDF ไม่ได้ ไฟล์ไม่ครบหรือเสียหาย หรือไม่ใช่ PDF (the PDF cannot be read)";
inline constexpr std::string_view kPasswordProtectedPdf =
    "ไฟล์ PDF นี้ตั้งรหัสผ่านไว้ (the PDF is password-protected): โปรดใช้ PDF ที่ไม่มีรหัสผ่าน";
inline constexpr std::string_view kAmbiguousCarriedProject =
    "ไฟล์ PDF นี้มีไฟล์แนบที่เป็นโครงการมากกว่าหนึ่งไฟล์ ไม่รู้ว่าไฟล์ใดถูก (more than one attached "
    "project; the PDF is ambiguous)";
inline constexpr std::string_view kNoCarriedProject =
    "ไฟล์ PDF นี้ไม่มีโครงการแนบมา (no project is attached to this PDF): เปิดได้เฉพาะ PDF "
    "ที่โปรแกรมนี้เขียน";
inline constexpr std::string_view kRepeatedHeaderColumn = "มีช่องนี้ซ้ำในแถวหัวตาราง";
inline constexpr std::string_view kRepeatedKey =
    "ชื่อช่องนี้เขียนซ้ำ (duplicate key) ไม่รู้ว่าค่าใดถูก โปรดแก้ไฟล์ให้เหลือค่าเดียว";

// Line and character count from 1, characters rather than bytes so that Thai text counts as seen.
std::string MalformedJson(std::size_t line, std::size_t character);
std::string NumberTooLarge(std::size_t line, std::size_t character);
std::string NewerSchema(std::int64_t schema, int readable);
std::string ConcreteStrengthOutOfRange();
inline constexpr std::string_view kNotTrueOrFalse = "ต้องเป็น true หรือ false";
std::string WrongFieldCount(std::size_t found, std::size_t expected);
// A file that is neither, with the header row a schedule starts with.
std::string NeitherProjectNorSchedule(std::string_view headerRow);
// A number whose point and comma may each be the decimal mark, read both ways.
std::string TwoReadings(std::string_view text, double pointDecimal, double commaDecimal);

} // namespace project::load_messages
