#include "cli/jsonstrict.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <vector>

namespace {

// One open object or array. Objects remember their keys; arrays count
// their elements.
struct JsonFrame {
    bool m_bObject = false;
    bool m_bExpectKey = false;
    qsizetype m_nIndex = 0;
    QString m_strKey;
    QSet<QString> m_keys;
};

// The text of a string token (quotes included), escapes resolved.
QString DecodeString(const QByteArray& token)
{
    if (!token.contains('\\'))
        return QString::fromUtf8(token.mid(1, token.size() - 2));
    return QJsonDocument::fromJson('[' + token + ']').array().at(0).toString();
}

// Where a finding lies: "figure 3" inside the figures array, else the
// byte offset.
QString Place(const std::vector<JsonFrame>& stack, qsizetype nOffset)
{
    if (stack.size() >= 3 && stack[0].m_strKey == QLatin1String("figures") && !stack[1].m_bObject)
        return QStringLiteral("figure %1").arg(stack[1].m_nIndex);
    if (stack.size() == 1)
        return QStringLiteral("top level");
    return QStringLiteral("offset %1").arg(nOffset);
}

// The key a string belongs to: the key of the figure's field it lies in.
QString FieldOf(const std::vector<JsonFrame>& stack)
{
    const std::size_t nLevel = stack.size() >= 3 ? 2 : stack.size() - 1;
    return stack[nLevel].m_strKey;
}

// Scans one string token from json[i] (its opening quote); returns the
// index after its closing quote, or -1 with nBad at a raw control byte.
qsizetype ScanString(const QByteArray& json, qsizetype i, qsizetype& nBad)
{
    for (++i; i < json.size(); ++i) {
        const auto c = static_cast<unsigned char>(json[i]);
        if (c == '\\')
            ++i;
        else if (c == '"')
            return i + 1;
        else if (c < 0x20) {
            nBad = i;
            return -1;
        }
    }
    nBad = json.size();
    return -1;
}

// A string token seen: a key of an object, or a value.
bool OnString(std::vector<JsonFrame>& stack, const QByteArray& token, qsizetype nOffset, QString* pstrError)
{
    if (stack.empty() || !stack.back().m_bObject || !stack.back().m_bExpectKey)
        return true;
    JsonFrame& frame = stack.back();
    frame.m_bExpectKey = false;
    frame.m_strKey = DecodeString(token);
    if (frame.m_keys.contains(frame.m_strKey)) {
        *pstrError = QStringLiteral("%1: key \"%2\" appears twice")
                         .arg(Place(stack, nOffset), EscapeForMessage(frame.m_strKey));
        return false;
    }
    frame.m_keys.insert(frame.m_strKey);
    return true;
}

void OnComma(std::vector<JsonFrame>& stack)
{
    if (stack.empty())
        return;
    if (stack.back().m_bObject)
        stack.back().m_bExpectKey = true;
    else
        ++stack.back().m_nIndex;
}

}  // namespace

bool CheckJsonStrict(const QByteArray& json, QString* pstrError)
{
    std::vector<JsonFrame> stack;
    for (qsizetype i = 0; i < json.size();) {
        const char c = json[i];
        if (c == '"') {
            qsizetype nBad = 0;
            const qsizetype nEnd = ScanString(json, i, nBad);
            if (nEnd < 0) {
                const bool bKey = !stack.empty() && stack.back().m_bObject && stack.back().m_bExpectKey;
                *pstrError = QStringLiteral("%1: raw control character in %2")
                                 .arg(Place(stack, nBad),
                                      bKey || stack.empty() ? QStringLiteral("a key")
                                                            : QStringLiteral("the value of \"%1\"")
                                                                  .arg(EscapeForMessage(FieldOf(stack))));
                return false;
            }
            if (!OnString(stack, json.mid(i, nEnd - i), i, pstrError))
                return false;
            i = nEnd;
            continue;
        }
        if (c == '{' || c == '[') {
            JsonFrame frame;
            frame.m_bObject = c == '{';
            frame.m_bExpectKey = frame.m_bObject;
            stack.push_back(std::move(frame));
        } else if ((c == '}' || c == ']') && !stack.empty()) {
            stack.pop_back();
        } else if (c == ',') {
            OnComma(stack);
        }
        ++i;
    }
    return true;
}

QString EscapeForMessage(const QString& strName)
{
    QString strOut;
    strOut.reserve(strName.size());
    for (const QChar ch : strName) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
            strOut += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
        else
            strOut += ch;
    }
    return strOut;
}
