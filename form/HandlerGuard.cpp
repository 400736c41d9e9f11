// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/HandlerGuard.h"

#include "engine/Failure.h"
#include "form/HostServices.h"
#include "form/ValuePrompt.h"

namespace form {

using engine::DivisionByZero;
using engine::InvalidArgument;
using engine::Overflow;
using engine::TypeMismatch;

std::string UncaughtFailureMessage(const std::exception& failure) {
  if (dynamic_cast<const TypeMismatch*>(&failure) != nullptr) {
    return "เกิดข้อผิดพลาด: มีค่าที่ไม่ใช่ตัวเลข (Type mismatch)   โปรดตรวจสอบค่าที่ป้อน";
  }
  if (dynamic_cast<const Overflow*>(&failure) != nullptr) {
    return "เกิดข้อผิดพลาด: ตัวเลขมีค่ามากเกินไป (Overflow)   โปรดตรวจสอบค่าที่ป้อน";
  }
  if (dynamic_cast<const DivisionByZero*>(&failure) != nullptr) {
    return "เกิดข้อผิดพลาด: มีการหารด้วยศูนย์ (Division by zero)   โปรดตรวจสอบค่าที่ป้อน";
  }
  if (dynamic_cast<const engine::ImpossiblePipe*>(&failure) != nullptr) {
    return std::string(kImpossiblePipeMessage);
  }
  if (dynamic_cast<const InvalidArgument*>(&failure) != nullptr) {
    return "เกิดข้อผิดพลาด: ค่าติดลบยกกำลังเศษส่วนไม่ได้ (Invalid argument)   โปรดตรวจสอบค่าที่ป้อน";
  }
  return std::string("เกิดข้อผิดพลาดที่ไม่คาดคิด: ") + failure.what();
}

namespace {
void Report(HostServices& host, const std::string& message) {
  try {
    host.ShowMessage(message, MessageStyle::CriticalOk(), std::nullopt);
  } catch (...) {
    // The report itself failed; the handler has ended either way and the program carries on.
  }
}
} // namespace

bool RunHandler(HostServices& host, const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& failure) {
    Report(host, UncaughtFailureMessage(failure));
    return false;
  } catch (...) {
    Report(host, "เกิดข้อผิดพลาดที่ไม่คาดคิด");
    return false;
  }
}

} // namespace form
