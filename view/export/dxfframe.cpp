// The frame of the file. Readers of this version expect every table to
// exist, even empty, and the layouts to be reachable from the root
// dictionary; without them some readers refuse the file and others
// rebuild it with warnings.
#include "view/export/dxfframe.h"

#include "platform/dc.h"
#include "platform/dc_raster.h"
#include "platform/types.h"

#include <array>
#include <numeric>

namespace {

struct LineTypeRow {
    int nPenStyle;
    const char* pszName;
    const char* pszDescription;
};
constexpr std::array<LineTypeRow, 5> kLineTypes{{
    {PS_SOLID, "CONTINUOUS", "Solid line"},
    {PS_DASH, "DASHED", "Dashed __ __ __"},
    {PS_DOT, "DOTTED", "Dotted . . . ."},
    {PS_DASHDOT, "DASHDOT", "Dash dot __ . __ ."},
    {PS_DASHDOTDOT, "DASHDOTDOT", "Dash dot dot __ . . __"},
}};

void BeginSection(CDxfWriter& w, const char* pszName)
{
    w.Text(0, "SECTION");
    w.Text(2, pszName);
}

void EndSection(CDxfWriter& w)
{
    w.Text(0, "ENDSEC");
}

void BeginTable(CDxfWriter& w, const char* pszName, unsigned nHandle, int nCount)
{
    w.Text(0, "TABLE");
    w.Text(2, pszName);
    w.Handle(5, nHandle);
    w.Handle(330, 0);
    w.Text(100, "AcDbSymbolTable");
    w.Int(70, nCount);
}

void BeginRecord(CDxfWriter& w, const char* pszType, unsigned nHandle, unsigned nTable, const char* pszSubclass)
{
    w.Text(0, pszType);
    w.Handle(5, nHandle);
    w.Handle(330, nTable);
    w.Text(100, "AcDbSymbolTableRecord");
    w.Text(100, pszSubclass);
}

void WriteHeader(CDxfWriter& w, double dWidth, double dHeight, unsigned nHandleSeed)
{
    BeginSection(w, "HEADER");
    w.Text(9, "$ACADVER");
    w.Text(1, "AC1015");
    w.Text(9, "$DWGCODEPAGE");
    w.Text(3, "ANSI_1252");
    w.Text(9, "$INSBASE");
    w.Point3(10, 0, 0, 0);
    w.Text(9, "$EXTMIN");
    w.Point3(10, 0, 0, 0);
    w.Text(9, "$EXTMAX");
    w.Point3(10, dWidth, dHeight, 0);
    w.Text(9, "$LIMMIN");
    w.Point(10, 0, 0);
    w.Text(9, "$LIMMAX");
    w.Point(10, dWidth, dHeight);
    w.Text(9, "$LTSCALE");
    w.Real(40, 1);
    w.Text(9, "$INSUNITS");
    w.Int(70, 4);  // millimetres
    w.Text(9, "$MEASUREMENT");
    w.Int(70, 1);  // metric
    // The pen widths are line weights; show them.
    w.Text(9, "$LWDISPLAY");
    w.Int(290, 1);
    w.Text(9, "$HANDSEED");
    w.Handle(5, nHandleSeed);
    EndSection(w);
    BeginSection(w, "CLASSES");
    EndSection(w);
}

// The one viewport a reader opens the drawing in: the whole sheet.
void WriteViewports(CDxfWriter& w, double dWidth, double dHeight)
{
    BeginTable(w, "VPORT", DxfHandle::VportTable, 1);
    BeginRecord(w, "VPORT", DxfHandle::VportActive, DxfHandle::VportTable, "AcDbViewportTableRecord");
    w.Text(2, "*ACTIVE");
    w.Int(70, 0);
    w.Point(10, 0, 0);
    w.Point(11, 1, 1);
    w.Point(12, dWidth / 2, dHeight / 2);
    w.Point(13, 0, 0);
    w.Point(14, 10, 10);
    w.Point(15, 10, 10);
    w.Point3(16, 0, 0, 1);
    w.Point3(17, 0, 0, 0);
    w.Real(40, dHeight * 1.05);
    w.Real(41, dWidth / dHeight);
    w.Real(42, 50);
    w.Real(43, 0);
    w.Real(44, 0);
    w.Real(50, 0);
    w.Real(51, 0);
    w.Int(71, 0);
    w.Int(72, 1000);
    w.Int(73, 1);
    w.Int(74, 3);
    w.Int(75, 0);
    w.Int(76, 0);
    w.Int(77, 0);
    w.Int(78, 0);
    w.Text(0, "ENDTAB");
}

void WriteLineType(CDxfWriter& w, unsigned nHandle, const char* pszName, const char* pszDescription,
                   int nPenStyle)
{
    BeginRecord(w, "LTYPE", nHandle, DxfHandle::LtypeTable, "AcDbLinetypeTableRecord");
    w.Text(2, pszName);
    w.Int(70, 0);
    w.Text(3, pszDescription);
    w.Int(72, 65);
    // Dashes positive, gaps negative, in millimetres for a one-pixel pen.
    std::vector<double> vecRuns = nPenStyle < 0 ? std::vector<double>{} : DashPattern(nPenStyle);
    for (double& dRun : vecRuns)
        dRun *= kScreenUnitsPerPixel / 100;
    w.Int(73, int(vecRuns.size()));
    w.Real(40, std::accumulate(vecRuns.begin(), vecRuns.end(), 0.0));
    for (std::size_t i = 0; i < vecRuns.size(); ++i) {
        w.Real(49, i % 2 == 0 ? vecRuns[i] : -vecRuns[i]);
        w.Int(74, 0);
    }
}

void WriteLineTypes(CDxfWriter& w)
{
    BeginTable(w, "LTYPE", DxfHandle::LtypeTable, int(kLineTypes.size()) + 2);
    WriteLineType(w, DxfHandle::LtypeByBlock, "ByBlock", "", -1);
    WriteLineType(w, DxfHandle::LtypeByLayer, "ByLayer", "", -1);
    for (std::size_t i = 0; i < kLineTypes.size(); ++i)
        WriteLineType(w, DxfHandle::LtypeFirstStyle + unsigned(i), kLineTypes[i].pszName,
                      kLineTypes[i].pszDescription, kLineTypes[i].nPenStyle);
    w.Text(0, "ENDTAB");
}

void WriteLayersAndStyles(CDxfWriter& w)
{
    BeginTable(w, "LAYER", DxfHandle::LayerTable, 1);
    BeginRecord(w, "LAYER", DxfHandle::Layer0, DxfHandle::LayerTable, "AcDbLayerTableRecord");
    w.Text(2, "0");
    w.Int(70, 0);
    w.Int(62, 7);
    w.Text(6, "CONTINUOUS");
    w.Int(370, -3);  // the default weight
    w.Text(0, "ENDTAB");

    BeginTable(w, "STYLE", DxfHandle::StyleTable, 1);
    BeginRecord(w, "STYLE", DxfHandle::StyleStandard, DxfHandle::StyleTable, "AcDbTextStyleTableRecord");
    w.Text(2, "Standard");
    w.Int(70, 0);
    w.Real(40, 0);  // height given by each text
    w.Real(41, 1);
    w.Real(50, 0);
    w.Int(71, 0);
    w.Real(42, 2.5);
    w.Text(3, "txt");
    w.Text(4, "");
    w.Text(0, "ENDTAB");

    BeginTable(w, "VIEW", DxfHandle::ViewTable, 0);
    w.Text(0, "ENDTAB");
    BeginTable(w, "UCS", DxfHandle::UcsTable, 0);
    w.Text(0, "ENDTAB");

    BeginTable(w, "APPID", DxfHandle::AppidTable, 1);
    BeginRecord(w, "APPID", DxfHandle::AppidAcad, DxfHandle::AppidTable, "AcDbRegAppTableRecord");
    w.Text(2, "ACAD");
    w.Int(70, 0);
    w.Text(0, "ENDTAB");
}

// Dimension styles carry their handle under 105, not 5.
void WriteDimensionStyles(CDxfWriter& w)
{
    BeginTable(w, "DIMSTYLE", DxfHandle::DimstyleTable, 1);
    w.Text(100, "AcDbDimStyleTable");
    w.Int(71, 0);
    w.Text(0, "DIMSTYLE");
    w.Handle(105, DxfHandle::DimstyleStandard);
    w.Handle(330, DxfHandle::DimstyleTable);
    w.Text(100, "AcDbSymbolTableRecord");
    w.Text(100, "AcDbDimStyleTableRecord");
    w.Text(2, "Standard");
    w.Int(70, 0);
    w.Text(0, "ENDTAB");
}

void WriteBlockRecords(CDxfWriter& w)
{
    BeginTable(w, "BLOCK_RECORD", DxfHandle::BlockRecordTable, 2);
    BeginRecord(w, "BLOCK_RECORD", DxfHandle::ModelSpace, DxfHandle::BlockRecordTable, "AcDbBlockTableRecord");
    w.Text(2, "*Model_Space");
    w.Handle(340, DxfHandle::ModelLayout);
    BeginRecord(w, "BLOCK_RECORD", DxfHandle::PaperSpace, DxfHandle::BlockRecordTable, "AcDbBlockTableRecord");
    w.Text(2, "*Paper_Space");
    w.Handle(340, DxfHandle::PaperLayout);
    w.Text(0, "ENDTAB");
}

// What BLOCK and ENDBLK both begin with: handle, owner, space and layer.
void WriteBlockEntityHead(CDxfWriter& w, const char* pszType, unsigned nHandle, unsigned nRecord, bool bPaper)
{
    w.Text(0, pszType);
    w.Handle(5, nHandle);
    w.Handle(330, nRecord);
    w.Text(100, "AcDbEntity");
    if (bPaper)
        w.Int(67, 1);
    w.Text(8, "0");
}

void WriteBlock(CDxfWriter& w, const char* pszName, unsigned nBegin, unsigned nEnd, unsigned nRecord, bool bPaper)
{
    WriteBlockEntityHead(w, "BLOCK", nBegin, nRecord, bPaper);
    w.Text(100, "AcDbBlockBegin");
    w.Text(2, pszName);
    w.Int(70, 0);
    w.Point3(10, 0, 0, 0);
    w.Text(3, pszName);
    w.Text(1, "");
    WriteBlockEntityHead(w, "ENDBLK", nEnd, nRecord, bPaper);
    w.Text(100, "AcDbBlockEnd");
}

void WriteDictionary(CDxfWriter& w, unsigned nHandle, unsigned nOwner,
                     std::initializer_list<std::pair<const char*, unsigned>> listEntries)
{
    w.Text(0, "DICTIONARY");
    w.Handle(5, nHandle);
    w.Handle(330, nOwner);
    w.Text(100, "AcDbDictionary");
    w.Int(281, 1);
    for (const auto& [pszKey, nValue] : listEntries) {
        w.Text(3, pszKey);
        w.Handle(350, nValue);
    }
}

// A layout: its plot settings (none to speak of: the program prints by
// itself) and the sheet it shows.
void WriteLayout(CDxfWriter& w, unsigned nHandle, const char* pszName, int nTab, unsigned nRecord,
                 double dWidth, double dHeight)
{
    w.Text(0, "LAYOUT");
    w.Handle(5, nHandle);
    w.Handle(330, DxfHandle::LayoutDictionary);
    w.Text(100, "AcDbPlotSettings");
    w.Text(1, "");
    w.Text(2, "none_device");
    w.Text(4, "");
    w.Text(6, "");
    for (int nCode = 40; nCode <= 49; ++nCode)
        w.Real(nCode, 0);
    w.Real(140, 0);
    w.Real(141, 0);
    w.Real(142, 1);
    w.Real(143, 1);
    w.Int(70, nTab == 0 ? 1712 : 688);
    w.Int(72, 1);  // paper in millimetres
    w.Int(73, 0);
    w.Int(74, 5);
    w.Text(7, "");
    w.Int(75, 16);
    w.Real(147, 1);
    w.Real(148, 0);
    w.Real(149, 0);
    w.Text(100, "AcDbLayout");
    w.Text(1, pszName);
    w.Int(70, 1);
    w.Int(71, nTab);
    w.Point(10, 0, 0);
    w.Point(11, dWidth, dHeight);
    w.Point3(12, 0, 0, 0);
    w.Point3(14, 0, 0, 0);
    w.Point3(15, dWidth, dHeight, 0);
    w.Real(146, 0);
    w.Point3(13, 0, 0, 0);
    w.Point3(16, 1, 0, 0);
    w.Point3(17, 0, 1, 0);
    w.Int(76, 0);
    w.Handle(330, nRecord);
}

}  // namespace

const char* DxfLineTypeName(int nPenStyle)
{
    for (const LineTypeRow& row : kLineTypes)
        if (row.nPenStyle == nPenStyle)
            return row.pszName;
    return kLineTypes[0].pszName;
}

void WriteDxfHead(CDxfWriter& w, double dWidth, double dHeight, unsigned nHandleSeed)
{
    WriteHeader(w, dWidth, dHeight, nHandleSeed);
    BeginSection(w, "TABLES");
    WriteViewports(w, dWidth, dHeight);
    WriteLineTypes(w);
    WriteLayersAndStyles(w);
    WriteDimensionStyles(w);
    WriteBlockRecords(w);
    EndSection(w);
    BeginSection(w, "BLOCKS");
    WriteBlock(w, "*Model_Space", DxfHandle::ModelBlock, DxfHandle::ModelBlockEnd, DxfHandle::ModelSpace, false);
    WriteBlock(w, "*Paper_Space", DxfHandle::PaperBlock, DxfHandle::PaperBlockEnd, DxfHandle::PaperSpace, true);
    EndSection(w);
    BeginSection(w, "ENTITIES");
}

void WriteDxfTail(CDxfWriter& w, double dWidth, double dHeight)
{
    EndSection(w);
    BeginSection(w, "OBJECTS");
    WriteDictionary(w, DxfHandle::RootDictionary, 0,
                    {{"ACAD_GROUP", DxfHandle::GroupDictionary}, {"ACAD_LAYOUT", DxfHandle::LayoutDictionary}});
    WriteDictionary(w, DxfHandle::GroupDictionary, DxfHandle::RootDictionary, {});
    WriteDictionary(w, DxfHandle::LayoutDictionary, DxfHandle::RootDictionary,
                    {{"Model", DxfHandle::ModelLayout}, {"Layout1", DxfHandle::PaperLayout}});
    WriteLayout(w, DxfHandle::ModelLayout, "Model", 0, DxfHandle::ModelSpace, dWidth, dHeight);
    WriteLayout(w, DxfHandle::PaperLayout, "Layout1", 1, DxfHandle::PaperSpace, dWidth, dHeight);
    EndSection(w);
    w.Text(0, "EOF");
}
