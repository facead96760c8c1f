#include "cli/drawingjson.h"

#include "cli/figurejsonreader.h"
#include "cli/jsonengine.h"
#include "cli/recordcodec.h"
#include "platform/archive.h"

#include <QBuffer>

#include <string_view>
#include <utility>
#include <vector>

namespace {

// Records are serialized a run at a time into one buffer of about this
// size: one allocation for many small records, and memory that does not
// grow with the drawing.
constexpr qsizetype kRunBytes = 64 * 1024;

// Every class that a drawing can hold has a layout (the tests check the
// table against the class list); each class is looked up once.
class LayoutCache {
public:
    const RecordLayout* Find(const CRuntimeClass* pClass)
    {
        for (const auto& [pKnown, pLayout] : m_known) {
            if (pKnown == pClass)
                return pLayout;
        }
        const RecordLayout* pLayout = FindRecordLayout(std::string_view(pClass->m_lpszClassName));
        m_known.emplace_back(pClass, pLayout);
        return pLayout;
    }

private:
    std::vector<std::pair<const CRuntimeClass*, const RecordLayout*>> m_known;
};

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
    LayoutCache layouts;
    for (std::size_t i = 0; i < figures.size();) {
        CArchive arStore;
        std::size_t nEnd = i;
        for (; nEnd < figures.size() && arStore.GetBuffer().size() < kRunBytes; ++nEnd) {
            if (layouts.Find(figures[nEnd]->GetRuntimeClass()))
                figures[nEnd]->Serialize(arStore);
        }
        CArchive arLoad(arStore.GetBuffer());
        for (; i < nEnd; ++i) {
            const CRuntimeClass* pClass = figures[i]->GetRuntimeClass();
            writer.StartObject();
            if (const RecordLayout* pLayout = layouts.Find(pClass)) {
                WriteRecordJson(arLoad, *pLayout, writer);
            } else {
                writer.Key("class");
                writer.String(pClass->m_lpszClassName);
            }
            writer.EndObject();
            if (!HandOn(buffer, fnWrite))
                return false;
        }
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
