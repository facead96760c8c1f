#include "cli/figurejsonreader.h"

#include "cli/fieldnames.h"
#include "cli/figurebuilder.h"
#include "cli/figurefields.h"
#include "cli/jsonengine.h"
#include "cli/jsonreadstream.h"
#include "cli/jsonstrict.h"

#include <string_view>

namespace {

// The reader's events. The levels that matter: 0 the root object, 1 the
// figures array, 2 a figure object, 3 an array a field holds (a point).
class FigureJsonHandler {
public:
    using Ch = char16_t;
    using SizeType = rapidjson::SizeType;

    explicit FigureJsonHandler(const JsonReadStream& stream) : m_stream(stream) {}

    bool Null() { return Scalar(); }
    bool Bool(bool) { return Scalar(); }
    bool Int(int n) { return Number(n); }
    bool Uint(unsigned n) { return Number(n); }
    bool Int64(std::int64_t n) { return Number(double(n)); }
    bool Uint64(std::uint64_t n) { return Number(double(n)); }
    bool Double(double d) { return Number(d); }
    bool RawNumber(const Ch*, SizeType, bool) { return Scalar(); }
    bool String(const Ch* str, SizeType nLength, bool);
    bool Key(const Ch* str, SizeType nLength, bool);
    bool StartObject();
    bool EndObject(SizeType);
    bool StartArray();
    bool EndArray(SizeType);

    // The message for a failed parse; the stream stands where it failed.
    QString ParseErrorMessage(const rapidjson::ParseResult& result) const;
    // After a whole parse: builds the last run of figures.
    void Finish();
    // After a whole parse: the first finding by precedence, or nothing.
    QString Finding() const;
    FigureArray TakeFigures() { return std::move(m_figures); }

private:
    bool Building() const { return m_strStrictError.isEmpty() && m_strFigureError.isEmpty(); }
    bool Scalar();
    bool Number(double d);
    bool Open(bool bObject);
    void NotAnObject();
    void FinishFigure();
    void BuildRun();
    void FigureFailed(const QString& strError);

    const JsonReadStream& m_stream;
    JsonStrictScope m_scope;
    FigureFields m_fields;
    FigureBuilder m_builder;
    // The figures built, and those read so far (the queued ones too).
    FigureArray m_figures;
    std::size_t m_nFigures = 0;
    // Kept apart because a broken rule of the text outranks a bad figure
    // met earlier, as it did when the whole text was checked first.
    QString m_strStrictError;
    QString m_strFigureError;
    bool m_bTooDeep = false;
    // The root's shape: an object whose one key is "figures", an array.
    bool m_bRootObject = false;
    std::size_t m_nRootKeys = 0;
    bool m_bFiguresFirst = false;
    bool m_bFiguresArray = false;
    // Where the reader is among the levels that build figures.
    bool m_bInFigures = false;
    bool m_bInFigure = false;
    bool m_bInPoint = false;
};

bool FigureJsonHandler::Scalar()
{
    const std::size_t nDepth = m_scope.Depth();
    if (nDepth == 2 && m_bInFigures)
        NotAnObject();
    else if (nDepth == 4 && m_bInPoint && Building())
        m_fields.AddArrayOther();
    m_scope.ValueDone();
    return true;
}

bool FigureJsonHandler::Number(double d)
{
    const std::size_t nDepth = m_scope.Depth();
    if (nDepth == 3 && m_bInFigure && Building())
        m_fields.SetNumber(d);
    else if (nDepth == 4 && m_bInPoint && Building())
        m_fields.AddArrayNumber(d);
    else
        return Scalar();
    m_scope.ValueDone();
    return true;
}

bool FigureJsonHandler::String(const Ch* str, SizeType nLength, bool)
{
    if (m_scope.Depth() == 3 && m_bInFigure && Building()) {
        m_fields.SetString(std::u16string_view(str, nLength));
        m_scope.ValueDone();
        return true;
    }
    return Scalar();
}

bool FigureJsonHandler::Key(const Ch* str, SizeType nLength, bool)
{
    const std::u16string_view key(str, nLength);
    const int nNameId = FieldNameId(key);
    QString strError;
    if (!m_scope.Key(key, nNameId, m_stream.Tell(), &strError) && m_strStrictError.isEmpty()) {
        m_strStrictError = strError;
        m_figures.clear();
    }
    const std::size_t nDepth = m_scope.Depth();
    if (nDepth == 1 && m_bRootObject) {
        if (++m_nRootKeys == 1)
            m_bFiguresFirst = key == u"figures";
    } else if (nDepth == 3 && m_bInFigure && Building()) {
        m_fields.AddKey(key, nNameId);
    }
    return true;
}

bool FigureJsonHandler::Open(bool bObject)
{
    if (m_scope.Open(bObject))
        return true;
    m_bTooDeep = true;
    return false;
}

bool FigureJsonHandler::StartObject()
{
    const std::size_t nDepth = m_scope.Depth();
    if (nDepth == 0) {
        m_bRootObject = true;
    } else if (nDepth == 2 && m_bInFigures) {
        m_bInFigure = true;
        m_fields.Clear();
    } else if (nDepth == 4 && m_bInPoint && Building()) {
        m_fields.AddArrayOther();
    }
    return Open(true);
}

bool FigureJsonHandler::EndObject(SizeType)
{
    m_scope.Close();
    if (m_scope.Depth() == 2 && m_bInFigure) {
        m_bInFigure = false;
        FinishFigure();
    }
    return true;
}

bool FigureJsonHandler::StartArray()
{
    const std::size_t nDepth = m_scope.Depth();
    if (nDepth == 1 && m_bRootObject && m_nRootKeys == 1 && m_bFiguresFirst) {
        m_bFiguresArray = true;
        m_bInFigures = true;
    } else if (nDepth == 2 && m_bInFigures) {
        NotAnObject();
    } else if (nDepth == 3 && m_bInFigure && Building()) {
        m_fields.StartArray();
        m_bInPoint = true;
    } else if (nDepth == 4 && m_bInPoint && Building()) {
        m_fields.AddArrayOther();
    }
    return Open(false);
}

bool FigureJsonHandler::EndArray(SizeType)
{
    m_scope.Close();
    const std::size_t nDepth = m_scope.Depth();
    if (nDepth == 3)
        m_bInPoint = false;
    else if (nDepth == 1)
        m_bInFigures = false;
    return true;
}

void FigureJsonHandler::NotAnObject()
{
    if (Building())
        FigureFailed(QStringLiteral("figure %1: not a JSON object").arg(m_nFigures));
}

void FigureJsonHandler::FinishFigure()
{
    if (!Building())
        return;
    QString strError;
    if (!m_builder.Add(m_fields, m_nFigures, &strError)) {
        FigureFailed(strError);
        return;
    }
    ++m_nFigures;
    if (m_builder.RunFull())
        BuildRun();
}

void FigureJsonHandler::BuildRun()
{
    QString strError;
    if (!m_builder.Build(m_figures, &strError)) {
        m_strFigureError = strError;
        m_figures.clear();
    }
}

// The queued figures come before this one: a fault among them is met
// first.
void FigureJsonHandler::FigureFailed(const QString& strError)
{
    BuildRun();
    if (!Building())
        return;
    m_strFigureError = strError;
    m_figures.clear();
}

void FigureJsonHandler::Finish()
{
    if (Building())
        BuildRun();
}

QString FigureJsonHandler::ParseErrorMessage(const rapidjson::ParseResult& result) const
{
    const std::size_t nOffset = result.Offset();
    // The library refuses a raw control character inside a string as
    // malformed; it stops on it, so the stream still stands there.
    const bool bRawControl = (result.Code() == rapidjson::kParseErrorStringEscapeInvalid
                              || result.Code() == rapidjson::kParseErrorStringMissQuotationMark)
                             && m_stream.Tell() == nOffset && !m_stream.AtEnd()
                             && static_cast<unsigned char>(m_stream.Peek()) < 0x20;
    if (bRawControl)
        return m_strStrictError.isEmpty() ? m_scope.RawControlMessage(nOffset) : m_strStrictError;
    const QString strWhy = m_bTooDeep ? QStringLiteral("too deeply nested document")
                                      : QString::fromLatin1(rapidjson::GetParseError_En(result.Code()));
    return QStringLiteral("Malformed JSON at offset %1: %2").arg(nOffset).arg(strWhy);
}

QString FigureJsonHandler::Finding() const
{
    if (!m_strStrictError.isEmpty())
        return m_strStrictError;
    if (!m_bRootObject || m_nRootKeys != 1 || !m_bFiguresFirst || !m_bFiguresArray)
        return QStringLiteral("The JSON must be an object holding just a \"figures\" array.");
    return m_strFigureError;
}

}  // namespace

JsonReadStatus ReadFiguresJson(QIODevice& device, FigureArray& figures, QString* pstrError)
{
    JsonReadStream stream(device);
    FigureJsonHandler handler(stream);
    // Iterative: nesting costs the reader heap, not the call stack. Normal
    // precision (a few units in the last place) is exact for every whole
    // number a field holds; the library's full-precision path turns a long
    // run of zeros such as 0.000000000000000000000 into a wrong value.
    constexpr unsigned kFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseValidateEncodingFlag;
    rapidjson::GenericReader<rapidjson::UTF8<>, rapidjson::UTF16<char16_t>, ThrowingAllocator> reader;
    const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, handler);
    if (stream.ReadFailed()) {
        *pstrError = stream.ReadError();
        return JsonReadStatus::ReadFailed;
    }
    if (!result.IsError())
        handler.Finish();
    *pstrError = result.IsError() ? handler.ParseErrorMessage(result) : handler.Finding();
    if (!pstrError->isEmpty())
        return JsonReadStatus::BadJson;
    figures = handler.TakeFigures();
    return JsonReadStatus::Done;
}
