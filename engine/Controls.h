#pragma once

#include <array>
#include <string_view>

namespace engine {

// The text fields the logic reads and writes by name. Text1-Text5 and Text11-Text14 hold the
// inputs of the calculation and are never shown; Text15-Text17 are the sheet's header.
enum class Field {
  Text1,  // outside diameter D, mm
  Text2,  // wall thickness T, mm
  Text3,  // column height H, m
  Text4,  // effective length factor K
  Text5,  // elastic modulus E, MPa (never written)
  Text11, // yield stress fy, MPa (never written)
  Text12, // allowable bearing on concrete fc, kg/cm2 (never written)
  Text13, // allowable plate bending stress fb, kg/cm2 (never written)
  Text14, // axial load P, kg
  Text15, // project
  Text16, // engineer
  Text17, // column mark
};

inline constexpr std::array kAllFields = {
    Field::Text1,  Field::Text2,  Field::Text3,  Field::Text4,  Field::Text5,  Field::Text11,
    Field::Text12, Field::Text13, Field::Text14, Field::Text15, Field::Text16, Field::Text17,
};

// The captions the logic rewrites.
enum class Caption { Label1, Label2, Label3, Label4, Label14, Label555, Label556 };

inline constexpr std::array kAllCaptions = {
    Caption::Label1,  Caption::Label2,   Caption::Label3,   Caption::Label4,
    Caption::Label14, Caption::Label555, Caption::Label556,
};

std::string_view FieldName(Field field);
std::string_view InitialText(Field field);
std::string_view CaptionName(Caption caption);
std::string_view InitialCaption(Caption caption);

} // namespace engine
