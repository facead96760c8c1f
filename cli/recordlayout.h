// The fields of every figure record in file order, named after the members
// that hold them. dump and pack both walk this one table, so the tool reads
// and writes exactly what the drawing file holds.
#pragma once

#include <QStringView>

#include <span>
#include <string_view>

enum class FieldKind {
    Int32,   // int32
    Colour,  // u32 0x00BBGGRR
    Point,   // int32 x, then int32 y
    String,  // the string field of the archive
};

struct RecordField {
    const char* pszName;
    FieldKind nKind;
};

struct RecordLayout {
    const char* pszClass;
    // The class's own fields; every record begins with RecordBaseFields().
    std::span<const RecordField> fields;
};

// m_x1, m_y1, m_x2, m_y2, m_color: the part every figure record starts with.
std::span<const RecordField> RecordBaseFields();
std::span<const RecordLayout> RecordLayouts();
// Null when no figure class has that exact name.
const RecordLayout* FindRecordLayout(QStringView strClass);
// The same for a class's own name, as dump meets it on every figure.
const RecordLayout* FindRecordLayout(std::string_view strClass);
