#pragma once

#include <QStringList>

// The caption widgets' names in the order of form::Caption; the first five are the inputs'.
inline const QStringList kCaptionNames = {
    "outsideDiameterCaption", "wallThicknessCaption", "heightCaption",    "kFactorCaption",
    "axialLoadCaption",       "verdictCaption",       "basePlateCaption",
};

// The header fields' names in the order of form::HeaderField.
inline const QStringList kHeaderFieldNames = {"projectField", "engineerField", "columnMarkField"};
