// SPDX-License-Identifier: GPL-3.0-or-later
// Answers that once gave wrong numbers without a word: a comma that does not group thousands,
// Thai digits, and a wall too thick for its pipe.

#include "form/FormState.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using form::FormState;
using form::Input;

struct TypedAnswer {
  Input input;
  const char* text;
};

struct Road {
  const char* name;
  std::vector<TypedAnswer> answers;
  double diameter;  // D afterwards, mm
  double thickness; // T afterwards, mm
  double load;      // P afterwards, kg
  std::vector<std::string> messages;
  bool calculatedLast; // the last answer ran the calculation
};

const std::string kNotANumberT(engine::RuleFor(Input::WallThickness).messageNotANumber);
const std::string kAboveD(engine::RuleFor(Input::OutsideDiameter).messageAbove);
const std::string kImpossible(form::kImpossiblePipeMessage);

const Road kRoads[] = {
    {"CommaNotGroupingIsNotANumber",
     {{Input::WallThickness, "1,5"}},
     114.3,
     3.2,
     8000,
     {kNotANumberT},
     true},
    {"GroupedLoad", {{Input::AxialLoad, "12,500.5"}}, 114.3, 3.2, 12500.5, {}, true},
    {"ThaiDigitsLoad", {{Input::AxialLoad, "๘๐๐๐"}}, 114.3, 3.2, 8000, {}, true},
    {"ThaiDigitsThickness", {{Input::WallThickness, "๑.๕"}}, 114.3, 1.5, 8000, {}, true},
    {"ThicknessOfHalfTheDiameter",
     {{Input::OutsideDiameter, "60"}, {Input::WallThickness, "30"}},
     60,
     3.2,
     8000,
     {kImpossible},
     false},
    {"DiameterBelowTwiceTheWall",
     {{Input::WallThickness, "50"}, {Input::OutsideDiameter, "60"}},
     114.3,
     50,
     8000,
     {kImpossible},
     false},
    {"FallbackDiameterWouldBeImpossible",
     {{Input::WallThickness, "50"}, {Input::OutsideDiameter, "3000"}},
     114.3,
     50,
     8000,
     {kAboveD, kImpossible},
     false},
};

TEST(SoundAnswers, EveryRoadEndsWithTheValuesAndMessagesItShould) {
  for (const Road& road : kRoads) {
    SCOPED_TRACE(road.name);
    FormState form;
    form::RecordingHost host;
    for (const TypedAnswer& answer : road.answers) {
      host.scriptAnswer(std::string(answer.text));
    }
    std::string captionBefore;
    for (const TypedAnswer& answer : road.answers) {
      form.record() = {};
      captionBefore = form.caption(form::CaptionOf(answer.input));
      form::AskForInput(answer.input, form, host);
    }
    EXPECT_EQ(form.input(Input::OutsideDiameter), road.diameter);
    EXPECT_EQ(form.input(Input::WallThickness), road.thickness);
    EXPECT_EQ(form.input(Input::AxialLoad), road.load);
    std::vector<std::string> shown;
    for (const form::MessageCall& message : host.messages()) {
      shown.push_back(message.prompt);
    }
    EXPECT_EQ(shown, road.messages);
    EXPECT_EQ(form.record().maxAxialForce.has_value(), road.calculatedLast);
    // The last answer's caption shows what is stored, in Arabic digits, or is left alone.
    const Input last = road.answers.back().input;
    EXPECT_EQ(form.caption(form::CaptionOf(last)),
              road.calculatedLast ? form::InputCaption(last, form.input(last)) : captionBefore);
  }
}

} // namespace
