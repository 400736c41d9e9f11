// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ResultCaptions.h"
#include "engine/Failure.h"
#include "form/FormState.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace {

using form::Caption;
using form::FormState;
using form::HeaderField;
using form::Input;

TEST(FormState, StartsWithTheInitialColumnAndNoResults) {
  const FormState form;
  EXPECT_EQ(form.inputs(), engine::ColumnInputs{});
  EXPECT_FALSE(form.record().outsideDiameter.has_value());
  EXPECT_FALSE(form.record().axialLoad.has_value());
  EXPECT_FALSE(form.record().plateThicknessMm.has_value());
  EXPECT_EQ(form.header(HeaderField::ColumnMark), " C-002");
  // One blank after "=" before the first calculation, unlike the results.
  EXPECT_EQ(form.caption(Caption::OutsideDiameter), "ขนาดเส้นผ่าศูนย์กลางภายนอก D = 114.3 mm.");
  EXPECT_EQ(form.caption(Caption::KFactor), "K ที่ใช้ในการออกแบบ = 0.85");
  EXPECT_EQ(form.caption(Caption::AxialLoad), "ออกแบบให้เสารับน้ำหนัก = 8000 kg.");
  EXPECT_EQ(form.caption(Caption::Verdict), "เสาท่อกลมนี้รับน้ำหนักได้ ?");
  EXPECT_EQ(form.caption(Caption::BasePlate), "Base Plate ขนาด ?");
  EXPECT_TRUE(form.printEnabled());
}

TEST(Recalculate, InitialColumnShowsTheWorkedExample) {
  FormState form;
  form::Recalculate(form);
  EXPECT_EQ(form.caption(Caption::OutsideDiameter), "ขนาดเส้นผ่าศูนย์กลางภายนอก D =  114.3 mm.");
  EXPECT_EQ(form.caption(Caption::WallThickness), "ความหนาของท่อ T =  3.2 mm.");
  EXPECT_EQ(form.caption(Caption::Height), "ความสูงของท่อกลม H =  4 m.");
  EXPECT_EQ(form.caption(Caption::Verdict), form::kCarriesCaption);
  EXPECT_EQ(form.caption(Caption::BasePlate), "Base Plate ขนาด =  15 cm. x  15 cm. หนา =  4 mm.");
  EXPECT_TRUE(form.printEnabled());
}

TEST(Recalculate, TheSecondOpinionsPlateIsAtLeastWhatItRequires) {
  const std::pair<double, const char*> table[] = {
      {8000, "แผ่นเหล็กหนาอย่างน้อย 6.9 mm"},  // 6.86 mm
      {11500, "แผ่นเหล็กหนาอย่างน้อย 9.8 mm"}, // 9.746 mm, not 9.7
  };
  for (const auto& [load, text] : table) {
    FormState form;
    form.setInput(Input::AxialLoad, load);
    form::Recalculate(form);
    EXPECT_NE(form.caption(Caption::CrossCheck).find(text), std::string::npos)
        << form.caption(Caption::CrossCheck);
  }
}

TEST(Recalculate, PrintingFollowsTheVerdictOfEveryCheck) {
  FormState form;
  form.setInput(Input::AxialLoad, 12000);
  form::Recalculate(form);
  EXPECT_EQ(form.caption(Caption::Verdict), form::kDoesNotCarryCaption);
  EXPECT_FALSE(form.printEnabled());
  form.setInput(Input::AxialLoad, 8000);
  form::Recalculate(form);
  EXPECT_EQ(form.caption(Caption::Verdict), form::kCarriesCaption);
  EXPECT_TRUE(form.printEnabled());
}

struct FailingInput {
  const char* name;
  Input input;
  double value;
  const char* failure;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FailingInput& c, std::ostream* os) {
  *os << c.name;
}

class FailingRecalculations : public testing::TestWithParam<FailingInput> {};

TEST_P(FailingRecalculations, LeaveTheCaptionsAndPrintStateAsTheyWere) {
  FormState form;
  form::Recalculate(form);
  const FormState before = form;

  form.setInput(GetParam().input, GetParam().value);
  try {
    form::Recalculate(form);
    FAIL() << "the calculation completed";
  } catch (const engine::Failure& failure) {
    EXPECT_EQ(failure.name(), GetParam().failure);
  }
  for (Caption caption : form::kAllCaptions) {
    EXPECT_EQ(form.caption(caption), before.caption(caption)) << form::KeyOf(caption);
  }
  EXPECT_TRUE(form.printEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingRecalculations,
    testing::Values(FailingInput{"ZeroHeight", Input::Height, 0, "DivisionByZero"},
                    FailingInput{"ZeroK", Input::KFactor, 0, "DivisionByZero"},
                    FailingInput{"NegativeLoad", Input::AxialLoad, -8000, "InvalidArgument"},
                    FailingInput{"HugeHeight", Input::Height, std::numeric_limits<double>::max(),
                                 "Overflow"}),
    [](const testing::TestParamInfo<FailingInput>& info) { return std::string(info.param.name); });

} // namespace
