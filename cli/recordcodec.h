// One figure record between its file bytes and the members of its JSON
// object, keyed by the member names of the record layout table.
#pragma once

#include "cli/jsonengine.h"
#include "cli/recordlayout.h"

#include <QString>

class CArchive;
class FigureFields;

// Reads the fields of layout (base part first) from a loading archive and
// writes them with "class" as the members of the object the writer has
// open, keys in sorted order as scripts have always seen them.
void WriteRecordJson(CArchive& ar, const RecordLayout& layout, JsonWriter& writer);

// Checks every field of figure against layout and writes them to a storing
// archive. False with *pstrError naming the field when one is missing, of
// the wrong type, out of range, or not in the record at all.
bool WriteRecordFields(CArchive& ar, const RecordLayout& layout, const FigureFields& figure,
                       QString* pstrError);
