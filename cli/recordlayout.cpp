#include "cli/recordlayout.h"

#include <QString>

namespace {

using K = FieldKind;

constexpr RecordField kBase[] = {
    {"m_x1", K::Int32}, {"m_y1", K::Int32}, {"m_x2", K::Int32}, {"m_y2", K::Int32},
    {"m_color", K::Colour},
};
constexpr RecordField kLine[] = {{"m_nWidth", K::Int32}, {"m_nPenStyle", K::Int32}};
constexpr RecordField kOutline[] = {
    {"m_nWidth", K::Int32}, {"m_bCentre", K::Int32}, {"m_nPenStyle", K::Int32}};
constexpr RecordField kFill[] = {{"m_nFillStyle", K::Int32}, {"m_bCentre", K::Int32}};
constexpr RecordField kArcOutline[] = {
    {"m_xStart", K::Int32}, {"m_yStart", K::Int32}, {"m_xEnd", K::Int32}, {"m_yEnd", K::Int32},
    {"m_nWidth", K::Int32}, {"m_bCentre", K::Int32}, {"m_nPenStyle", K::Int32}};
constexpr RecordField kArcFill[] = {
    {"m_xStart", K::Int32}, {"m_yStart", K::Int32}, {"m_xEnd", K::Int32}, {"m_yEnd", K::Int32},
    {"m_nFillStyle", K::Int32}, {"m_bCentre", K::Int32}};
constexpr RecordField kBezier[] = {
    {"m_pt3", K::Point}, {"m_pt4", K::Point},
    {"m_nWidth", K::Int32}, {"m_bCentre", K::Int32}, {"m_nPenStyle", K::Int32}};
constexpr RecordField kMeasure[] = {{"m_strText", K::String}, {"m_nWidth", K::Int32}};
constexpr RecordField kPolygon[] = {
    {"m_ptDir", K::Point}, {"m_nWidth", K::Int32}, {"m_nPenStyle", K::Int32}, {"m_nMode", K::Int32}};
constexpr RecordField kTrigon[] = {{"m_nPitch", K::Int32}, {"m_bVertical", K::Int32}};
constexpr RecordField kText[] = {{"m_strText", K::String}};
constexpr RecordField kFloodFill[] = {{"m_nFillStyle", K::Int32}, {"m_colorFill", K::Colour}};

constexpr RecordLayout kLayouts[] = {
    {"CLine", kLine},
    {"CRectangle", kOutline},
    {"CRectRound", kOutline},
    {"CCircle", kOutline},
    {"CRectFill", kFill},
    {"CRectRoundFill", kFill},
    {"CCircleFill", kFill},
    {"CArc", kArcOutline},
    {"CChord", kArcOutline},
    {"CPie", kArcOutline},
    {"CChordFill", kArcFill},
    {"CPieFill", kArcFill},
    {"CBezier", kBezier},
    {"CMeasure", kMeasure},
    {"CPolygon", kPolygon},
    {"CTrigon", kTrigon},
    {"CText", kText},
    {"CFloodFill", kFloodFill},
};

}  // namespace

std::span<const RecordField> RecordBaseFields() { return kBase; }

std::span<const RecordLayout> RecordLayouts() { return kLayouts; }

const RecordLayout* FindRecordLayout(QStringView strClass)
{
    for (const RecordLayout& layout : kLayouts) {
        if (strClass == QLatin1String(layout.pszClass))
            return &layout;
    }
    return nullptr;
}

const RecordLayout* FindRecordLayout(std::string_view strClass)
{
    for (const RecordLayout& layout : kLayouts) {
        if (strClass == layout.pszClass)
            return &layout;
    }
    return nullptr;
}
