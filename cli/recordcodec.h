// One figure record between its file bytes and a JSON object keyed by the
// member names of the record layout table.
#pragma once

#include "cli/recordlayout.h"

#include <QJsonObject>
#include <QString>

class CArchive;

// Reads the fields of layout (base part first) from a loading archive.
QJsonObject ReadRecordFields(CArchive& ar, const RecordLayout& layout);

// Checks every field of figure against layout and writes them to a storing
// archive. False with *pstrError naming the field when one is missing, of
// the wrong type, out of range, or not in the record at all.
bool WriteRecordFields(CArchive& ar, const RecordLayout& layout, const QJsonObject& figure,
                       QString* pstrError);
