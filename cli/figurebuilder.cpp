#include "cli/figurebuilder.h"

#include "cli/fieldnames.h"
#include "cli/figurefields.h"
#include "cli/jsonstrict.h"
#include "cli/recordcodec.h"
#include "cli/recordlayout.h"
#include "platform/archive.h"

#include <cstring>
#include <string_view>

namespace {

// Runs are built at about this size: large enough that the buffer is
// allocated rarely, small enough that memory does not grow with N.
constexpr qsizetype kRunBytes = 64 * 1024;

// The layout of the class a figure object names, with the class to
// build; looked up without making a string of the name.
struct FigureClass {
    const RecordLayout* pLayout = nullptr;
    const CRuntimeClass* pClass = nullptr;
};

FigureClass FindClass(std::u16string_view name)
{
    static const std::vector<FigureClass> classes = [] {
        std::vector<FigureClass> all;
        for (const RecordLayout& layout : RecordLayouts())
            all.push_back({&layout, FindFigureClass(layout.pszClass, int(std::strlen(layout.pszClass)))});
        return all;
    }();
    for (const FigureClass& each : classes) {
        if (KeyEquals(name, each.pLayout->pszClass))
            return each.pClass ? each : FigureClass();
    }
    return {};
}

}  // namespace

FigureBuilder::FigureBuilder() : m_pRun(std::make_unique<CArchive>()) {}

FigureBuilder::~FigureBuilder() = default;

// Messages name the figure by its index, and by its class once known:
// "figure 2 (CLine): field "m_nWidth" is missing". They are worded only
// when something is wrong: most figures are right.
bool FigureBuilder::Add(const FigureFields& fields, std::size_t nIndex, QString* pstrError)
{
    const JsonFieldValue* pClass = fields.Find(kClassNameId);
    if (!pClass || pClass->nKind != JsonFieldValue::Kind::String) {
        *pstrError = QStringLiteral("figure %1").arg(nIndex)
                     + (!pClass ? QStringLiteral(": field \"class\" is missing")
                                : QStringLiteral(": field \"class\" must be a string"));
        return false;
    }
    const std::u16string_view className = fields.TextView(*pClass);
    const FigureClass figureClass = FindClass(className);
    if (!figureClass.pLayout) {
        *pstrError = QStringLiteral("figure %1: unknown class \"%2\"").arg(nIndex).arg(EscapeForMessage(className));
        return false;
    }
    // A record that fails half-way leaves bytes after the queued ones;
    // they are never read, since the failure ends the building.
    if (!WriteRecordFields(*m_pRun, *figureClass.pLayout, fields, pstrError)) {
        pstrError->prepend(QStringLiteral("figure %1 (%2): ").arg(nIndex).arg(EscapeForMessage(className)));
        return false;
    }
    m_queued.push_back({figureClass.pLayout, figureClass.pClass, nIndex, m_pRun->GetBuffer().size()});
    return true;
}

bool FigureBuilder::RunFull() const
{
    return m_pRun->GetBuffer().size() >= kRunBytes;
}

bool FigureBuilder::Build(FigureArray& figures, QString* pstrError)
{
    CArchive arLoad(m_pRun->GetBuffer());
    const qsizetype nRunBytes = m_pRun->GetBuffer().size();
    bool bBuilt = true;
    for (const Queued& queued : m_queued) {
        std::unique_ptr<CFigure> pFigure(dynamic_cast<CFigure*>(queued.pClass->CreateObject()));
        if (pFigure)
            pFigure->Serialize(arLoad);
        if (!pFigure || arLoad.IsBad() || nRunBytes - arLoad.BytesLeft() != queued.nEnd) {
            *pstrError = QStringLiteral("figure %1 (%2): the record does not match the class")
                             .arg(queued.nIndex)
                             .arg(QLatin1String(queued.pLayout->pszClass));
            bBuilt = false;
            break;
        }
        figures.push_back(std::move(pFigure));
    }
    m_queued.clear();
    m_pRun = std::make_unique<CArchive>();
    return bBuilt;
}
