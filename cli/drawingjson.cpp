#include "cli/drawingjson.h"

#include "cli/figurejsonreader.h"
#include "cli/jsonengine.h"
#include "cli/recordcodec.h"
#include "platform/archive.h"

#include <QBuffer>

namespace {

void WriteFigure(CFigure& figure, JsonWriter& writer)
{
    CArchive arStore;
    figure.Serialize(arStore);
    CArchive arLoad(arStore.GetBuffer());
    writer.StartObject();
    // Every class that a drawing can hold has a layout (the tests check
    // the table against the class list).
    if (const RecordLayout* pLayout = FindRecordLayout(std::string_view(figure.GetRuntimeClass()->m_lpszClassName)))
        WriteRecordJson(arLoad, *pLayout, writer);
    writer.EndObject();
}

// The buffer's bytes as a piece, without a copy.
bool HandOn(JsonBuffer& buffer, const std::function<bool(const QByteArray&)>& fnWrite)
{
    const bool bTaken =
        fnWrite(QByteArray::fromRawData(buffer.GetString(), qsizetype(buffer.GetSize())));
    buffer.Clear();
    return bTaken;
}

}  // namespace

QByteArray FiguresToJson(FigureArray& figures)
{
    QByteArray json;
    WriteFiguresJson(figures, [&json](const QByteArray& piece) {
        json += piece;
        return true;
    });
    return json;
}

// The layout scripts have always read: four spaces a level, each figure
// two levels down, a newline at the end.
bool WriteFiguresJson(FigureArray& figures, const std::function<bool(const QByteArray&)>& fnWrite)
{
    // The library writes an empty array as "[]"; dumps have always shown
    // it open and closed on lines of their own.
    if (figures.empty())
        return fnWrite(QByteArrayLiteral("{\n    \"figures\": [\n    ]\n}\n"));
    JsonBuffer buffer;
    JsonWriter writer(buffer);
    writer.SetIndent(' ', 4);
    writer.StartObject();
    writer.Key("figures");
    writer.StartArray();
    for (const std::unique_ptr<CFigure>& pFigure : figures) {
        WriteFigure(*pFigure, writer);
        if (!HandOn(buffer, fnWrite))
            return false;
    }
    writer.EndArray();
    writer.EndObject();
    buffer.Put('\n');
    return HandOn(buffer, fnWrite);
}

bool JsonToFigures(const QByteArray& json, FigureArray& figures, QString* pstrError)
{
    QBuffer device;
    device.setData(json);
    device.open(QIODevice::ReadOnly);
    return ReadFiguresJson(device, figures, pstrError) == JsonReadStatus::Done;
}
