// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/HandlerGuard.h"
#include "engine/Failure.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <string>

namespace {

struct Thrown {
  const char* name;
  std::function<void()> raise;
  std::string namedInMessage;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Thrown& c, std::ostream* os) {
  *os << c.name;
}

class UncaughtFailures : public testing::TestWithParam<Thrown> {};

TEST_P(UncaughtFailures, EndTheHandlerAndAreReportedInThai) {
  form::RecordingHost host;
  bool reachedEnd = false;
  const bool completed = form::RunHandler(host, [&] {
    GetParam().raise();
    reachedEnd = true;
  });
  EXPECT_FALSE(completed);
  EXPECT_FALSE(reachedEnd);
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].style, form::MessageStyle::CriticalOk());
  EXPECT_NE(host.messages()[0].prompt.find("เกิดข้อผิดพลาด"), std::string::npos);
  EXPECT_NE(host.messages()[0].prompt.find(GetParam().namedInMessage), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UncaughtFailures,
    testing::Values(
        Thrown{"TypeMismatch", [] { throw engine::TypeMismatch("x"); }, "ไม่ใช่ตัวเลข"},
        Thrown{"Overflow", [] { throw engine::Overflow("x"); }, "มากเกินไป"},
        Thrown{"DivisionByZero", [] { throw engine::DivisionByZero("x"); }, "หารด้วยศูนย์"},
        Thrown{"InvalidArgument", [] { throw engine::InvalidArgument("x"); }, "ยกกำลัง"},
        Thrown{"Unexpected", [] { throw std::runtime_error("disk on fire"); }, "disk on fire"},
        Thrown{"NotAnException", [] { throw 42; }, "ไม่คาดคิด"}),
    [](const testing::TestParamInfo<Thrown>& info) { return std::string(info.param.name); });

TEST(RunHandler, CompletedHandlerShowsNothing) {
  form::RecordingHost host;
  EXPECT_TRUE(form::RunHandler(host, [] {}));
  EXPECT_TRUE(host.messages().empty());
}

} // namespace
