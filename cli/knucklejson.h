// korvada-cli's knuckle command: the four values read as the designer's
// dialog reads them, and the joint's sizes as JSON.
#pragma once

#include "knuckle/knucklejoint.h"

#include <QByteArray>
#include <QString>

// The texts of --load, --tensile, --shear and --crushing.
struct KnuckleArguments {
    QString m_strLoad;
    QString m_strTensile;
    QString m_strShear;
    QString m_strCrushing;
};

// Reads the four values in the dialog's order; on the first bad one
// returns false with the option's name and the dialog's message.
bool ReadKnuckleArguments(const KnuckleArguments& args, KnuckleInput& input, QString* pstrError);

// {"d": ..., "d1": ..., ..., "L2": ...} in this order, with a newline.
QByteArray KnuckleDimensionsToJson(const KnuckleDimensions& dims);
