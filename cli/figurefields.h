// The fields of one figure object as pack reads them, before any is
// checked against the record: each key with what its value was. Its
// memory is kept from figure to figure, so a million figures cost no
// allocation each.
#pragma once

#include <QString>

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
    void Clear();

    // A new field; its value counts as Other until one of the setters says
    // what it is.
    void AddKey(std::u16string_view key);
    void SetNumber(double d);
    void SetString(std::u16string_view text);
    void StartArray();
    // One element of the array just started: a number, or anything else.
    void AddArrayNumber(double d);
    void AddArrayOther();

    std::size_t Count() const { return m_fields.size(); }
    std::u16string_view KeyAt(std::size_t nIndex) const;
    const JsonFieldValue& ValueAt(std::size_t nIndex) const { return m_fields[nIndex].m_value; }
    // The field of that name (plain ASCII), or null.
    const JsonFieldValue* Find(const char* pszName) const;
    QString Text(const JsonFieldValue& value) const;

private:
    struct Field {
        std::size_t m_nKeyStart = 0;
        std::size_t m_nKeyLength = 0;
        JsonFieldValue m_value;
    };

    // Keys and string values, one after the other.
    std::u16string m_strText;
    std::vector<Field> m_fields;
};

// Whether a key from the reader is that ASCII name.
bool KeyEquals(std::u16string_view key, const char* pszName);
