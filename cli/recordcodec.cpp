#include "cli/recordcodec.h"

#include "cli/jsonstrict.h"
#include "platform/archive.h"

#include <QJsonArray>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

QJsonValue ReadField(CArchive& ar, FieldKind nKind)
{
    switch (nKind) {
    case FieldKind::Int32: {
        std::int32_t n = 0;
        ar >> n;
        return qint64(n);
    }
    case FieldKind::Colour: {
        std::uint32_t n = 0;
        ar >> n;
        return qint64(n);
    }
    case FieldKind::Point: {
        std::int32_t x = 0, y = 0;
        ar >> x >> y;
        return QJsonArray{qint64(x), qint64(y)};
    }
    case FieldKind::String: {
        QString str;
        ar >> str;
        return str;
    }
    }
    return {};
}

// A JSON number that is a whole number within [nMin, nMax].
bool ToInteger(const QJsonValue& value, qint64 nMin, qint64 nMax, qint64& n)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d) || d < double(nMin) || d > double(nMax))
        return false;
    n = qint64(d);
    return true;
}

constexpr qint64 kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr qint64 kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr qint64 kColourMax = std::numeric_limits<std::uint32_t>::max();

// Writes one field, or returns what the value should have been.
bool WriteField(CArchive& ar, FieldKind nKind, const QJsonValue& value, QString& strExpected)
{
    qint64 n = 0;
    switch (nKind) {
    case FieldKind::Int32:
        strExpected = QStringLiteral("an integer from -2147483648 to 2147483647");
        if (!ToInteger(value, kIntMin, kIntMax, n))
            return false;
        ar << std::int32_t(n);
        return true;
    case FieldKind::Colour:
        strExpected = QStringLiteral("an integer from 0 to 4294967295");
        if (!ToInteger(value, 0, kColourMax, n))
            return false;
        ar << std::uint32_t(n);
        return true;
    case FieldKind::Point: {
        strExpected = QStringLiteral("an array [x, y] of two integers from -2147483648 to 2147483647");
        const QJsonArray pt = value.toArray();
        qint64 y = 0;
        if (!value.isArray() || pt.size() != 2 || !ToInteger(pt[0], kIntMin, kIntMax, n)
            || !ToInteger(pt[1], kIntMin, kIntMax, y))
            return false;
        ar << std::int32_t(n) << std::int32_t(y);
        return true;
    }
    case FieldKind::String:
        strExpected = QStringLiteral("a string");
        if (!value.isString())
            return false;
        ar << value.toString();
        return true;
    }
    return false;
}

bool WriteFields(CArchive& ar, std::span<const RecordField> fields, const QJsonObject& figure,
                 QString* pstrError)
{
    for (const RecordField& field : fields) {
        const QString strName = QString::fromLatin1(field.pszName);
        const auto it = figure.constFind(strName);
        if (it == figure.constEnd()) {
            *pstrError = QStringLiteral("field \"%1\" is missing").arg(strName);
            return false;
        }
        QString strExpected;
        if (!WriteField(ar, field.nKind, it.value(), strExpected)) {
            *pstrError = QStringLiteral("field \"%1\" must be %2").arg(strName, strExpected);
            return false;
        }
    }
    return true;
}

bool IsRecordField(const RecordLayout& layout, const QString& strKey)
{
    for (std::span<const RecordField> fields : {RecordBaseFields(), layout.fields}) {
        for (const RecordField& field : fields) {
            if (strKey == QLatin1String(field.pszName))
                return true;
        }
    }
    return false;
}

}  // namespace

QJsonObject ReadRecordFields(CArchive& ar, const RecordLayout& layout)
{
    QJsonObject figure;
    for (std::span<const RecordField> fields : {RecordBaseFields(), layout.fields}) {
        for (const RecordField& field : fields)
            figure.insert(QString::fromLatin1(field.pszName), ReadField(ar, field.nKind));
    }
    return figure;
}

bool WriteRecordFields(CArchive& ar, const RecordLayout& layout, const QJsonObject& figure,
                       QString* pstrError)
{
    // A key the record does not hold is most likely a misspelt field name:
    // say so rather than drop it silently.
    for (auto it = figure.constBegin(); it != figure.constEnd(); ++it) {
        if (it.key() != QLatin1String("class") && !IsRecordField(layout, it.key())) {
            *pstrError = QStringLiteral("field \"%1\" is not part of a %2 record")
                             .arg(EscapeForMessage(it.key()), QLatin1String(layout.pszClass));
            return false;
        }
    }
    return WriteFields(ar, RecordBaseFields(), figure, pstrError)
           && WriteFields(ar, layout.fields, figure, pstrError);
}
