// A drawing's figure list as JSON and back:
// {"figures":[{"class":"CLine","m_x1":100, ...}, ...]}, each figure with
// exactly the fields its file record holds.
#pragma once

#include "figures/archive/figurearchive.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The figures as an indented JSON document (UTF-8).
QByteArray FiguresToJson(FigureArray& figures);
// The same document handed to fnWrite piece by piece, never more than one
// figure's JSON at a time: figures that share one long text through back
// references would otherwise each hold a copy of it. A piece lives only
// until fnWrite returns. Stops at the first piece fnWrite refuses and
// returns false.
bool WriteFiguresJson(FigureArray& figures, const std::function<bool(const QByteArray&)>& fnWrite);

// Builds the figures that the JSON describes. False with *pstrError saying
// what is wrong, naming the figure by its index and the field by its name.
bool JsonToFigures(const QByteArray& json, FigureArray& figures, QString* pstrError);
