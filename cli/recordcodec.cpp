#include "cli/recordcodec.h"

#include "cli/fieldnames.h"
#include "cli/figurefields.h"
#include "cli/jsonstrict.h"
#include "platform/archive.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

// The longest record: the base part and an arc's seven fields.
constexpr std::size_t kMaxFields = 16;

struct RecordValue {
    qint64 n = 0;
    std::int32_t y = 0;
    QString str;
};

// The field at nIndex of the whole record, base part first.
const RecordField& FieldAt(const RecordLayout& layout, std::size_t nIndex)
{
    const std::span<const RecordField> base = RecordBaseFields();
    return nIndex < base.size() ? base[nIndex] : layout.fields[nIndex - base.size()];
}

std::size_t FieldCount(const RecordLayout& layout)
{
    return RecordBaseFields().size() + layout.fields.size();
}

// What each layout of the table needs again and again, worked out once:
// its fields in the order of their names, and their name numbers.
struct LayoutInfo {
    std::vector<std::uint8_t> sorted;
    std::vector<int> nameIds;
    std::uint64_t nNameMask = 0;
    // The names as JSON strings, escaped once by the library: a million
    // figures need them ten million times.
    std::vector<std::string> quotedNames;
    std::string strQuotedClass;
};

std::string Quoted(const char* pszName)
{
    JsonBuffer buffer;
    rapidjson::Writer<JsonBuffer, rapidjson::UTF8<>, rapidjson::UTF8<>, ThrowingAllocator> writer(buffer);
    writer.String(pszName);
    return std::string(buffer.GetString(), buffer.GetSize());
}

const LayoutInfo& InfoOf(const RecordLayout& layout)
{
    static const std::vector<LayoutInfo> infos = [] {
        std::vector<LayoutInfo> all;
        for (const RecordLayout& each : RecordLayouts()) {
            LayoutInfo info;
            for (std::size_t i = 0; i < FieldCount(each); ++i) {
                info.sorted.push_back(std::uint8_t(i));
                info.nameIds.push_back(FieldNameId(std::string_view(FieldAt(each, i).pszName)));
                info.nNameMask |= std::uint64_t(1) << info.nameIds.back();
            }
            std::sort(info.sorted.begin(), info.sorted.end(), [&each](std::uint8_t a, std::uint8_t b) {
                return std::strcmp(FieldAt(each, a).pszName, FieldAt(each, b).pszName) < 0;
            });
            for (std::size_t i = 0; i < FieldCount(each); ++i)
                info.quotedNames.push_back(Quoted(FieldAt(each, i).pszName));
            info.strQuotedClass = Quoted(each.pszClass);
            all.push_back(std::move(info));
        }
        return all;
    }();
    return infos[std::size_t(&layout - RecordLayouts().data())];
}

void ReadField(CArchive& ar, FieldKind nKind, RecordValue& value)
{
    switch (nKind) {
    case FieldKind::Int32: {
        std::int32_t n = 0;
        ar >> n;
        value.n = n;
        return;
    }
    case FieldKind::Colour: {
        std::uint32_t n = 0;
        ar >> n;
        value.n = n;
        return;
    }
    case FieldKind::Point: {
        std::int32_t x = 0;
        ar >> x >> value.y;
        value.n = x;
        return;
    }
    case FieldKind::String:
        ar >> value.str;
        return;
    }
}

void WriteJsonString(JsonWriter& writer, const QString& str);

void WriteValue(JsonWriter& writer, FieldKind nKind, const RecordValue& value)
{
    switch (nKind) {
    case FieldKind::Int32:
    case FieldKind::Colour:
        writer.Int64(value.n);
        return;
    case FieldKind::Point:
        writer.StartArray();
        writer.Int64(value.n);
        writer.Int(value.y);
        writer.EndArray();
        return;
    case FieldKind::String:
        WriteJsonString(writer, value.str);
        return;
    }
}

// A JSON number that is a whole number within [nMin, nMax].
bool ToInteger(double d, qint64 nMin, qint64 nMax, qint64& n)
{
    if (!std::isfinite(d) || d != std::trunc(d) || d < double(nMin) || d > double(nMax))
        return false;
    n = qint64(d);
    return true;
}

constexpr qint64 kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr qint64 kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr qint64 kColourMax = std::numeric_limits<std::uint32_t>::max();

bool IsNumber(const JsonFieldValue& value, qint64 nMin, qint64 nMax, qint64& n)
{
    return value.nKind == JsonFieldValue::Kind::Number && ToInteger(value.dNumber, nMin, nMax, n);
}

// Writes one field, or returns what the value should have been.
bool WriteField(CArchive& ar, FieldKind nKind, const FigureFields& figure, const JsonFieldValue& value,
                QString& strExpected)
{
    qint64 n = 0;
    switch (nKind) {
    case FieldKind::Int32:
        strExpected = QStringLiteral("an integer from -2147483648 to 2147483647");
        if (!IsNumber(value, kIntMin, kIntMax, n))
            return false;
        ar << std::int32_t(n);
        return true;
    case FieldKind::Colour:
        strExpected = QStringLiteral("an integer from 0 to 4294967295");
        if (!IsNumber(value, 0, kColourMax, n))
            return false;
        ar << std::uint32_t(n);
        return true;
    case FieldKind::Point: {
        strExpected = QStringLiteral("an array [x, y] of two integers from -2147483648 to 2147483647");
        qint64 y = 0;
        if (value.nKind != JsonFieldValue::Kind::Array || value.nElements != 2 || !value.bPointNumbers[0]
            || !value.bPointNumbers[1] || !ToInteger(value.dPoint[0], kIntMin, kIntMax, n)
            || !ToInteger(value.dPoint[1], kIntMin, kIntMax, y))
            return false;
        ar << std::int32_t(n) << std::int32_t(y);
        return true;
    }
    case FieldKind::String:
        strExpected = QStringLiteral("a string");
        if (value.nKind != JsonFieldValue::Kind::String)
            return false;
        ar << figure.Text(value);
        return true;
    }
    return false;
}

// The fields from nFirst on, in record order.
bool WriteFields(CArchive& ar, const RecordLayout& layout, std::size_t nFirst, std::size_t nEnd,
                 const FigureFields& figure, QString* pstrError)
{
    const LayoutInfo& info = InfoOf(layout);
    for (std::size_t i = nFirst; i < nEnd; ++i) {
        const RecordField& field = FieldAt(layout, i);
        const JsonFieldValue* pValue = figure.Find(info.nameIds[i]);
        QString strExpected;
        if (pValue && WriteField(ar, field.nKind, figure, *pValue, strExpected))
            continue;
        const QString strName = QString::fromLatin1(field.pszName);
        *pstrError = pValue ? QStringLiteral("field \"%1\" must be %2").arg(strName, strExpected)
                            : QStringLiteral("field \"%1\" is missing").arg(strName);
        return false;
    }
    return true;
}

// Of the keys that the record does not hold, the first in sorted order:
// the one named when a figure has several.
std::optional<QString> FirstStrayKey(const RecordLayout& layout, const FigureFields& figure)
{
    const std::uint64_t nMask = InfoOf(layout).nNameMask;
    std::optional<QString> strFirst;
    for (std::size_t i = 0; i < figure.Count(); ++i) {
        const int nId = figure.NameIdAt(i);
        if (nId == kClassNameId || (nId >= 0 && (nMask >> nId) & 1))
            continue;
        const std::u16string_view key = figure.KeyAt(i);
        const QString strKey(reinterpret_cast<const QChar*>(key.data()), qsizetype(key.size()));
        if (!strFirst || strKey < *strFirst)
            strFirst = strKey;
    }
    return strFirst;
}

// Text that is not valid UTF-16 (a lone surrogate from a damaged file)
// has no UTF-8 form: the library escapes the valid runs, and each lone
// surrogate goes as its \u escape, which reads back as the same unit.
void WriteBrokenString(JsonWriter& writer, const QString& str)
{
    QByteArray json = "\"";
    qsizetype nRun = 0;
    auto flushRun = [&](qsizetype nEnd) {
        JsonBuffer buffer;
        rapidjson::Writer<JsonBuffer, rapidjson::UTF8<>, rapidjson::UTF8<>, ThrowingAllocator> escaper(buffer);
        const QByteArray utf8 = QStringView(str).mid(nRun, nEnd - nRun).toUtf8();
        escaper.String(utf8.constData(), rapidjson::SizeType(utf8.size()));
        json.append(buffer.GetString() + 1, qsizetype(buffer.GetSize()) - 2);
    };
    for (qsizetype i = 0; i < str.size(); ++i) {
        const QChar ch = str[i];
        if (ch.isHighSurrogate() && i + 1 < str.size() && str[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (!ch.isSurrogate())
            continue;
        flushRun(i);
        json += "\\u" + QByteArray::number(ch.unicode(), 16);
        nRun = i + 1;
    }
    flushRun(str.size());
    json += '"';
    writer.RawValue(json.constData(), std::size_t(json.size()), rapidjson::kStringType);
}

// A text as a JSON string value, escaped by the library.
void WriteJsonString(JsonWriter& writer, const QString& str)
{
    if (!QStringView(str).isValidUtf16()) {
        WriteBrokenString(writer, str);
        return;
    }
    const QByteArray utf8 = str.toUtf8();
    writer.String(utf8.constData(), rapidjson::SizeType(utf8.size()));
}

}  // namespace

void WriteRecordJson(CArchive& ar, const RecordLayout& layout, JsonWriter& writer)
{
    std::array<RecordValue, kMaxFields> values;
    const std::size_t nFields = FieldCount(layout);
    for (std::size_t i = 0; i < nFields; ++i)
        ReadField(ar, FieldAt(layout, i).nKind, values[i]);
    // A key is a string in the place of a key: the writer lays it out as
    // one whichever way it comes.
    const LayoutInfo& info = InfoOf(layout);
    static const std::string strQuotedClassKey = Quoted("class");
    writer.RawValue(strQuotedClassKey.data(), strQuotedClassKey.size(), rapidjson::kStringType);
    writer.RawValue(info.strQuotedClass.data(), info.strQuotedClass.size(), rapidjson::kStringType);
    for (const std::uint8_t nIndex : info.sorted) {
        const std::string& strKey = info.quotedNames[nIndex];
        writer.RawValue(strKey.data(), strKey.size(), rapidjson::kStringType);
        WriteValue(writer, FieldAt(layout, nIndex).nKind, values[nIndex]);
    }
}

bool WriteRecordFields(CArchive& ar, const RecordLayout& layout, const FigureFields& figure,
                       QString* pstrError)
{
    // A key the record does not hold is most likely a misspelt field name:
    // say so rather than drop it silently.
    if (const std::optional<QString> strStray = FirstStrayKey(layout, figure)) {
        *pstrError = QStringLiteral("field \"%1\" is not part of a %2 record")
                         .arg(EscapeForMessage(*strStray), QLatin1String(layout.pszClass));
        return false;
    }
    return WriteFields(ar, layout, 0, FieldCount(layout), figure, pstrError);
}
