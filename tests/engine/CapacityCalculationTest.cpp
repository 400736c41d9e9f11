#include "engine/CapacityCalculation.h"
#include "engine/Failure.h"
#include "engine/FormState.h"
#include "engine/ResultCaptions.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace {

using engine::Caption;
using engine::Field;
using engine::Fixed4;
using engine::FormState;

Fixed4 F(std::int64_t count) {
  return Fixed4::FromCount(count);
}

const std::string kPass = "เสาท่อกลมนี้รับน้ำหนักได้ OK";
const std::string kFail = "เสาท่อกลมนี้รับน้ำหนักไม่ได้  !!! โปรดแก้ไขนาดให้ใหญ่ขึ้น";

TEST(CapacityCalculation, DefaultTextsGiveTheWorkedExample) {
  FormState form;
  engine::RunCapacityCalculation(form);
  const engine::DesignRecord& q = form.record();

  EXPECT_EQ(q.OutsideDiameter, 114.3);
  EXPECT_EQ(q.WallThickness, 3.2);
  EXPECT_EQ(q.ColumnLength, 400);
  EXPECT_EQ(q.InsideDiameter, 107.89999999999999);
  EXPECT_EQ(q.RadiusOfGyration, F(39296));
  EXPECT_EQ(q.KFactor, 0.85);
  EXPECT_EQ(q.EffectiveLength, 340);
  EXPECT_EQ(q.SlendernessRatio, 87);
  EXPECT_EQ(q.SectionArea, F(111735));
  EXPECT_EQ(q.YieldStress, 240);
  EXPECT_EQ(q.ElasticModulus, 200000);
  EXPECT_NEAR(q.Qcc.value(), 260.99066825, 1e-8);
  EXPECT_EQ(q.StressBlend, F(4101360));
  EXPECT_EQ(q.Qac, 92);
  EXPECT_EQ(q.AxialCapacity, F(102796200));
  EXPECT_EQ(q.MaxAxialForce, 10280);
  EXPECT_EQ(q.ConcreteBearing, 40);
  EXPECT_EQ(q.AxialLoad, 8000);
  EXPECT_EQ(q.BearingAreaRequired, 200);
  EXPECT_EQ(q.PlateSize, 15);
  EXPECT_EQ(q.PlateEdge, 1.7850000000000001);
  EXPECT_EQ(q.BearingPressure, F(355556));
  EXPECT_EQ(q.PlateBendingStress, 1850);
  EXPECT_EQ(q.PlateThickness, F(3712));
  EXPECT_EQ(q.PlateThicknessMm, 4);

  EXPECT_EQ(form.caption(Caption::Label1), "ขนาดเส้นผ่าศูนย์กลางภายนอก D =  114.3 mm.");
  EXPECT_EQ(form.caption(Caption::Label2), "ความหนาของท่อ T =  3.2 mm.");
  EXPECT_EQ(form.caption(Caption::Label3), "ความสูงของท่อกลม H =  4 m.");
  EXPECT_EQ(form.caption(Caption::Label555), kPass);
  EXPECT_EQ(form.caption(Caption::Label556), "Base Plate ขนาด =  15 cm. x  15 cm. หนา =  4 mm.");
  EXPECT_TRUE(form.printEnabled());
}

struct CompletedRun {
  const char* name;
  std::vector<std::pair<Field, std::string>> texts;
  std::int32_t maxAxialForce;
  std::int32_t plateSize;
  double plateEdge;
  Fixed4 bearingPressure;
  Fixed4 plateThickness;
  std::int32_t plateThicknessMm;
  bool passes;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CompletedRun& c, std::ostream* os) {
  *os << c.name;
}

class CompletedRuns : public testing::TestWithParam<CompletedRun> {};

TEST_P(CompletedRuns, GiveTheExpectedPlate) {
  const CompletedRun& run = GetParam();
  FormState form;
  for (const auto& [field, text] : run.texts) {
    form.setText(field, text);
  }
  engine::RunCapacityCalculation(form);
  const engine::DesignRecord& q = form.record();
  EXPECT_EQ(q.MaxAxialForce, run.maxAxialForce);
  EXPECT_EQ(q.PlateSize, run.plateSize);
  EXPECT_DOUBLE_EQ(q.PlateEdge.value(), run.plateEdge);
  EXPECT_EQ(q.BearingPressure, run.bearingPressure);
  EXPECT_EQ(q.PlateThickness, run.plateThickness);
  EXPECT_EQ(q.PlateThicknessMm, run.plateThicknessMm);
  EXPECT_EQ(form.caption(Caption::Label555), run.passes ? kPass : kFail);
  EXPECT_EQ(form.printEnabled(), run.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompletedRuns,
    testing::Values(
        // Square root 1.58 + 1 rounds to 3, widened to 11.43 + 2 rounded half to even.
        CompletedRun{"Load100", {{Field::Text14, "100"}}, 10280, 13, 1, F(5917), F(2000), 2, true},
        CompletedRun{"Load900000",
                     {{Field::Text14, "900000"}},
                     10280,
                     151,
                     69.785,
                     F(394720),
                     F(152902),
                     153,
                     false},
        CompletedRun{"Load12000",
                     {{Field::Text14, "12000"}},
                     10280,
                     18,
                     3.2850000000000001,
                     F(370370),
                     F(6972),
                     7,
                     false},
        // 10280 is the rounded force; the exact capacity 10279.62 is what the load must not pass.
        CompletedRun{"Load10280",
                     {{Field::Text14, "10280"}},
                     10280,
                     17,
                     2.7850000000000001,
                     F(355709),
                     F(5793),
                     6,
                     false},
        CompletedRun{"LoadEqualToCapacity",
                     {{Field::Text14, "10279.62"}},
                     10280,
                     17,
                     2.7850000000000001,
                     F(355696),
                     F(5793),
                     6,
                     true},
        // Beyond 16 bits: these used to overflow although the prompts accept them.
        CompletedRun{"Pipe168x6",
                     {{Field::Text1, "168.3"}, {Field::Text2, "6.0"}},
                     36726,
                     19,
                     1.0849999999999995,
                     F(221607),
                     F(2000),
                     2,
                     true},
        CompletedRun{"Pipe2000x50",
                     {{Field::Text1, "2000"}, {Field::Text2, "50"}},
                     4443214,
                     202,
                     1,
                     F(1961),
                     F(2000),
                     2,
                     true}),
    [](const testing::TestParamInfo<CompletedRun>& info) { return std::string(info.param.name); });

TEST(CapacityCalculation, HalfWaySlendernessRoundsToEven) {
  FormState form;
  // r = 3.9296 cm; a KL of 86.5 r = 339.9104 cm gives exactly 86.5.
  form.setText(Field::Text3, "3.399104");
  form.setText(Field::Text4, "1");
  engine::RunCapacityCalculation(form);
  EXPECT_EQ(form.record().SlendernessRatio, 86);
}

TEST(CapacityCalculation, PlateEqualToPipeDiameterStays) {
  FormState form;
  form.setText(Field::Text1, "150");
  form.setText(Field::Text2, "3.2");
  // sqrt(196) + 1 = 15 = D / 10: stays.
  form.setText(Field::Text14, "7840");
  engine::RunCapacityCalculation(form);
  EXPECT_EQ(form.record().PlateSize, 15);
  // sqrt(169) + 1 = 14 < 15: widened to 17.
  form.setText(Field::Text14, "6760");
  engine::RunCapacityCalculation(form);
  EXPECT_EQ(form.record().PlateSize, 17);
}

TEST(CapacityCalculation, EdgeOfExactlyOneStays) {
  FormState form;
  form.setText(Field::Text1, "130");
  form.setText(Field::Text14, "8000");
  engine::RunCapacityCalculation(form);
  EXPECT_EQ(form.record().PlateSize, 15);
  EXPECT_EQ(form.record().PlateEdge, 1);
}

struct FailingRun {
  const char* name;
  std::vector<std::pair<Field, std::string>> texts;
  const char* failure;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FailingRun& c, std::ostream* os) {
  *os << c.name;
}

class FailingRuns : public testing::TestWithParam<FailingRun> {};

TEST_P(FailingRuns, StopAtTheFailingStepAndKeepTheRest) {
  FormState form;
  engine::RunCapacityCalculation(form);
  const engine::DesignRecord before = form.record();
  const std::string verdictBefore = form.caption(Caption::Label555);
  const std::string plateBefore = form.caption(Caption::Label556);
  const std::string diameterBefore = form.caption(Caption::Label1);

  for (const auto& [field, text] : GetParam().texts) {
    form.setText(field, text);
  }
  try {
    engine::RunCapacityCalculation(form);
    FAIL() << "the run completed";
  } catch (const engine::Failure& failure) {
    EXPECT_EQ(failure.name(), GetParam().failure);
  }
  EXPECT_EQ(form.caption(Caption::Label555), verdictBefore);
  EXPECT_EQ(form.caption(Caption::Label556), plateBefore);
  EXPECT_EQ(form.caption(Caption::Label1), diameterBefore);
  EXPECT_TRUE(form.printEnabled());
  // The last quantity is never reached by any failing step.
  EXPECT_EQ(form.record().PlateThicknessMm, before.PlateThicknessMm);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingRuns,
    testing::Values(
        FailingRun{"ZeroHeight", {{Field::Text3, "0"}}, "DivisionByZero"},
        FailingRun{"ZeroK", {{Field::Text4, ""}}, "DivisionByZero"},
        FailingRun{"ZeroBearing", {{Field::Text2, ""}, {Field::Text12, "0"}}, "DivisionByZero"},
        FailingRun{"ZeroBendingStress", {{Field::Text13, "0"}}, "DivisionByZero"},
        FailingRun{"NegativeLoad", {{Field::Text14, "-8000"}}, "InvalidArgument"},
        FailingRun{"NegativeYield", {{Field::Text11, "-240"}}, "InvalidArgument"},
        FailingRun{"HugeHeight", {{Field::Text3, "1e400"}}, "Overflow"},
        FailingRun{"CaptionNotANumber", {{Field::Text1, "114.3 mm"}}, "TypeMismatch"}),
    [](const testing::TestParamInfo<FailingRun>& info) { return std::string(info.param.name); });

TEST(CapacityCalculation, FailureLeavesEarlierQuantitiesNewAndLaterOnesOld) {
  FormState form;
  engine::RunCapacityCalculation(form);
  // An empty wall and no bearing stress: the section is new, the plate stays from the last run.
  form.setText(Field::Text2, "");
  form.setText(Field::Text12, "0");
  EXPECT_THROW(engine::RunCapacityCalculation(form), engine::DivisionByZero);
  const engine::DesignRecord& q = form.record();
  EXPECT_EQ(q.WallThickness, 0);
  EXPECT_EQ(q.InsideDiameter, 114.3);
  EXPECT_EQ(q.ConcreteBearing, 0);
  EXPECT_EQ(q.AxialLoad, 8000);
  EXPECT_EQ(q.BearingAreaRequired, 200);
  EXPECT_EQ(q.PlateSize, 15);
  EXPECT_EQ(q.BearingPressure, F(355556));
}

TEST(CapacityCalculation, RecordStartsUnsetAndZero) {
  const FormState form;
  const engine::DesignRecord& q = form.record();
  EXPECT_FALSE(q.OutsideDiameter.has_value());
  EXPECT_FALSE(q.AxialLoad.has_value());
  EXPECT_EQ(q.SectionArea, F(0));
  EXPECT_EQ(q.Qac, 0);
  EXPECT_EQ(form.text(Field::Text1), "114.3");
  EXPECT_EQ(form.text(Field::Text17), " C-002");
  EXPECT_EQ(form.caption(Caption::Label555), "เสาท่อกลมนี้รับน้ำหนักได้ ?");
  EXPECT_TRUE(form.printEnabled());
}

TEST(ResultCaptions, WallThickerThanThePipeFailsTheColumn) {
  FormState form;
  form.setText(Field::Text2, "120");
  engine::RunCapacityCalculation(form);
  EXPECT_LT(form.record().SectionArea, F(0));
  EXPECT_EQ(form.caption(Caption::Label555), kFail);
  EXPECT_FALSE(form.printEnabled());
  // A later passing run enables printing again.
  form.setText(Field::Text2, "3.2");
  engine::RunCapacityCalculation(form);
  EXPECT_TRUE(form.printEnabled());
}

TEST(ResultCaptions, BuiltFromTheFieldTextsReadStrictly) {
  FormState form;
  form.setText(Field::Text1, "0114.30");
  form.setText(Field::Text2, "0.8");
  engine::RunCapacityCalculation(form);
  EXPECT_EQ(form.caption(Caption::Label1), "ขนาดเส้นผ่าศูนย์กลางภายนอก D =  114.3 mm.");
  EXPECT_EQ(form.caption(Caption::Label2), "ความหนาของท่อ T =  .8 mm.");
}

TEST(ResultCaptions, EmptyDiameterCompletesTheRunButFailsTheCaptions) {
  FormState form;
  form.setText(Field::Text1, "");
  EXPECT_THROW(engine::RunCapacityCalculation(form), engine::TypeMismatch);
  EXPECT_EQ(form.record().InsideDiameter, -6.4);
  EXPECT_EQ(form.record().MaxAxialForce, 0);
  EXPECT_EQ(form.caption(Caption::Label555), "เสาท่อกลมนี้รับน้ำหนักได้ ?");
}

} // namespace
