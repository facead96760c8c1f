// A drawing's figure list as JSON and back:
// {"figures":[{"class":"CLine","m_x1":100, ...}, ...]}, each figure with
// exactly the fields its file record holds.
#pragma once

#include "figures/archive/figurearchive.h"

#include <QByteArray>
#include <QString>

// The figures as an indented JSON document (UTF-8).
QByteArray FiguresToJson(FigureArray& figures);

// Builds the figures that the JSON describes. False with *pstrError saying
// what is wrong, naming the figure by its index and the field by its name.
bool JsonToFigures(const QByteArray& json, FigureArray& figures, QString* pstrError);
