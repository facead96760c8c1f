#include "cli/figurefields.h"

void FigureFields::Clear()
{
    m_strText.clear();
    m_fields.clear();
}

void FigureFields::AddKey(std::u16string_view key)
{
    Field& field = m_fields.emplace_back();
    field.m_nKeyStart = m_strText.size();
    field.m_nKeyLength = key.size();
    m_strText.append(key);
}

void FigureFields::SetNumber(double d)
{
    JsonFieldValue& value = m_fields.back().m_value;
    value.nKind = JsonFieldValue::Kind::Number;
    value.dNumber = d;
}

void FigureFields::SetString(std::u16string_view text)
{
    JsonFieldValue& value = m_fields.back().m_value;
    value.nKind = JsonFieldValue::Kind::String;
    value.nTextStart = m_strText.size();
    value.nTextLength = text.size();
    m_strText.append(text);
}

void FigureFields::StartArray()
{
    m_fields.back().m_value.nKind = JsonFieldValue::Kind::Array;
}

void FigureFields::AddArrayNumber(double d)
{
    JsonFieldValue& value = m_fields.back().m_value;
    if (value.nElements < 2) {
        value.bPointNumbers[value.nElements] = true;
        value.dPoint[value.nElements] = d;
    }
    ++value.nElements;
}

void FigureFields::AddArrayOther()
{
    ++m_fields.back().m_value.nElements;
}

std::u16string_view FigureFields::KeyAt(std::size_t nIndex) const
{
    return std::u16string_view(m_strText).substr(m_fields[nIndex].m_nKeyStart, m_fields[nIndex].m_nKeyLength);
}

const JsonFieldValue* FigureFields::Find(const char* pszName) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (KeyEquals(KeyAt(i), pszName))
            return &m_fields[i].m_value;
    }
    return nullptr;
}

QString FigureFields::Text(const JsonFieldValue& value) const
{
    return QString(reinterpret_cast<const QChar*>(m_strText.data() + value.nTextStart),
                   qsizetype(value.nTextLength));
}

bool KeyEquals(std::u16string_view key, const char* pszName)
{
    std::size_t i = 0;
    for (; pszName[i] != '\0'; ++i) {
        if (i == key.size() || key[i] != char16_t(static_cast<unsigned char>(pszName[i])))
            return false;
    }
    return i == key.size();
}
