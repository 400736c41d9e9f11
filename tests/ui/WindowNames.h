// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The caption widgets' names in the order of form::Caption; the first five are the inputs', the
// last five the strip's below the form.
inline const QStringList kCaptionNames = {
    "outsideDiameterCaption",
    "wallThicknessCaption",
    "heightCaption",
    "kFactorCaption",
    "axialLoadCaption",
    "verdictCaption",
    "basePlateCaption",
    "utilisationCaption",
    "suggestionCaption",
    "slendernessWarningCaption",
    "localBucklingWarningCaption",
    "crossCheckCaption",
};

// The header fields' names in the order of form::HeaderField.
inline const QStringList kHeaderFieldNames = {"projectField", "engineerField", "columnMarkField"};
