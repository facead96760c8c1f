// pack's reader: the figures that a JSON text describes, built one figure
// object at a time while the library's SAX reader goes through the text,
// so that memory holds the figures and never the text or a model of it.
#pragma once

#include "figures/archive/figurearchive.h"

#include <QString>

class QIODevice;

enum class JsonReadStatus {
    Done,
    // The text is not a drawing's JSON; the message names the figure (by
    // its index) and the field (by its name) where it can.
    BadJson,
    // The device failed; the message is its reason.
    ReadFailed,
};

// Reads the whole device. Figures are replaced only on Done.
JsonReadStatus ReadFiguresJson(QIODevice& device, FigureArray& figures, QString* pstrError);
