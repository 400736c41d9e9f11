#include "engine/CapacityCalculation.h"

#include "engine/Arithmetic.h"
#include "engine/FormState.h"
#include "engine/NumberText.h"
#include "engine/ResultCaptions.h"
#include "engine/Rounding.h"

namespace engine {

namespace {

// Design constants; each is the double nearest to the decimal written.
constexpr double kMetresToCentimetres = 100;
constexpr double kGyrationDivisor = 40;   // square root of D2 + d2 in mm, over 4, over 10
constexpr double kAreaNumerator = 22;     // pi taken as 22/7 ...
constexpr double kAreaDenominator = 2800; // ... over 4 and over 100 for cm2
constexpr double kCriticalPi = 3.1428;
constexpr double kBlendExponent = 1.4;
constexpr double kBlendRootExponent = 0.714; // not 1/1.4
constexpr double kAllowableStressFactor = 0.6;
constexpr std::int32_t kStressAreaToKilograms = 10;
constexpr double kPlateSideMargin = 1;
constexpr double kWidenedPlateMargin = 2;
constexpr double kMillimetresPerCentimetre = 10;
constexpr double kEdgeDivisor = 20;
constexpr double kMinimumEdge = 1; // cm
constexpr std::int32_t kThicknessNumerator = 3;
constexpr double kThicknessBracketDivisor = 4;
constexpr Fixed4 kMinimumPlateThickness = Fixed4::FromCount(2000); // 0.2 cm
constexpr std::int32_t kCentimetresToMillimetres = 10;

double Read(const FormState& form, Field field) {
  return LeadingNumber(form.text(field));
}

} // namespace

void RunCapacityCalculation(FormState& form) {
  DesignRecord& q = form.record();

  const double D = Read(form, Field::Text1);
  q.OutsideDiameter = D;
  const double T = Read(form, Field::Text2);
  q.WallThickness = T;
  const double L = Multiply(Read(form, Field::Text3), kMetresToCentimetres);
  q.ColumnLength = L;
  const double d = Subtract(D, Multiply(T, 2));
  q.InsideDiameter = d;
  q.RadiusOfGyration = ToFixed4(Divide(Power(Add(Square(D), Square(d)), 0.5), kGyrationDivisor));
  const double K = Read(form, Field::Text4);
  q.KFactor = K;
  const double KL = Multiply(K, L);
  q.EffectiveLength = KL;
  q.SlendernessRatio = ToInt32(Divide(KL, q.RadiusOfGyration.toDouble()));
  q.SectionArea =
      ToFixed4(Divide(Multiply(Subtract(Square(D), Square(d)), kAreaNumerator), kAreaDenominator));
  const double fy = Read(form, Field::Text11);
  q.YieldStress = fy;
  const double E = Read(form, Field::Text5);
  q.ElasticModulus = E;
  const double Qcc =
      Divide(Multiply(Square(kCriticalPi), E), Square(static_cast<double>(q.SlendernessRatio)));
  q.Qcc = Qcc;
  q.StressBlend = ToFixed4(
      Power(Add(Power(Qcc, kBlendExponent), Power(fy, kBlendExponent)), kBlendRootExponent));
  q.Qac = ToInt32(
      Multiply(Divide(Multiply(Qcc, fy), q.StressBlend.toDouble()), kAllowableStressFactor));
  q.AxialCapacity = MultiplyExact(MultiplyExact(q.SectionArea, q.Qac), kStressAreaToKilograms);
  q.MaxAxialForce = ToInt32(q.AxialCapacity);

  const double fc = Read(form, Field::Text12);
  q.ConcreteBearing = fc;
  const double P = Read(form, Field::Text14);
  q.AxialLoad = P;
  const double bearingArea = Divide(P, fc);
  q.BearingAreaRequired = bearingArea;
  std::int32_t B = ToInt32(Add(Power(bearingArea, 0.5), kPlateSideMargin));
  q.PlateSize = B;
  // A plate narrower than the pipe is widened to the pipe's diameter in cm plus a margin.
  if (static_cast<double>(B) < Divide(D, kMillimetresPerCentimetre)) {
    B = ToInt32(Add(Divide(D, kMillimetresPerCentimetre), kWidenedPlateMargin));
    q.PlateSize = B;
  }
  double w = Divide(Subtract(static_cast<double>(MultiplyWhole(B, kStressAreaToKilograms)), D),
                    kEdgeDivisor);
  q.PlateEdge = w;
  if (w < kMinimumEdge) {
    w = kMinimumEdge;
    q.PlateEdge = w;
  }
  q.BearingPressure = ToFixed4(Divide(P, static_cast<double>(MultiplyWhole(B, B))));
  const double fb = Read(form, Field::Text13);
  q.PlateBendingStress = fb;
  const double quotient =
      Divide(MultiplyExact(q.BearingPressure, kThicknessNumerator).toDouble(), fb);
  const double bracket = Subtract(Square(w), Divide(Square(w), kThicknessBracketDivisor));
  q.PlateThickness = ToFixed4(Power(Multiply(quotient, bracket), 0.5));
  if (q.PlateThickness < kMinimumPlateThickness) {
    q.PlateThickness = kMinimumPlateThickness;
  }
  q.PlateThicknessMm = ToInt32(MultiplyExact(q.PlateThickness, kCentimetresToMillimetres));

  ShowResultCaptions(form);
}

} // namespace engine
