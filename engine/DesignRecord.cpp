#include "engine/DesignRecord.h"

namespace engine {

void ForEachQuantity(const DesignRecord& record,
                     const std::function<void(std::string_view, const QuantityValue&)>& visit) {
  visit("OutsideDiameter", record.OutsideDiameter);
  visit("WallThickness", record.WallThickness);
  visit("InsideDiameter", record.InsideDiameter);
  visit("RadiusOfGyration", record.RadiusOfGyration);
  visit("ColumnLength", record.ColumnLength);
  visit("SlendernessRatio", record.SlendernessRatio);
  visit("ElasticModulus", record.ElasticModulus);
  visit("Qcc", record.Qcc);
  visit("EffectiveLength", record.EffectiveLength);
  visit("KFactor", record.KFactor);
  visit("SectionArea", record.SectionArea);
  visit("YieldStress", record.YieldStress);
  visit("StressBlend", record.StressBlend);
  visit("Qac", record.Qac);
  visit("AxialCapacity", record.AxialCapacity);
  visit("MaxAxialForce", record.MaxAxialForce);
  visit("AxialLoad", record.AxialLoad);
  visit("ConcreteBearing", record.ConcreteBearing);
  visit("BearingAreaRequired", record.BearingAreaRequired);
  visit("PlateSize", record.PlateSize);
  visit("PlateEdge", record.PlateEdge);
  visit("BearingPressure", record.BearingPressure);
  visit("PlateBendingStress", record.PlateBendingStress);
  visit("PlateThickness", record.PlateThickness);
  visit("PlateThicknessMm", record.PlateThicknessMm);
}

} // namespace engine
