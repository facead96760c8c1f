#include "cli/drawingjson.h"

#include "cli/jsonstrict.h"
#include "cli/recordcodec.h"
#include "platform/archive.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace {

QJsonObject FigureToJson(CFigure& figure)
{
    const char* pszClass = figure.GetRuntimeClass()->m_lpszClassName;
    CArchive arStore;
    figure.Serialize(arStore);
    CArchive arLoad(arStore.GetBuffer());
    QJsonObject object;
    // Every class that a drawing can hold has a layout (the tests check
    // the table against the class list).
    if (const RecordLayout* pLayout = FindRecordLayout(QString::fromLatin1(pszClass)))
        object = ReadRecordFields(arLoad, *pLayout);
    object.insert(QStringLiteral("class"), QLatin1String(pszClass));
    return object;
}

// Messages name the figure by its index, and by its class once known:
// "figure 2 (CLine): field "m_nWidth" is missing".
std::unique_ptr<CFigure> FigureFromJson(const QJsonValue& value, qsizetype nIndex,
                                        QString* pstrError)
{
    const QString strFigure = QStringLiteral("figure %1").arg(nIndex);
    if (!value.isObject()) {
        *pstrError = strFigure + QStringLiteral(": not a JSON object");
        return nullptr;
    }
    const QJsonObject object = value.toObject();
    const QJsonValue valueClass = object.value(QStringLiteral("class"));
    if (!valueClass.isString()) {
        *pstrError = strFigure + (valueClass.isUndefined()
                                      ? QStringLiteral(": field \"class\" is missing")
                                      : QStringLiteral(": field \"class\" must be a string"));
        return nullptr;
    }
    const QString strClass = valueClass.toString();
    const QString strClassShown = EscapeForMessage(strClass);
    const QByteArray name = strClass.toLatin1();
    const RecordLayout* pLayout = FindRecordLayout(strClass);
    const CRuntimeClass* pClass = FindFigureClass(name.constData(), int(name.size()));
    if (!pLayout || !pClass) {
        *pstrError = strFigure + QStringLiteral(": unknown class \"%1\"").arg(strClassShown);
        return nullptr;
    }
    CArchive arStore;
    if (!WriteRecordFields(arStore, *pLayout, object, pstrError)) {
        pstrError->prepend(QStringLiteral("%1 (%2): ").arg(strFigure, strClassShown));
        return nullptr;
    }
    // The record goes in through the class's own reader, as from a file.
    std::unique_ptr<CFigure> pFigure(dynamic_cast<CFigure*>(pClass->CreateObject()));
    CArchive arLoad(arStore.GetBuffer());
    if (pFigure)
        pFigure->Serialize(arLoad);
    if (!pFigure || arLoad.IsBad() || arLoad.BytesLeft() != 0) {
        *pstrError = QStringLiteral("%1 (%2): the record does not match the class")
                         .arg(strFigure, strClassShown);
        return nullptr;
    }
    return pFigure;
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

// Pieces laid out as the indented writer lays out the whole document:
// four spaces a level, each figure two levels down.
bool WriteFiguresJson(FigureArray& figures, const std::function<bool(const QByteArray&)>& fnWrite)
{
    if (figures.empty())
        return fnWrite(QByteArrayLiteral("{\n    \"figures\": [\n    ]\n}\n"));
    if (!fnWrite(QByteArrayLiteral("{\n    \"figures\": [\n")))
        return false;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        QByteArray piece = QJsonDocument(FigureToJson(*figures[i])).toJson(QJsonDocument::Indented);
        piece.chop(1);
        piece.replace('\n', "\n        ");
        piece.prepend("        ");
        piece.append(i + 1 < figures.size() ? ",\n" : "\n");
        if (!fnWrite(piece))
            return false;
    }
    return fnWrite(QByteArrayLiteral("    ]\n}\n"));
}

bool JsonToFigures(const QByteArray& json, FigureArray& figures, QString* pstrError)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull()) {
        *pstrError = QStringLiteral("Malformed JSON at offset %1: %2")
                         .arg(error.offset)
                         .arg(error.errorString());
        return false;
    }
    if (!CheckJsonStrict(json, pstrError))
        return false;
    const QJsonObject root = document.object();
    if (!document.isObject() || root.size() != 1 || !root.value(QStringLiteral("figures")).isArray()) {
        *pstrError = QStringLiteral("The JSON must be an object holding just a \"figures\" array.");
        return false;
    }
    const QJsonArray array = root.value(QStringLiteral("figures")).toArray();
    FigureArray built;
    built.reserve(std::size_t(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
        std::unique_ptr<CFigure> pFigure = FigureFromJson(array.at(i), i, pstrError);
        if (!pFigure)
            return false;
        built.push_back(std::move(pFigure));
    }
    figures = std::move(built);
    return true;
}
