#include "cli/jsonstrict.h"

#include "cli/fieldnames.h"

namespace {

// Past this many keys an object is looked up by hash.
constexpr std::size_t kScanKeys = 32;

QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

}  // namespace

void JsonKeySet::Clear()
{
    m_nKnown = 0;
    m_nLastId = -1;
    m_strKeys.clear();
    m_spans.clear();
    m_large.clear();
}

bool JsonKeySet::Insert(std::u16string_view key, int nNameId)
{
    if (nNameId >= 0) {
        const std::uint64_t nBit = std::uint64_t(1) << nNameId;
        if (m_nKnown & nBit)
            return false;
        m_nKnown |= nBit;
        m_nLastId = nNameId;
        return true;
    }
    m_nLastId = -1;
    if (m_large.empty() && m_spans.size() < kScanKeys) {
        for (const auto& [nStart, nLength] : m_spans) {
            if (std::u16string_view(m_strKeys).substr(nStart, nLength) == key)
                return false;
        }
        m_spans.emplace_back(m_strKeys.size(), key.size());
        m_strKeys.append(key);
        return true;
    }
    if (m_large.empty()) {
        for (const auto& [nStart, nLength] : m_spans)
            m_large.emplace(m_strKeys, nStart, nLength);
        m_spans.clear();
    }
    if (!m_large.emplace(key).second)
        return false;
    m_strKeys.assign(key);
    return true;
}

std::u16string_view JsonKeySet::Last() const
{
    if (m_nLastId >= 0)
        return FieldName(m_nLastId);
    // A large set keeps its last key alone in m_strKeys.
    if (!m_large.empty())
        return m_strKeys;
    if (m_spans.empty())
        return {};
    return std::u16string_view(m_strKeys).substr(m_spans.back().first, m_spans.back().second);
}

bool JsonStrictScope::ExpectsKey() const
{
    return m_nDepth > 0 && m_frames[m_nDepth - 1].m_bObject && m_frames[m_nDepth - 1].m_bExpectKey;
}

std::u16string_view JsonStrictScope::KeyAt(std::size_t nLevel) const
{
    return nLevel < m_nDepth ? m_frames[nLevel].m_keys.Last() : std::u16string_view();
}

bool JsonStrictScope::Open(bool bObject)
{
    if (m_nDepth == kMaxDepth)
        return false;
    if (m_frames.size() == m_nDepth)
        m_frames.emplace_back();
    Frame& frame = m_frames[m_nDepth++];
    frame.m_bObject = bObject;
    frame.m_bExpectKey = bObject;
    frame.m_nIndex = 0;
    frame.m_keys.Clear();
    return true;
}

void JsonStrictScope::Close()
{
    if (m_nDepth > 0)
        --m_nDepth;
    ValueDone();
}

bool JsonStrictScope::Key(std::u16string_view key, int nNameId, std::size_t nOffset, QString* pstrError)
{
    if (m_nDepth == 0)
        return true;
    Frame& frame = m_frames[m_nDepth - 1];
    frame.m_bExpectKey = false;
    if (frame.m_keys.Insert(key, nNameId))
        return true;
    *pstrError = QStringLiteral("%1: key \"%2\" appears twice").arg(Place(nOffset), EscapeForMessage(key));
    return false;
}

void JsonStrictScope::ValueDone()
{
    if (m_nDepth == 0)
        return;
    Frame& frame = m_frames[m_nDepth - 1];
    if (frame.m_bObject)
        frame.m_bExpectKey = true;
    else
        ++frame.m_nIndex;
}

QString JsonStrictScope::Place(std::size_t nOffset) const
{
    if (m_nDepth >= 3 && KeyAt(0) == u"figures" && !m_frames[1].m_bObject)
        return QStringLiteral("figure %1").arg(m_frames[1].m_nIndex);
    if (m_nDepth == 1)
        return QStringLiteral("top level");
    return QStringLiteral("offset %1").arg(nOffset);
}

QString JsonStrictScope::RawControlMessage(std::size_t nOffset) const
{
    // The field a string belongs to is the key of the figure's field it
    // lies in, however deep.
    const QString strWhere = ExpectsKey() || m_nDepth == 0
                                 ? QStringLiteral("a key")
                                 : QStringLiteral("the value of \"%1\"")
                                       .arg(EscapeForMessage(KeyAt(m_nDepth >= 3 ? 2 : m_nDepth - 1)));
    return QStringLiteral("%1: raw control character in %2").arg(Place(nOffset), strWhere);
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

QString EscapeForMessage(std::u16string_view name)
{
    return EscapeForMessage(ToQString(name));
}
