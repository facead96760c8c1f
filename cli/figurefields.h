// The fields of one figure object as pack reads them, before any is
// checked against the record: each key with what its value was. Its
// memory is kept from figure to figure, so a million figures cost no
// allocation each.
#pragma once

#include "cli/fieldnames.h"

#include <QString>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct JsonFieldValue {
    enum class Kind { Number, String, Array, Other };
    Kind nKind = Kind::Other;
    // A number, as every JSON number is: a double.
    double dNumber = 0;
    // A string: where its text lies in the figure's text.
    std::size_t nTextStart = 0;
    std::size_t nTextLength = 0;
    // An array: how many elements, and the first two when they are numbers.
    std::size_t nElements = 0;
    bool bPointNumbers[2] = {false, false};
    double dPoint[2] = {0, 0};
};

class FigureFields {
public:
    FigureFields();

    void Clear();

    // A new field; nNameId is FieldNameId(key). Its value counts as Other
    // until one of the setters says what it is.
    void AddKey(std::u16string_view key, int nNameId);
    void SetNumber(double d);
    void SetString(std::u16string_view text);
    void StartArray();
    // One element of the array just started: a number, or anything else.
    void AddArrayNumber(double d);
    void AddArrayOther();

    std::size_t Count() const { return m_fields.size(); }
    int NameIdAt(std::size_t nIndex) const { return m_fields[nIndex].m_nNameId; }
    std::u16string_view KeyAt(std::size_t nIndex) const;
    // The field of that name, or null.
    const JsonFieldValue* Find(int nNameId) const;
    std::u16string_view TextView(const JsonFieldValue& value) const;
    QString Text(const JsonFieldValue& value) const;

private:
    struct Field {
        int m_nNameId = -1;
        // The key's text, kept only for a key that is no field's name.
        std::size_t m_nKeyStart = 0;
        std::size_t m_nKeyLength = 0;
        JsonFieldValue m_value;
    };

    // Keys that are no field's name, and string values.
    std::u16string m_strText;
    std::vector<Field> m_fields;
    // For each name, the index of its field, or -1.
    std::array<int, kMaxFieldNames> m_nFieldOf;
};
