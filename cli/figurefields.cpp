#include "cli/figurefields.h"

FigureFields::FigureFields()
{
    m_nFieldOf.fill(-1);
}

void FigureFields::Clear()
{
    for (const Field& field : m_fields) {
        if (field.m_nNameId >= 0)
            m_nFieldOf[std::size_t(field.m_nNameId)] = -1;
    }
    m_strText.clear();
    m_fields.clear();
}

void FigureFields::AddKey(std::u16string_view key, int nNameId)
{
    Field& field = m_fields.emplace_back();
    field.m_nNameId = nNameId;
    if (nNameId >= 0) {
        m_nFieldOf[std::size_t(nNameId)] = int(m_fields.size() - 1);
        return;
    }
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
    const Field& field = m_fields[nIndex];
    if (field.m_nNameId >= 0)
        return FieldName(field.m_nNameId);
    return std::u16string_view(m_strText).substr(field.m_nKeyStart, field.m_nKeyLength);
}

const JsonFieldValue* FigureFields::Find(int nNameId) const
{
    const int nIndex = m_nFieldOf[std::size_t(nNameId)];
    return nIndex < 0 ? nullptr : &m_fields[std::size_t(nIndex)].m_value;
}

std::u16string_view FigureFields::TextView(const JsonFieldValue& value) const
{
    return std::u16string_view(m_strText).substr(value.nTextStart, value.nTextLength);
}

QString FigureFields::Text(const JsonFieldValue& value) const
{
    const std::u16string_view text = TextView(value);
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}
